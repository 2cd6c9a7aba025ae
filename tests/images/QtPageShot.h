#pragma once
// Test helper: a page as the real platform shows it, in a 300 x 200 viewer with pictures on.

#include <QCoreApplication>
#include <QImage>

#include <string>

#include "html/viewer/Viewer.h"
#include "platform/qt/QtGraphics.h"
#include "platform/qt/QtWindow.h"

inline QImage ShownOnQt(const std::string& page) {
  TQtGraphics graphics;
  TQtWindowing windowing(graphics);
  TQtViewerHost host(windowing);
  host.resize(300, 200);
  host.show();
  TriruRedu viewer(windowing, host.Window());
  viewer.SetViewImages(true);
  QCoreApplication::processEvents();
  viewer.OpenHtmlFile(page);
  QCoreApplication::processEvents();
  return static_cast<TQtWindow&>(viewer.Panel()).Widget()->grab().toImage();
}

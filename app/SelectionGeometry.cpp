#include "app/SelectionGeometry.h"

#include <QWidget>
#include <algorithm>
#include <memory>

#include "html/document/SectionList.h"
#include "html/viewer/Viewer.h"
#include "platform/Graphics.h"
#include "platform/Windowing.h"
#include "platform/qt/QtWindow.h"

std::optional<QRect> SelectionOnScreen(const TriruRedu& viewer) {
  TSectionList& sections = viewer.Sections();
  if (sections.SelectionStart >= sections.SelectionEnd) return std::nullopt;
  const auto* panel = dynamic_cast<const TQtWindow*>(&viewer.Panel());
  if (!panel || !panel->Widget()) return std::nullopt;
  // Points are measured as the layout measured them; only the canvas's fonts count.
  TBitmap bitmap(1, 1);
  const std::unique_ptr<TCanvas> canvas = viewer.Windowing().Graphics().CanvasFor(bitmap);
  int x = 0, startY = 0, endY = 0;
  if (!sections.PositionToPoint(*canvas, sections.SelectionStart, x, startY)) return std::nullopt;
  if (!sections.PositionToPoint(*canvas, sections.SelectionEnd, x, endY)) endY = startY;
  // Document to panel: less the view's position. A line is taken as two default lines high,
  // which covers headings too; the band is as wide as the panel.
  const int lineHeight = viewer.DefFontSize() * 96 / 72 * 2;
  const QWidget* widget = panel->Widget();
  const QPoint top = widget->mapToGlobal(QPoint(0, startY - viewer.VScrollPos()));
  return QRect(top, QSize(widget->width(), std::max(endY - startY, 0) + lineHeight));
}

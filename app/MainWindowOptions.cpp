// The main window's remembered options, its size on the screen, and its closing.

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>

#include "app/MainWindow.h"
#include "app/Shell.h"
#include "html/viewer/Viewer.h"

void TTamblinF::FitToScreen() {
  const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
  if (!shown) return;
  const QRect area = shown->availableGeometry();
  const QSize size(area.width() * 2 / 3, area.height() * 2 / 3);
  resize(size);
  move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

void TTamblinF::RememberOptions(QSettings& settings) {
  FSettings = &settings;
  FOptions = TRememberedOptions();
  // One Add for each option remembered.
  FOptions.Add<QString>(
      "Font/Name", [this] { return QString::fromStdString(viewer->DefFontName()); },
      [this](const QString& name) { viewer->SetDefFontName(name.toStdString()); });
  FOptions.Add<int>(
      "Font/Size", [this] { return viewer->DefFontSize(); },
      [this](const int& size) { viewer->SetDefFontSize(size); });
  FOptions.Add<TColor>(
      "Colors/Text", [this] { return viewer->DefFontColor(); },
      [this](const TColor& color) { viewer->SetDefFontColor(color); });
  FOptions.Add<TColor>(
      "Colors/Link", [this] { return viewer->DefHotSpotColor(); },
      [this](const TColor& color) { viewer->SetDefHotSpotColor(color); });
  FOptions.Add<TColor>(
      "Colors/Background", [this] { return viewer->DefBackground(); },
      [this](const TColor& color) { viewer->SetDefBackground(color); });
  FOptions.Add<bool>(
      "View/PageStyles", [this] { return viewer->UsePageStyles(); },
      [this](const bool& use) {
        Action("UsePageStyles1")->setChecked(use);
        viewer->SetUsePageStyles(use);
      });
  FOptions.Add<QByteArray>(
      "Window/Geometry", [this] { return saveGeometry(); },
      [this](const QByteArray& geometry) { restoreGeometry(geometry); });
  // Before the splitter: its sizes hold only for a shown list.
  FOptions.Add<bool>(
      "Window/History", [this] { return Action("History1")->isChecked(); },
      [this](const bool& shown) {
        Action("History1")->setChecked(shown);
        History1Click();
      });
  FOptions.Add<QByteArray>(
      "Window/Splitter", [this] { return Splitter1->saveState(); },
      [this](const QByteArray& state) { Splitter1->restoreState(state); });
  FOptions.Load(settings);
}

void TTamblinF::SaveOptions() {
  if (!FSettings) return;
  FOptions.Save(*FSettings);
  FSettings->sync();
}

void TTamblinF::closeEvent(QCloseEvent* event) {
  SaveOptions();
  // Sounds end with the window, while the event loop can still finish with them.
  FShell.EndSounds();
  QMainWindow::closeEvent(event);
}

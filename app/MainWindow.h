#pragma once
// The browser's main window: one viewer filling the window, with the keyboard commands of a
// desktop browser. Web and mail links go to the desktop's handler; everything else the viewer
// follows itself.

#include <QMainWindow>
#include <QString>

#include <memory>
#include <string>

class TQtViewerHost;
class TQtWindowing;
class TriruRedu;

class TMainWindow : public QMainWindow {
 public:
  explicit TMainWindow(TQtWindowing& windowing);
  ~TMainWindow() override;

  TriruRedu& Viewer() { return *FViewer; }

  // Opens a file as the command line names it: a path or a file URL, with an optional
  // "#anchor"; .txt files open as text. Errors are shown in a message box.
  void OpenFromCommandLine(const QString& argument);

 private:
  void AddShortcuts();
  void GoBack();
  void GoForward();
  void AskAndFind();
  void FindAgain();
  void UpdateCaption();
  void ShowError(const QString& message);
  void OpenLinkExternally(const std::u32string& url, bool& handled);

  TQtWindowing& FWindowing;
  TQtViewerHost* FHost;  // owned by the window as its central widget
  std::unique_ptr<TriruRedu> FViewer;
  std::u32string FFindText;
};

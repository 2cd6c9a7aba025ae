#pragma once
// TTamblinF: the browser's main window. One viewer fills it, with a tool bar (open, mark,
// home, refresh, back, forward), menus, a history list beside the page, a status line that
// shows the link under the pointer, open and save dialogs, a find dialog, the image pop-up
// menu and the font and colours dialog. It answers the viewer's events: links go to the
// desktop, sounds play, programs start only when the user confirms, include directives are
// filled in, form results are kept until saved.
//
// The caption is set only at start and when a file is opened through the open dialog;
// following links and the history leave it alone.
//
// Dialog questions and messages go through the Ask... and ShowMessage hooks, which run the
// real dialogs unless a test replaces them.

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/PageServices.h"
#include "app/RememberedOptions.h"
#include "app/WindowRules.h"
#include "html/parser/Tokenizer.h"

class QAction;
class QListWidget;
class QMenu;
class QPrinter;
class QSplitter;
class QStatusBar;
class QToolBar;
class TFindDialog;
class TFontForm;
class TInlineImage;
class TQtViewerHost;
class TQtWindowing;
class TShell;
class TriruRedu;
struct TRightClickParameters;

class TTamblinF : public QMainWindow {
 public:
  // programFolder holds index.htm and help.htm; shell stands for the desktop. Both the
  // windowing and the shell must outlive the window.
  TTamblinF(TQtWindowing& windowing, TShell& shell, const QString& programFolder);
  ~TTamblinF() override;

  TriruRedu& Viewer() { return *viewer; }

  // --- Hooks for the dialogs; the defaults show the real ones.
  std::function<QString()> AskOpenFileName;  // empty: cancelled
  std::function<QString()> AskSaveFileName;
  // kind: "error", "information" or "plain" (no icon).
  std::function<void(const QString& text, const QString& kind)> ShowMessage;

  // FormShow: what the command line asks for.
  void FormShow(const TCommandLine& commandLine);
  // Opens a file as the command line names it (kept for hosts of the first window).
  void OpenFromCommandLine(const QString& argument);

  // --- Commands.
  void goOpenClick();
  // What goOpenClick does with the name the dialog gave.
  void OpenChosenFile(const QString& fileName);
  void gomarkClick();
  void goHomeClick();
  void goRefreshClick();
  void goBackClick();
  void goFwdClick();
  void cboHistoryClick(int index);
  void History1Click();  // after the check mark of View > History changed
  void SaveFormResults1Click();
  void Find1Click();
  void FindDialog1Find(const QString& text, bool matchCase);
  void FindAgain();
  void FontColors1Click();
  // The values of a font form closed with OK go to the viewer, and the page is reloaded.
  void ApplyFontForm(const TFontForm& form);
  void Contents1Click();
  void About1Click();
  void ViewimageClick();
  void CopyImageToClipboardClick();
  void OpenInNewWindowClick();
  void HandleDroppedFile(const QString& fileName);
  // View > Zoom In (+1), Zoom Out (-1) and Actual Size (0): the page's fonts in steps.
  void ZoomClick(int direction);

  // --- Printing (MainWindowView.cpp). The dialogs run through the hooks below.
  void Print1Click();
  void ExportPdf1Click();
  std::function<bool(QPrinter& printer)> AskPrinter;  // the print dialog; false: cancelled
  std::function<QString()> AskPdfFileName;            // empty: cancelled

  // --- Options remembered between runs (MainWindowOptions.cpp): the default font, size and
  // colours, the window's size, whether the history list shows, and the splitter. Puts back
  // what settings holds, and saves there on every change of the options and when the window
  // closes; settings must outlive the window. Without it nothing is remembered.
  void RememberOptions(QSettings& settings);
  void SaveOptions();

  // --- The viewer's events.
  void viewerHotSpotCovered(const std::u32string& src);
  void viewerHotSpotClick(const std::u32string& src, bool& handled);
  void viewerFormSubmit(const TStringList& results);
  void viewerInclude(const std::u32string& command, const TStringList& params, const char*& buffer,
                     std::size_t& size);
  // A click on an object with an ONCLICK text.
  void viewerObjectClick(const TObjectClick& click);
  void viewerRightClick(const TRightClickParameters& parameters);
  void viewerHistoryChange();
  // The right-click part that needs no pointer: the menu's state for this image and link.
  void PrepareImageMenu(const QImage& picture, const std::u32string& url);

  // --- State, for tests.
  QAction* Action(const char* name) const;
  QListWidget* HistoryList() const { return cboHistory; }
  QStatusBar* StatusLine() const;
  QMenu* ImageMenu() const { return PopupMenu; }
  const QString& HomeFile() const { return FHomeFile; }
  const QString& DialogFolder() const { return FDialogFolder; }
  const TFormResults& FormResults() const { return FFormResults; }

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateComponents();
  void CreateMenus();
  void ConnectViewer();
  void SetCaptionFromDocument();
  void OpenByKind(const std::string& fileName, TOpenKind kind);
  void GoToHistory(int index);
  void ShowError(const QString& message);
  // Runs a command, showing what it throws in the error box.
  void Guarded(const std::function<void()>& command);
  QString RunOpenDialog();
  QString RunSaveDialog();
  // A size fit for reading: two thirds of the screen's available area, centred in it.
  void FitToScreen();
  bool RunPrintDialog(QPrinter& printer);
  QString RunPdfDialog();
  void PrintTo(QPrinter& printer);

  TQtWindowing& FWindowing;
  TShell& FShell;
  QString ProgramFolder;
  QString FHomeFile;
  QString FOpenedFile;
  QString FDialogFolder;
  int FDialogFilter = 0;
  TFormResults FFormResults;
  QImage FRightClickPicture;
  std::string FRightClickLink;
  std::string FIncludeBuffer;  // the last text spliced in; the parser reads it in place
  // The file an open under way reads, when the window knows it: include names are taken in
  // its folder (the viewer names the new file only once it is read).
  std::string FLoadingFile;

  QToolBar* ToolBar1 = nullptr;
  QListWidget* cboHistory = nullptr;
  QSplitter* Splitter1 = nullptr;
  TQtViewerHost* FHost = nullptr;
  QMenu* PopupMenu = nullptr;
  TFindDialog* FindDialog1 = nullptr;
  std::unique_ptr<TriruRedu> viewer;
  TRememberedOptions FOptions;
  QSettings* FSettings = nullptr;
};

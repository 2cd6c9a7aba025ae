#pragma once
// TTamblinF: the browser's main window. One viewer fills it, with a tool bar (open, mark,
// home, refresh, back, forward), menus, a history list beside the page, a status line that
// shows the link under the pointer, open and save dialogs, a find dialog, the image pop-up
// menu and the font and colours dialog. It answers the viewer's events: links go to the
// desktop, sounds play, programs start only when the user confirms, include directives are
// filled in, form results are kept until saved.
//
// Every way of opening a file (command line, dialogs, drops, links, the history list, home,
// reload, a new window) goes through one decision by kind (OpenKindOf, WindowRules.h). After
// every load the caption is "Tamblin - " and the document's title (or file name), and Mark
// and Reload are enabled exactly while a file is shown.
//
// Dialog questions and messages go through the Ask... and ShowMessage hooks, which run the
// real dialogs unless a test replaces them.

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
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
  // A question with Yes and No; true for Yes.
  std::function<bool(const QString& question)> AskYesNo;
  // Called once what the command line asks for has been done (OpenWhenShown).
  std::function<void()> AfterStart;

  // FormShow: what the command line asks for.
  void FormShow(const TCommandLine& commandLine);
  // FormShow once the window has painted itself, so that it is not left blank while a large
  // page loads (the busy cursor shows meanwhile); then AfterStart.
  void OpenWhenShown(const TCommandLine& commandLine);
  // Whether SVG drawings show in the viewer (where the platform draws them) or go to the
  // desktop's handler. At first: whether Qt's image readers know SVG.
  void SetDrawsSvg(bool value) { FDrawsSvg = value; }

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
  void UsePageStyles1Click();  // after the check mark of Options > Use page styles changed
  void SaveFormResults1Click();
  void Find1Click();
  // Finds the next match from the caret; at the end of the page offers to go on from the top.
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
  void CopyLinkLocationClick();
  void Copy1Click();
  void SelectAll1Click();
  // fileName: the bytes of a file or folder name.
  void HandleDroppedFile(const std::string& fileName);
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
  // The right-click part that needs no pointer: the menu's items for this image and link.
  void PrepareImageMenu(const QImage& picture, const std::u32string& url);

  // --- State, for tests.
  QAction* Action(const char* name) const;
  QListWidget* HistoryList() const { return cboHistory; }
  QStatusBar* StatusLine() const;
  QMenu* ImageMenu() const { return PopupMenu; }
  TFindDialog* FindDialog() const { return FindDialog1; }
  const std::string& HomeFile() const { return FHomeFile; }
  // Where the open and save dialogs start (DialogStartFolder, WindowRules.h).
  QString DialogFolder() const;
  const TFormResults& FormResults() const { return FFormResults; }

 protected:
  bool event(QEvent* event) override;
  // The mouse's back and forward buttons anywhere in the window; Enter in the history list.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateComponents();
  void CreateMenus();
  void ConnectViewer();
  // After every load: the caption and the buttons that need a file.
  void DocumentChanged();
  // Opens a file or folder by its kind (anchor: "#name" or empty); a missing one is reported.
  void OpenByKind(const std::string& fileName, const std::string& anchor = {});
  // Opens a file as the viewer showed it before (history entries, the home page).
  void OpenAs(const std::string& fileName, TDocKind kind);
  void GoToHistory(int index);
  // Moves the find dialog off the selected match when it covers it.
  void PlaceFindDialog();
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
  std::string FHomeFile;
  TDocKind FHomeKind = dkHtml;
  QString FDialogFolder;  // the last folder chosen in a dialog or given with /D
  std::optional<TCommandLine> FPendingStart;
  bool FDrawsSvg = false;
  std::vector<THistoryRow> FHistoryRows;
  int FDialogFilter = 0;
  TFormResults FFormResults;
  QImage FRightClickPicture;
  TImageMenu FRightClickMenu;
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

#include "app/MainWindow.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <exception>

#include "app/FindDialog.h"
#include "app/FontForm.h"
#include "app/ToolGlyphs.h"
#include "html/support/Utf8.h"
#include "html/viewer/Viewer.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowing.h"

#ifndef TAMBLIN_VERSION
#define TAMBLIN_VERSION "0"
#endif

namespace {

const QString Caption = QStringLiteral("Tamblin");
const QString OpenFilters = QStringLiteral(
    "HTML Files (*.htm *.html);;Text Files (*.txt);;"
    "Graphic Files (*.bmp *.jpg *.jpeg *.gif *.png)");

QString FromUnicode(const std::u32string& text) { return QString::fromStdString(EncodeUtf8(text)); }

QString FolderOf(const QString& fileName) { return QFileInfo(fileName).absolutePath(); }

}  // namespace

TTamblinF::TTamblinF(TQtWindowing& windowing, TShell& shell, const QString& programFolder)
    : FWindowing(windowing), FShell(shell), ProgramFolder(programFolder) {
  setWindowTitle(Caption);
  FitToScreen();
  setAcceptDrops(true);
  AskOpenFileName = [this] { return RunOpenDialog(); };
  AskSaveFileName = [this] { return RunSaveDialog(); };
  AskPrinter = [this](QPrinter& printer) { return RunPrintDialog(printer); };
  AskPdfFileName = [this] { return RunPdfDialog(); };
  ShowMessage = [this](const QString& text, const QString& kind) {
    if (kind == QLatin1String("error")) {
      QMessageBox::critical(this, Caption, text);
    } else if (kind == QLatin1String("plain")) {
      QMessageBox box(QMessageBox::NoIcon, Caption, text, QMessageBox::Ok, this);
      box.exec();
    } else {
      QMessageBox::information(this, Caption, text);
    }
  };
  CreateComponents();
  CreateMenus();
  ConnectViewer();
  FWindowing.OnException = [this](std::exception_ptr error) {
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      ShowError(QString::fromStdString(e.what()));
    } catch (...) {
      ShowError(QStringLiteral("An unexpected error occurred."));
    }
  };
  FHost->setFocus();
}

TTamblinF::~TTamblinF() {
  FWindowing.OnException = nullptr;
  viewer.reset();
}

void TTamblinF::CreateComponents() {
  ToolBar1 = addToolBar(QStringLiteral("Tools"));
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setMovable(false);
  ToolBar1->setIconSize(QSize(20, 20));
  auto button = [this](const char* name, TToolGlyph glyph, const QString& tip,
                       void (TTamblinF::*handler)(), bool enabled) {
    auto* action = new QAction(ToolGlyph(glyph), tip, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    ToolBar1->addAction(action);
    return action;
  };
  button("goOpen", tgOpen, QStringLiteral("Open a file"), &TTamblinF::goOpenClick, true)
      ->setShortcut(QKeySequence::Open);
  ToolBar1->addSeparator();
  button("goMark", tgMark, QStringLiteral("Mark this page as home"), &TTamblinF::gomarkClick,
         false);
  button("goHome", tgHome, QStringLiteral("Go to the marked page"), &TTamblinF::goHomeClick, false);
  button("goRefresh", tgRefresh, QStringLiteral("Reload (F5)"), &TTamblinF::goRefreshClick, false)
      ->setShortcut(QKeySequence(Qt::Key_F5));
  ToolBar1->addSeparator();
  button("goback", tgBack, QStringLiteral("Back (Alt+Left)"), &TTamblinF::goBackClick, false)
      ->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
  button("gofwd", tgForward, QStringLiteral("Forward (Alt+Right)"), &TTamblinF::goFwdClick, false)
      ->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));

  Splitter1 = new QSplitter(Qt::Horizontal, this);
  Splitter1->setHandleWidth(3);
  Splitter1->setChildrenCollapsible(false);
  cboHistory = new QListWidget(Splitter1);
  cboHistory->setObjectName(QStringLiteral("cboHistory"));
  cboHistory->hide();
  connect(cboHistory, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { cboHistoryClick(cboHistory->row(item)); });
  FHost = new TQtViewerHost(FWindowing, Splitter1);
  Splitter1->addWidget(cboHistory);
  Splitter1->addWidget(FHost);
  Splitter1->setStretchFactor(1, 1);
  Splitter1->setSizes({153, 527});
  setCentralWidget(Splitter1);
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));

  viewer = std::make_unique<TriruRedu>(FWindowing, FHost->Window());
  viewer->SetViewImages(true);
  viewer->SetBorderStyle(htFocused);
  viewer->SetHistoryMaxCount(25);
  viewer->SetNoSelect(false);

  FindDialog1 = new TFindDialog(this);
  FindDialog1->OnFind = [this](const QString& text, bool matchCase) {
    FindDialog1Find(text, matchCase);
  };

  PopupMenu = new QMenu(this);
  auto item = [this](const char* name, const QString& text, void (TTamblinF::*handler)()) {
    QAction* action = PopupMenu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this,
            [this, handler] { Guarded([this, handler] { (this->*handler)(); }); });
  };
  item("Viewimage", QStringLiteral("&View image"), &TTamblinF::ViewimageClick);
  item("CopyImageToClipboard", QStringLiteral("&Copy image to clipboard"),
       &TTamblinF::CopyImageToClipboardClick);
  PopupMenu->addSeparator();
  item("OpenInNewWindow", QStringLiteral("&Open in new window"), &TTamblinF::OpenInNewWindowClick);
}

void TTamblinF::CreateMenus() {
  auto add = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& keys,
                    std::function<void()> handler) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, [this, handler] { Guarded(handler); });
    return action;
  };
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  add(file, "Open1", QStringLiteral("&Open..."), QKeySequence(), [this] { goOpenClick(); });
  file->addSeparator();
  add(file, "SaveFormResults1", QStringLiteral("&Save Form Results..."), QKeySequence(),
      [this] { SaveFormResults1Click(); });
  file->addSeparator();
  add(file, "Print1", QStringLiteral("&Print..."), QKeySequence::Print, [this] { Print1Click(); });
  add(file, "ExportPdf1", QStringLiteral("&Export as PDF..."), QKeySequence(),
      [this] { ExportPdf1Click(); });
  file->addSeparator();
  add(file, "Exit1", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q),
      [this] { close(); });

  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  add(edit, "Copy1", QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C),
      [this] { viewer->CopySelectedText(); });
  add(edit, "SelectAll1", QStringLiteral("&Select All"), QKeySequence(Qt::CTRL | Qt::Key_A),
      [this] { viewer->SelectAllText(); });
  edit->addSeparator();
  add(edit, "Find1", QStringLiteral("Find..."), QKeySequence(Qt::CTRL | Qt::Key_F),
      [this] { Find1Click(); });
  add(edit, "FindAgain1", QStringLiteral("Find &Again"), QKeySequence(Qt::Key_F3),
      [this] { FindAgain(); });

  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  add(view, "History1", QStringLiteral("&History"), QKeySequence(), [this] {
    History1Click();
  })->setCheckable(true);
  view->addSeparator();
  add(view, "ZoomIn1", QStringLiteral("Zoom &In"), QKeySequence::ZoomIn, [this] { ZoomClick(1); })
      ->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  add(view, "ZoomOut1", QStringLiteral("Zoom &Out"), QKeySequence::ZoomOut,
      [this] { ZoomClick(-1); });
  add(view, "ZoomReset1", QStringLiteral("&Actual Size"), QKeySequence(Qt::CTRL | Qt::Key_0),
      [this] { ZoomClick(0); });

  QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
  add(options, "FontColors1", QStringLiteral("&Font and Colors..."), QKeySequence(),
      [this] { FontColors1Click(); });

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  add(help, "Contents1", QStringLiteral("&Contents"), QKeySequence(Qt::Key_F1),
      [this] { Contents1Click(); });
  help->addSeparator();
  add(help, "About1", QStringLiteral("&About"), QKeySequence(), [this] { About1Click(); });
}

QAction* TTamblinF::Action(const char* name) const {
  return findChild<QAction*>(QString::fromLatin1(name));
}

QStatusBar* TTamblinF::StatusLine() const { return statusBar(); }

void TTamblinF::Guarded(const std::function<void()>& command) {
  try {
    command();
  } catch (const std::exception& error) {
    ShowError(QString::fromStdString(error.what()));
  }
}

void TTamblinF::ShowError(const QString& message) { ShowMessage(message, QStringLiteral("error")); }

void TTamblinF::SetCaptionFromDocument() {
  setWindowTitle(QString::fromStdString(CaptionFor(viewer->DocTitle())));
}

// --- Start-up.

void TTamblinF::FormShow(const TCommandLine& commandLine) {
  switch (commandLine.Action) {
    case caStartPage: {
      const QString start = QDir(ProgramFolder).filePath(QStringLiteral("index.htm"));
      // A missing start page is not an error: the window starts empty.
      if (!QFileInfo(start).isFile()) return;
      FOpenedFile = start;
      Action("goMark")->setEnabled(true);
      Action("goRefresh")->setEnabled(true);
      FLoadingFile = start.toStdString();
      Guarded([&] { viewer->OpenHtmlFile(start.toStdString()); });
      SetCaptionFromDocument();
      FDialogFolder = FolderOf(start);
      return;
    }
    case caOpen: {
      const TCommandLineTarget& target = commandLine.Target;
      FOpenedFile = QString::fromStdString(target.Path);
      FLoadingFile = target.Path;
      Guarded([&] {
        const TOpenKind kind = OpenKindOf(target.Path);
        if (kind == okText)
          viewer->OpenTextFile(target.Path);
        else if (kind == okImage)
          viewer->OpenImageFile(target.Path);
        else
          viewer->OpenHtmlFile(target.Path + target.Anchor);
      });
      SetCaptionFromDocument();
      FDialogFolder = FolderOf(FOpenedFile);
      return;
    }
    case caSetFolder:
      FDialogFolder = QString::fromStdString(commandLine.Folder);
      return;
    case caShowOpenDialog: {
      FDialogFolder = QString::fromStdString(commandLine.Folder);
      FDialogFilter = 0;
      const QString chosen = AskOpenFileName();
      if (chosen.isEmpty()) return;
      FOpenedFile = chosen;
      FLoadingFile = chosen.toStdString();
      Guarded([&] { viewer->OpenHtmlFile(chosen.toStdString()); });
      SetCaptionFromDocument();
      return;
    }
    case caNothing:
    case caHelp:
    case caVersion:
      return;
  }
}

void TTamblinF::OpenFromCommandLine(const QString& argument) {
  FormShow(ParseCommandLine({argument.toStdString()}));
}

// --- Files.

QString TTamblinF::RunOpenDialog() {
  QFileDialog dialog(this, QStringLiteral("Open"), FDialogFolder, OpenFilters);
  dialog.setObjectName(QStringLiteral("OpenDialog1"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  const QStringList filters = dialog.nameFilters();
  dialog.selectNameFilter(filters.value(FDialogFilter));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  FDialogFilter = int(filters.indexOf(dialog.selectedNameFilter()));
  FDialogFolder = dialog.directory().absolutePath();
  return dialog.selectedFiles().first();
}

QString TTamblinF::RunSaveDialog() {
  QFileDialog dialog(this, QStringLiteral("Save Form Results"), FDialogFolder,
                     QStringLiteral("Text Files (*.txt)"));
  dialog.setObjectName(QStringLiteral("SaveDialog1"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
}

void TTamblinF::goOpenClick() {
  const QString chosen = AskOpenFileName();
  if (!chosen.isEmpty()) OpenChosenFile(chosen);
}

void TTamblinF::OpenChosenFile(const QString& fileName) {
  FOpenedFile = fileName;
  const std::string name = fileName.toStdString();
  Guarded([&] { OpenByKind(name, OpenKindOf(name)); });
  Action("goMark")->setEnabled(true);
  Action("goRefresh")->setEnabled(true);
  SetCaptionFromDocument();
}

void TTamblinF::OpenByKind(const std::string& fileName, TOpenKind kind) {
  FLoadingFile = fileName;
  switch (kind) {
    case okHtml:
      viewer->OpenHtmlFile(fileName);
      break;
    case okText:
      viewer->OpenTextFile(fileName);
      break;
    case okImage:
      viewer->OpenImageFile(fileName);
      break;
    case okNothing:
      break;
  }
}

void TTamblinF::HandleDroppedFile(const QString& fileName) {
  if (fileName.isEmpty()) return;
  const std::string name = fileName.toStdString();
  Guarded([&] { OpenByKind(name, OpenKindOf(name)); });
}

void TTamblinF::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls() && event->mimeData()->urls().first().isLocalFile())
    event->acceptProposedAction();
}

void TTamblinF::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.first().isLocalFile()) return;
  event->acceptProposedAction();
  HandleDroppedFile(urls.first().toLocalFile());
}

void TTamblinF::SaveFormResults1Click() {
  const QString name = AskSaveFileName();
  if (name.isEmpty()) return;
  std::string error;
  if (!FFormResults.SaveTo(name.toStdString(), error)) ShowError(QString::fromStdString(error));
}

// --- Tool bar.

void TTamblinF::gomarkClick() {
  if (viewer->DocFileName().empty()) return;
  FHomeFile = QString::fromStdString(viewer->DocFileName());
  Action("goHome")->setEnabled(true);
}

void TTamblinF::goHomeClick() {
  FLoadingFile = FHomeFile.toStdString();
  Guarded([this] { viewer->OpenHtmlFile(FHomeFile.toStdString()); });
}

void TTamblinF::goRefreshClick() {
  Guarded([this] { viewer->ReloadDocument(); });
}

void TTamblinF::goBackClick() { GoToHistory(viewer->HistoryIndex() + 1); }

void TTamblinF::goFwdClick() { GoToHistory(viewer->HistoryIndex() - 1); }

void TTamblinF::GoToHistory(int index) {
  const auto& files = viewer->HistoryFiles();
  if (index >= 0 && index < int(files.size())) FLoadingFile = files[std::size_t(index)];
  Guarded([this, index] { viewer->SetHistoryIndex(index); });
}

// --- History.

void TTamblinF::viewerHistoryChange() {
  cboHistory->clear();
  const auto& titles = viewer->HistoryTitles();
  const auto& files = viewer->HistoryFiles();
  for (std::size_t i = 0; i < titles.size(); ++i)
    cboHistory->addItem(titles[i].empty() ? QFileInfo(QString::fromStdString(files[i])).fileName()
                                          : FromUnicode(titles[i]));
  if (titles.empty()) return;
  const THistoryButtons buttons = HistoryButtonsFor(viewer->HistoryIndex(), int(titles.size()));
  Action("goback")->setEnabled(buttons.Back);
  Action("gofwd")->setEnabled(buttons.Forward);
}

void TTamblinF::cboHistoryClick(int index) {
  const auto& files = viewer->HistoryFiles();
  if (index < 0 || index >= int(files.size())) return;
  const std::string file = files[std::size_t(index)];  // the list changes while it opens
  FLoadingFile = file;
  Guarded([&] { viewer->OpenHtmlFile(file); });
}

// The menu item has toggled its check mark; the list follows it.
void TTamblinF::History1Click() { cboHistory->setVisible(Action("History1")->isChecked()); }

// --- Find.

void TTamblinF::Find1Click() {
  FindDialog1->show();
  FindDialog1->raise();
  FindDialog1->activateWindow();
}

void TTamblinF::FindDialog1Find(const QString& text, bool matchCase) {
  if (!viewer->FindNextText(text.toStdU32String(), matchCase))
    ShowMessage(QStringLiteral("No more %1 found!").arg(text), QStringLiteral("information"));
}

void TTamblinF::FindAgain() {
  if (FindDialog1->FindText().isEmpty())
    Find1Click();
  else
    FindDialog1Find(FindDialog1->FindText(), FindDialog1->MatchCase());
}

// --- Font and colours.

void TTamblinF::FontColors1Click() {
  TFontForm form(FWindowing, this);
  form.SetFaceName(viewer->DefFontName());
  form.SetTextColor(viewer->DefFontColor());
  form.SetTextSize(viewer->DefFontSize());
  form.SetLinkColor(viewer->DefHotSpotColor());
  form.SetBackColor(viewer->DefBackground());
  form.FormShow();
  if (form.exec() == QDialog::Accepted) ApplyFontForm(form);
}

void TTamblinF::ApplyFontForm(const TFontForm& form) {
  viewer->SetDefFontName(form.FaceName());
  viewer->SetDefFontColor(form.TextColor());
  viewer->SetDefFontSize(form.TextSize());
  viewer->SetDefHotSpotColor(form.LinkColor());
  viewer->SetDefBackground(form.BackColor());
  SaveOptions();
  if (!viewer->DocFileName().empty()) goRefreshClick();
}

// --- Help.

void TTamblinF::Contents1Click() {
  const QString help = QDir(ProgramFolder).filePath(QStringLiteral("help.htm"));
  FLoadingFile = help.toStdString();
  viewer->OpenHtmlFile(help.toStdString());
}

void TTamblinF::About1Click() {
  ShowMessage(QStringLiteral("Tamblin %1\nA small, fast browser for local HTML files.")
                  .arg(QStringLiteral(TAMBLIN_VERSION)),
              QStringLiteral("information"));
}

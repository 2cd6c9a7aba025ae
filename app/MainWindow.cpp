#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <exception>
#include <filesystem>

#include "app/FindDialog.h"
#include "app/FontForm.h"
#include "app/SelectionGeometry.h"
#include "app/Shell.h"
#include "app/ToolGlyphs.h"
#include "html/viewer/LinkPath.h"
#include "html/viewer/Viewer.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowing.h"

#ifndef TAMBLIN_VERSION
#define TAMBLIN_VERSION "0"
#endif

namespace {

const QString Caption = QStringLiteral("Tamblin");

// The open dialog's filters; the one for pages comes first after "all supported", as /DO
// chooses it.
QStringList OpenFilters(bool drawsSvg) {
  const QString pages = QStringLiteral("*.htm *.html *.xhtml *.htm.gz *.html.gz *.xhtml.gz");
  const QString text = QStringLiteral("*.txt *.txt.gz");
  const QString pictures = QStringLiteral("*.bmp *.gif *.jpg *.jpeg *.png") +
                           (drawsSvg ? QStringLiteral(" *.svg") : QString());
  return {QStringLiteral("All supported files (%1 %2 %3)").arg(pages, text, pictures),
          QStringLiteral("HTML Files (%1)").arg(pages), QStringLiteral("Text Files (%1)").arg(text),
          QStringLiteral("Graphic Files (%1)").arg(pictures), QStringLiteral("All files (*)")};
}
constexpr int PagesFilter = 1;

// File names are the system's bytes; Qt's strings hold them as the locale says.
std::string PathOf(const QString& name) { return QFile::encodeName(name).toStdString(); }
QString ShownPath(const std::string& path) { return QFile::decodeName(path.c_str()); }

// Asked of the name's own bytes, which a conversion to Qt's strings could change.
TFileState FileStateOf(const std::string& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  return std::filesystem::is_directory(status) ? fsFolder
         : std::filesystem::exists(status)     ? fsFile
                                               : fsMissing;
}

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
  AskYesNo = [this](const QString& question) {
    return QMessageBox::question(this, Caption, question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
  };
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
  FDrawsSvg = QImageReader::supportedImageFormats().contains("svg");
  CreateComponents();
  CreateMenus();
  ConnectViewer();
  qApp->installEventFilter(this);
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
  qApp->removeEventFilter(this);
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
  // The list is made afresh as the history changes: the row opens once the click is over.
  connect(cboHistory, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const int row = cboHistory->row(item);
    QTimer::singleShot(0, this, [this, row] { cboHistoryClick(row); });
  });
  cboHistory->installEventFilter(this);
  FHost = new TQtViewerHost(FWindowing, Splitter1);
  Splitter1->addWidget(cboHistory);
  Splitter1->addWidget(FHost);
  Splitter1->setStretchFactor(1, 1);
  Splitter1->setSizes({153, 527});
  setCentralWidget(Splitter1);
  statusBar()->setObjectName(QStringLiteral("StatusBar1"));

  viewer = std::make_unique<TriruRedu>(FWindowing, FHost->Window());
  viewer->SetViewImages(true);
  viewer->OnFontFamilyKnown = [](const std::string& family) {
    return QFontDatabase::hasFamily(QString::fromStdString(family));
  };
  viewer->SetBorderStyle(htFocused);
  viewer->SetHistoryMaxCount(25);
  viewer->SetNoSelect(false);
  // The first screen of any page at once; the rest loads while the window stays live.
  viewer->SetProgressiveLoading(true);

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
  PopupMenu->addSeparator()->setObjectName(QStringLiteral("MenuItem1"));
  item("OpenInNewWindow", QStringLiteral("&Open in new window"), &TTamblinF::OpenInNewWindowClick);
  item("CopyLinkLocation", QStringLiteral("Copy &link location"),
       &TTamblinF::CopyLinkLocationClick);
  PopupMenu->addSeparator()->setObjectName(QStringLiteral("MenuItem2"));
  item("PopupCopy", QStringLiteral("&Copy"), &TTamblinF::Copy1Click);
  item("PopupSelectAll", QStringLiteral("Select &All"), &TTamblinF::SelectAll1Click);
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
      [this] { Copy1Click(); });
  add(edit, "SelectAll1", QStringLiteral("&Select All"), QKeySequence(Qt::CTRL | Qt::Key_A),
      [this] { SelectAll1Click(); });
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
  QAction* pageStyles = add(options, "UsePageStyles1", QStringLiteral("Use page styles"),
                            QKeySequence(), [this] { UsePageStyles1Click(); });
  pageStyles->setCheckable(true);
  pageStyles->setChecked(true);

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

void TTamblinF::DocumentChanged() {
  setWindowTitle(QString::fromStdString(CaptionFor(viewer->DocTitle(), viewer->DocFileName())));
  const bool shown = !viewer->DocFileName().empty();
  Action("goMark")->setEnabled(shown);
  Action("goRefresh")->setEnabled(shown);
}

// --- Start-up.

void TTamblinF::FormShow(const TCommandLine& commandLine) {
  switch (commandLine.Action) {
    case caStartPage: {
      const QString start = QDir(ProgramFolder).filePath(QStringLiteral("index.htm"));
      // A missing start page is not an error: the window starts empty.
      if (QFileInfo(start).isFile()) OpenByKind(PathOf(start));
      return;
    }
    case caOpen:
      OpenByKind(commandLine.Target.Path, commandLine.Target.Anchor);
      return;
    case caSetFolder:
      FDialogFolder = ShownPath(commandLine.Folder);
      return;
    case caShowOpenDialog: {
      FDialogFolder = ShownPath(commandLine.Folder);
      FDialogFilter = PagesFilter;
      const QString chosen = AskOpenFileName();
      if (!chosen.isEmpty()) OpenChosenFile(chosen);
      return;
    }
    case caNothing:
    case caHelp:
    case caVersion:
    case caError:
      return;
  }
}

void TTamblinF::OpenWhenShown(const TCommandLine& commandLine) {
  FPendingStart = commandLine;
  update();
}

bool TTamblinF::event(QEvent* event) {
  // The first paint is on its way to the screen: what the command line asks for comes after
  // it has gone there.
  if (event->type() == QEvent::Paint && FPendingStart)
    QTimer::singleShot(0, this, [this] {
      if (!FPendingStart) return;
      const TCommandLine commandLine = *FPendingStart;
      FPendingStart.reset();
      FormShow(commandLine);
      if (AfterStart) AfterStart();
    });
  return QMainWindow::event(event);
}

// --- Files.

QString TTamblinF::DialogFolder() const {
  return ShownPath(DialogStartFolder(PathOf(FDialogFolder), viewer->DocFileName(),
                                     PathOf(ProgramFolder), PathOf(QDir::homePath())));
}

QString TTamblinF::RunOpenDialog() {
  QFileDialog dialog(this, QStringLiteral("Open"), DialogFolder());
  dialog.setObjectName(QStringLiteral("OpenDialog1"));
  dialog.setNameFilters(OpenFilters(FDrawsSvg));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  const QStringList filters = dialog.nameFilters();
  dialog.selectNameFilter(filters.value(FDialogFilter));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  FDialogFilter = int(filters.indexOf(dialog.selectedNameFilter()));
  return dialog.selectedFiles().first();
}

QString TTamblinF::RunSaveDialog() {
  QFileDialog dialog(this, QStringLiteral("Save Form Results"), DialogFolder(),
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
  // The next dialog starts where this file was found, however its name was given.
  FDialogFolder = QFileInfo(fileName).absolutePath();
  OpenByKind(PathOf(fileName));
}

void TTamblinF::OpenByKind(const std::string& fileName, const std::string& anchor) {
  const TOpenKind kind = OpenKindOf(fileName, FileStateOf(fileName), FDrawsSvg);
  switch (kind) {
    case okHtml:
      FLoadingFile = fileName;
      Guarded([&] { viewer->OpenHtmlFile(fileName + anchor); });
      break;
    case okText:
    case okImage:
      OpenAs(fileName, DocKindOf(kind));
      break;
    case okFolder:
      OpenAs(FolderName(FullPath(fileName)), dkHtml);
      break;
    case okDesktop:
      FShell.OpenWithDesktop(FullPath(fileName));
      break;
    case okMissing:
      ShowError(QStringLiteral("Can't locate file: ") + ShownPath(fileName));
      break;
  }
}

void TTamblinF::OpenAs(const std::string& fileName, TDocKind kind) {
  FLoadingFile = fileName;
  Guarded([&] {
    switch (kind) {
      case dkHtml:
        viewer->OpenHtmlFile(fileName);
        break;
      case dkText:
        viewer->OpenTextFile(fileName);
        break;
      case dkImage:
        viewer->OpenImageFile(fileName);
        break;
    }
  });
}

void TTamblinF::HandleDroppedFile(const std::string& fileName) {
  if (!fileName.empty()) OpenByKind(fileName);
}

void TTamblinF::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls() && event->mimeData()->urls().first().isLocalFile())
    event->acceptProposedAction();
}

void TTamblinF::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.first().isLocalFile()) return;
  event->acceptProposedAction();
  // From the URL's escapes, which carry the name's bytes whatever they are.
  HandleDroppedFile(UrlToPath(
      urls.first().toEncoded(QUrl::RemoveQuery | QUrl::RemoveFragment).toStdString()));
}

bool TTamblinF::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    if (widget && widget->window() == this &&
        (button == Qt::BackButton || button == Qt::ForwardButton)) {
      if (button == Qt::BackButton)
        goBackClick();
      else
        goFwdClick();
      return true;
    }
  }
  if (watched == cboHistory && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && cboHistory->currentRow() >= 0) {
      cboHistoryClick(cboHistory->currentRow());
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
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
  FHomeFile = viewer->DocFileName();
  FHomeKind = viewer->DocKind();
  Action("goHome")->setEnabled(true);
}

void TTamblinF::goHomeClick() {
  if (!FHomeFile.empty()) OpenAs(FHomeFile, FHomeKind);
}

void TTamblinF::goRefreshClick() {
  FLoadingFile = viewer->DocFileName();
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
  const auto& titles = viewer->HistoryTitles();
  const auto& files = viewer->HistoryFiles();
  FHistoryRows = HistoryRowsFor(files, viewer->HistoryPositions());
  const int current = HistoryRowOf(FHistoryRows, viewer->HistoryIndex());
  cboHistory->clear();
  for (int row = 0; row < int(FHistoryRows.size()); ++row) {
    const std::size_t entry = std::size_t(FHistoryRows[std::size_t(row)].Entry);
    auto* item = new QListWidgetItem(
        QString::fromStdString(DocumentName(titles[entry], files[entry])), cboHistory);
    if (row == current) {
      QFont font = item->font();
      font.setBold(true);
      item->setFont(font);
    }
  }
  cboHistory->setCurrentRow(current);
  if (titles.empty()) return;
  const THistoryButtons buttons = HistoryButtonsFor(viewer->HistoryIndex(), int(titles.size()));
  Action("goback")->setEnabled(buttons.Back);
  Action("gofwd")->setEnabled(buttons.Forward);
}

void TTamblinF::cboHistoryClick(int row) {
  if (row < 0 || row >= int(FHistoryRows.size())) return;
  const std::size_t entry = std::size_t(FHistoryRows[std::size_t(row)].Entry);
  // The list changes while the entry opens.
  const std::string file = viewer->HistoryFiles()[entry];
  OpenAs(file, viewer->HistoryPositions()[entry].FileKind);
}

// The menu item has toggled its check mark; the list follows it, and takes the keyboard when
// it comes.
void TTamblinF::History1Click() {
  const bool shown = Action("History1")->isChecked();
  cboHistory->setVisible(shown);
  if (shown) cboHistory->setFocus();
}

// The page shown is read again with its styles or without, where it stood.
void TTamblinF::UsePageStyles1Click() {
  viewer->SetUsePageStyles(Action("UsePageStyles1")->isChecked());
}

// --- Find.

void TTamblinF::Find1Click() {
  FindDialog1->show();
  FindDialog1->raise();
  FindDialog1->activateWindow();
  PlaceFindDialog();
}

void TTamblinF::FindDialog1Find(const QString& text, bool matchCase) {
  const std::u32string wanted = text.toStdU32String();
  bool found = viewer->FindNextText(wanted, matchCase);
  // Past the last match, as desktop programs do: say so, and go on from the top if wished.
  if (!found && viewer->CaretPos() > 0 &&
      AskYesNo(QStringLiteral("Tamblin has reached the end of the page.\n"
                              "Continue from the top?"))) {
    viewer->SetCaretPos(0);
    found = viewer->FindNextText(wanted, matchCase);
  }
  if (found)
    PlaceFindDialog();
  else
    ShowMessage(QStringLiteral("No more %1 found!").arg(text), QStringLiteral("information"));
}

void TTamblinF::FindAgain() {
  if (FindDialog1->FindText().isEmpty())
    Find1Click();
  else
    FindDialog1Find(FindDialog1->FindText(), FindDialog1->MatchCase());
}

void TTamblinF::PlaceFindDialog() {
  if (!FindDialog1->isVisible()) return;
  const std::optional<QRect> match = SelectionOnScreen(*viewer);
  if (!match) return;
  const QRect frame = FindDialog1->frameGeometry();
  if (!frame.intersects(*match)) return;
  const QRect screen = FindDialog1->screen()->availableGeometry();
  // Below the match when it fits there, else above it; the screen's edges hold it in.
  int top = match->bottom() + 8;
  if (top + frame.height() > screen.bottom()) top = match->top() - 8 - frame.height();
  top = std::clamp(top, screen.top(), std::max(screen.top(), screen.bottom() - frame.height()));
  FindDialog1->move(frame.left(), top);
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
  OpenByKind(PathOf(QDir(ProgramFolder).filePath(QStringLiteral("help.htm"))));
}

void TTamblinF::About1Click() {
  ShowMessage(QStringLiteral("Tamblin %1\nA small, fast browser for local HTML files.")
                  .arg(QStringLiteral(TAMBLIN_VERSION)),
              QStringLiteral("information"));
}

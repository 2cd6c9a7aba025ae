#include "app/MainWindow.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeySequence>
#include <QMessageBox>
#include <QShortcut>
#include <QUrl>

#include <exception>
#include <functional>

#include "app/CommandLine.h"
#include "html/support/Utf8.h"
#include "html/viewer/Viewer.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/QtWindowing.h"

namespace {

const QString Caption = QStringLiteral("Tamblin");

QString FromUnicode(const std::u32string& text) {
  return QString::fromStdString(EncodeUtf8(text));
}

}  // namespace

TMainWindow::TMainWindow(TQtWindowing& windowing) : FWindowing(windowing) {
  setWindowTitle(Caption);
  resize(800, 600);
  FHost = new TQtViewerHost(windowing, this);
  setCentralWidget(FHost);
  FViewer = std::make_unique<TriruRedu>(windowing, FHost->Window());
  FViewer->SetViewImages(true);
  FViewer->SetHistoryMaxCount(25);
  FViewer->OnProcessing = [this](TriruRedu*, bool on) {
    if (!on) UpdateCaption();
  };
  FViewer->OnHistoryChange = [this](TriruRedu*) { UpdateCaption(); };
  FViewer->OnHotSpotClick = [this](TriruRedu*, const std::u32string& src, bool& handled) {
    OpenLinkExternally(src, handled);
  };
  FWindowing.OnException = [this](std::exception_ptr error) {
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      ShowError(QString::fromStdString(e.what()));
    } catch (...) {
      ShowError(QStringLiteral("An unexpected error occurred."));
    }
  };
  AddShortcuts();
  FHost->setFocus();
}

TMainWindow::~TMainWindow() {
  FWindowing.OnException = nullptr;
  FViewer.reset();
}

void TMainWindow::AddShortcuts() {
  auto bind = [this](const QKeySequence& keys, std::function<void()> action) {
    auto* shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this,
            [this, action] { FWindowing.Guarded(action); });
  };
  bind(QKeySequence(Qt::ALT | Qt::Key_Left), [this] { GoBack(); });
  bind(QKeySequence(Qt::ALT | Qt::Key_Right), [this] { GoForward(); });
  bind(QKeySequence::SelectAll, [this] { FViewer->SelectAllText(); });
  bind(QKeySequence::Copy, [this] { FViewer->CopySelectedText(); });
  bind(QKeySequence::Find, [this] { AskAndFind(); });
  bind(QKeySequence(Qt::Key_F3), [this] { FindAgain(); });
}

// History index 0 is the newest page; going back moves to older entries.
void TMainWindow::GoBack() {
  int index = FViewer->HistoryIndex();
  if (index + 1 < int(FViewer->HistoryFiles().size())) FViewer->SetHistoryIndex(index + 1);
}

void TMainWindow::GoForward() {
  int index = FViewer->HistoryIndex();
  if (index > 0) FViewer->SetHistoryIndex(index - 1);
}

void TMainWindow::AskAndFind() {
  bool accepted = false;
  QString text = QInputDialog::getText(this, QStringLiteral("Find"), QStringLiteral("Find what:"),
                                       QLineEdit::Normal, FromUnicode(FFindText), &accepted);
  if (!accepted || text.isEmpty()) return;
  FFindText = text.toStdU32String();
  FindAgain();
}

void TMainWindow::FindAgain() {
  if (FFindText.empty()) {
    AskAndFind();
    return;
  }
  if (!FViewer->FindNextText(FFindText, false))
    QMessageBox::information(this, Caption,
                             QStringLiteral("\"%1\" was not found.").arg(FromUnicode(FFindText)));
}

void TMainWindow::UpdateCaption() {
  const std::u32string& title = FViewer->DocTitle();
  setWindowTitle(title.empty() ? Caption : Caption + QStringLiteral(" - ") + FromUnicode(title));
}

void TMainWindow::ShowError(const QString& message) {
  QMessageBox::critical(this, Caption, message);
}

// Web and mail links belong to the desktop's own programs.
void TMainWindow::OpenLinkExternally(const std::u32string& url, bool& handled) {
  QUrl link(FromUnicode(url));
  const QString scheme = link.scheme().toLower();
  if (scheme == "http" || scheme == "https" || scheme == "ftp" || scheme == "mailto") {
    QDesktopServices::openUrl(link);
    handled = true;
  }
}

void TMainWindow::OpenFromCommandLine(const QString& argument) {
  TCommandLineTarget target = ParseCommandLineTarget(argument.toStdString());
  try {
    if (target.AsText)
      FViewer->OpenTextFile(target.Path);
    else
      FViewer->OpenHtmlFile(target.Path + target.Anchor);
  } catch (const std::exception& error) {
    ShowError(QString::fromStdString(error.what()));
  }
  UpdateCaption();
}

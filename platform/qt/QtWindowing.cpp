#include "platform/qt/QtWindowing.h"

#include "platform/qt/QtControls.h"
#include "platform/qt/QtFormControls.h"
#include "platform/qt/QtGraphics.h"
#include "platform/qt/QtWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QMimeData>
#include <QTimer>

#include <stdexcept>

void TQtClipboard::SetText(std::u32string_view text) {
  QGuiApplication::clipboard()->setText(QString::fromUcs4(text.data(), qsizetype(text.size())));
}

std::optional<std::u32string> TQtClipboard::Text() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasText()) return std::nullopt;
  return data->text().toStdU32String();
}

void TQtClipboard::SetImage(const TBitmap& image) {
  TBitmap copy = image;
  QGuiApplication::clipboard()->setImage(QtImageOf(copy).copy());
}

std::optional<TBitmap> TQtClipboard::Image() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasImage()) return std::nullopt;
  const QImage image = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
  if (image.isNull()) return std::nullopt;
  TBitmap bitmap(image.width(), image.height());
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
    std::uint32_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < image.width(); ++x) row[x] = line[x] | 0xFF000000u;
  }
  return bitmap;
}

TQtWindowing::TQtWindowing(TGraphicsFactory& graphics) : TWindowing(graphics) { FClock.start(); }

namespace {

QWidget& WidgetOf(TWindow& parent) {
  auto* window = dynamic_cast<TQtWindow*>(&parent);
  if (!window) throw std::invalid_argument("the parent window belongs to another platform");
  if (!window->Widget()) throw std::invalid_argument("the parent window's widget is gone");
  return *window->Widget();
}

}  // namespace

std::unique_ptr<TWindow> TQtWindowing::CreateWindow(TWindow& parent) {
  auto* widget = new TQtWindowWidget(*this, &WidgetOf(parent));
  widget->hide();  // also when the parent shows later
  widget->setGeometry(0, 0, 0, 0);
  return std::make_unique<TQtWindow>(widget, true);
}

std::unique_ptr<TScrollBar> TQtWindowing::CreateScrollBar(TWindow& parent, TScrollBarKind kind) {
  return std::make_unique<TQtScrollBar>(*this, &WidgetOf(parent), kind);
}

std::unique_ptr<TTimer> TQtWindowing::CreateTimer() { return std::make_unique<TQtTimer>(*this); }

std::unique_ptr<TFormControlFactory> TQtWindowing::CreateFormControls(TWindow& parent) {
  return std::make_unique<TQtFormControls>(*this, &WidgetOf(parent));
}

TMessageAnswer TQtWindowing::MessageBox(const std::string& text, const std::string& caption,
                                        TMessageKind kind, TMessageButtons buttons) {
  if (OnMessageBox) return OnMessageBox(text, caption, kind, buttons);
  QMessageBox::Icon icon = QMessageBox::Information;
  switch (kind) {
    case mkInformation: icon = QMessageBox::Information; break;
    case mkWarning: icon = QMessageBox::Warning; break;
    case mkError: icon = QMessageBox::Critical; break;
    case mkConfirmation: icon = QMessageBox::Question; break;
  }
  QMessageBox::StandardButtons set = QMessageBox::Ok;
  QMessageBox::StandardButton escape = QMessageBox::Ok;
  switch (buttons) {
    case bsOk: break;
    case bsOkCancel: set = QMessageBox::Ok | QMessageBox::Cancel; escape = QMessageBox::Cancel; break;
    case bsYesNo: set = QMessageBox::Yes | QMessageBox::No; escape = QMessageBox::No; break;
    case bsYesNoCancel:
      set = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
      escape = QMessageBox::Cancel;
      break;
  }
  QMessageBox box(icon, QString::fromStdString(caption), QString::fromStdString(text), set,
                  QApplication::activeWindow());
  box.setEscapeButton(escape);
  box.exec();
  QMessageBox::StandardButton chosen = box.standardButton(box.clickedButton());
  if (chosen == QMessageBox::NoButton) chosen = escape;
  switch (chosen) {
    case QMessageBox::Cancel: return mrCancel;
    case QMessageBox::Yes: return mrYes;
    case QMessageBox::No: return mrNo;
    default: return mrOk;
  }
}

void TQtWindowing::ProcessPendingEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void TQtWindowing::BeginBusy() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void TQtWindowing::EndBusy() { QApplication::restoreOverrideCursor(); }

void TQtWindowing::Report(std::exception_ptr error) noexcept {
  try {
    if (OnException) {
      OnException(error);
      return;
    }
    QString message = QStringLiteral("Unknown error");
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      message = QString::fromUtf8(e.what());
    } catch (...) {
    }
    // Not from inside the handler that failed, which may be a paint.
    QTimer::singleShot(0, qApp, [message] {
      QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), message);
    });
  } catch (...) {
    // Nothing may leave a handler called by Qt; a failing report is dropped.
  }
}

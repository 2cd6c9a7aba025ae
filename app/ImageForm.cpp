#include "app/ImageForm.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// The share of the available area a picture window may take, leaving room for its frame and
// for a glimpse of what lies behind it.
constexpr double ScreenShare = 0.9;

// The client size for a picture in a window of at most room: the picture's own size when it
// fits; else cut to room, with space for the scroll bar that a cut in one direction brings
// into the other.
QSize FittedSize(QSize picture, QSize room, int barBreadth) {
  QSize size = picture;
  const bool wide = size.width() > room.width();
  if (wide) size = {room.width(), size.height() + barBreadth};
  if (size.height() > room.height()) {
    size.setHeight(room.height());
    if (!wide) size.setWidth(std::min(size.width() + barBreadth, room.width()));
  }
  return size;
}

}  // namespace

TImageForm::TImageForm(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle(QStringLiteral("ImageForm"));
  setAttribute(Qt::WA_DeleteOnClose);
  resize(227, 234);
  Image1 = new QLabel;
  FScroll = new QScrollArea(this);
  FScroll->setFrameShape(QFrame::NoFrame);
  FScroll->setAlignment(Qt::AlignCenter);
  FScroll->setWidget(Image1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(FScroll);
}

void TImageForm::SetImageBitmap(const QImage& picture) {
  FPicture = picture.copy();
  Image1->setPixmap(QPixmap::fromImage(FPicture));
  Image1->resize(FPicture.size());

  const QScreen* screen =
      parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  if (!screen) {
    resize(FPicture.size());
    return;
  }
  const QRect area = screen->availableGeometry();
  const QSize room = (QSizeF(area.size()) * ScreenShare).toSize();
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, FScroll);
  const QSize size = FittedSize(FPicture.size(), room, bar);
  resize(size);
  move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

void TImageForm::keyPressEvent(QKeyEvent* event) {
  const QKeyCombination keys = event->keyCombination();
  if (keys == QKeyCombination(Qt::Key_Escape) || keys == QKeyCombination(Qt::CTRL, Qt::Key_W))
    close();
  else
    QWidget::keyPressEvent(event);
}

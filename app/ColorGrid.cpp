#include "app/ColorGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

QColor ToQColor(TColor color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }

// Marker text stays readable on any cell: each component flips to its far end.
QColor Contrast(TColor color) {
  auto flip = [](int component) { return component >= 128 ? 0 : 255; };
  return QColor(flip(RedOf(color)), flip(GreenOf(color)), flip(BlueOf(color)));
}

}  // namespace

TColorGrid::TColorGrid(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  resize(100, 100);
  FModel.OnChange = [this] {
    update();
    if (OnChange) OnChange();
  };
  FModel.OnClick = [this] {
    if (OnClick) OnClick();
  };
}

QRect TColorGrid::CellRect(int index) const {
  const int columns = FModel.Columns();
  return QRect(index % columns * CellWidth(), index / columns * CellHeight(), CellWidth(),
               CellHeight());
}

void TColorGrid::resizeEvent(QResizeEvent*) {
  // The grid trims itself to whole cells.
  if (FTrimming) return;
  const QSize whole(CellWidth() * FModel.Columns(), CellHeight() * FModel.Rows());
  if (whole != size() && !whole.isEmpty()) {
    FTrimming = true;
    resize(whole);
    FTrimming = false;
  }
}

void TColorGrid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette& colours = palette();
  painter.fillRect(rect(), colours.color(QPalette::Button));
  for (int i = 0; i < TColorGridModel::CellCount; ++i) {
    const QRect cell = CellRect(i);
    // A two-pixel sunken frame inside the button-face rectangle, then the colour.
    const QRect frame = cell.adjusted(1, 1, -1, -1);
    painter.fillRect(frame, colours.color(QPalette::Dark));
    painter.fillRect(frame.adjusted(2, 2, 0, 0), colours.color(QPalette::Light));
    painter.fillRect(frame.adjusted(2, 2, -2, -2), ToQColor(GridColor(i)));
  }
  if (hasFocus()) {
    // A dotted focus mark inside the cell with the keyboard cursor.
    painter.setPen(QPen(Contrast(GridColor(FModel.Selection)), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(CellRect(FModel.Selection).adjusted(4, 4, -5, -5));
  }
  QFont font = painter.font();
  font.setPixelSize(std::max(8, CellHeight() / 3));
  font.setBold(true);
  painter.setFont(font);
  auto marker = [&](int index, const QString& text) {
    if (index < 0 || index >= TColorGridModel::CellCount) return;
    painter.setPen(Contrast(GridColor(index)));
    painter.drawText(CellRect(index), Qt::AlignCenter, text);
  };
  const int fg = FModel.ForegroundIndex();
  const int bg = FModel.BackgroundIndex();
  const bool both = FModel.ForegroundEnabled && FModel.BackgroundEnabled && fg == bg;
  if (FModel.ForegroundEnabled) marker(fg, both ? QStringLiteral("FB") : QStringLiteral("FG"));
  if (FModel.BackgroundEnabled && !both) marker(bg, QStringLiteral("BG"));
}

void TColorGrid::mousePressEvent(QMouseEvent* event) {
  FDragging = true;
  FLeftDrag = event->button() == Qt::LeftButton;
  const QPoint at = event->position().toPoint();
  FModel.Press(FLeftDrag, FModel.CellAt(at.x(), at.y(), width(), height()));
  if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
  update();
}

void TColorGrid::mouseMoveEvent(QMouseEvent* event) {
  if (!FDragging) return;
  const QPoint at = event->position().toPoint();
  FModel.Press(FLeftDrag, FModel.CellAt(at.x(), at.y(), width(), height()));
  update();
}

void TColorGrid::mouseReleaseEvent(QMouseEvent*) {
  if (!FDragging) return;
  FDragging = false;
  if (!FLeftDrag && OnClick) OnClick();
}

void TColorGrid::keyPressEvent(QKeyEvent* event) {
  TGridKey key = gkOther;
  switch (event->key()) {
    case Qt::Key_Right:
      key = gkRight;
      break;
    case Qt::Key_Left:
      key = gkLeft;
      break;
    case Qt::Key_Up:
      key = gkUp;
      break;
    case Qt::Key_Down:
      key = gkDown;
      break;
    case Qt::Key_Home:
      key = gkHome;
      break;
    case Qt::Key_End:
      key = gkEnd;
      break;
    case Qt::Key_Space:
      key = gkSpace;
      break;
    case Qt::Key_B:
      key = gkLetterB;
      break;
    case Qt::Key_F:
      key = gkLetterF;
      break;
    default:
      break;
  }
  if (FModel.Key(key)) {
    update();
    event->accept();
  } else {
    QWidget::keyPressEvent(event);
  }
}

void TColorGrid::focusInEvent(QFocusEvent* event) {
  update();
  QWidget::focusInEvent(event);
}

void TColorGrid::focusOutEvent(QFocusEvent* event) {
  update();
  QWidget::focusOutEvent(event);
}

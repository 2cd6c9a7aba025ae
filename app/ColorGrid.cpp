#include "app/ColorGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include "platform/qt/QtGeometry.h"

namespace {

QColor ToQColor(TColor color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }

// A one-pixel line just inside the rectangle. The four strips do not overlap, so an
// inverting outline inverts every pixel once.
void Outline(QPainter& painter, const TRect& rect, const QColor& colour) {
  if (rect.IsEmpty()) return;
  const QRect r = QtRect(rect);
  painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), colour);
  if (r.height() > 1) painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), colour);
  if (r.height() > 2) {
    painter.fillRect(QRect(r.left(), r.top() + 1, 1, r.height() - 2), colour);
    if (r.width() > 1) painter.fillRect(QRect(r.right(), r.top() + 1, 1, r.height() - 2), colour);
  }
}

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

void TColorGrid::SetGridOrdering(TGridOrdering ordering) {
  FModel.GridOrdering = ordering;
  // The grid trims itself to whole cells of the new shape.
  QResizeEvent event(size(), size());
  resizeEvent(&event);
  update();
}

QRect TColorGrid::CellRect(int index) const {
  return QtRect(FModel.CellRect(index, width(), height()));
}

void TColorGrid::SetLook3D(bool on) {
  FLook3D = on;
  update();
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
  for (int i = 0; i < TColorGridModel::CellCount; ++i) DrawCell(painter, i, false);
  if (hasFocus()) DrawCell(painter, FModel.Selection, true);
  DrawMarkers(painter);
}

void TColorGrid::DrawCell(QPainter& painter, int index, bool highlighted) {
  if (index < 0 || index >= TColorGridModel::CellCount) return;
  const TCellParts parts = FModel.CellParts(index, width(), height(), FLook3D);
  const QColor colour = ToQColor(GridColor(index));
  if (FLook3D) {
    // Button face, then a sunken frame: shadow at top and left, highlight at bottom and right.
    const QPalette& colours = palette();
    const QRect frame = QtRect(parts.Frame);
    painter.fillRect(QtRect(parts.Cell), colours.color(QPalette::Button));
    painter.fillRect(frame, colours.color(QPalette::Dark));
    painter.fillRect(frame.adjusted(2, 2, 0, 0), colours.color(QPalette::Light));
    painter.fillRect(QtRect(parts.Colour), colour);
    if (highlighted) {
      // Dotted, in the marker's contrast colour so it shows on every cell.
      painter.setPen(QPen(Contrast(GridColor(index)), 1, Qt::DotLine));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(QtRect(parts.Focus).adjusted(0, 0, -1, -1));
    }
    return;
  }
  Outline(painter, parts.Frame, Qt::black);
  painter.fillRect(QtRect(parts.Colour), colour);
  if (highlighted) {
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    Outline(painter, parts.Frame, Qt::black);  // the colour is ignored: the pixels invert
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    Outline(painter, parts.Focus, Qt::black);
  }
}

void TColorGrid::DrawMarkers(QPainter& painter) {
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

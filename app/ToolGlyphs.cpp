#include "app/ToolGlyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int Size = 32;  // drawn large, shown at the tool bar's size

void DrawArrow(QPainter& painter, bool left) {
  QPolygonF arrow({{4, 16}, {15, 5}, {15, 11}, {28, 11}, {28, 21}, {15, 21}, {15, 27}});
  if (!left)
    for (QPointF& point : arrow) point.setX(Size - point.x());
  painter.setBrush(QColor(46, 125, 50));
  painter.drawPolygon(arrow);
}

void Draw(QPainter& painter, TToolGlyph glyph) {
  painter.setPen(QPen(QColor(40, 40, 40), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  switch (glyph) {
    case tgOpen: {
      painter.setBrush(QColor(240, 196, 80));
      painter.drawPolygon(QPolygonF({{3, 8}, {12, 8}, {15, 11}, {28, 11}, {28, 26}, {3, 26}}));
      painter.setBrush(QColor(252, 224, 128));
      painter.drawPolygon(QPolygonF({{3, 26}, {8, 15}, {31, 15}, {28, 26}}));
      break;
    }
    case tgMark: {
      painter.setBrush(QColor(200, 40, 40));
      painter.drawPolygon(QPolygonF({{9, 3}, {23, 3}, {23, 29}, {16, 22}, {9, 29}}));
      break;
    }
    case tgHome: {
      painter.setBrush(QColor(70, 110, 190));
      painter.drawPolygon(
          QPolygonF({{16, 3}, {30, 16}, {26, 16}, {26, 29}, {6, 29}, {6, 16}, {2, 16}}));
      painter.setBrush(QColor(250, 250, 250));
      painter.drawRect(QRectF(13, 19, 6, 10));
      break;
    }
    case tgRefresh: {
      painter.setBrush(Qt::NoBrush);
      painter.setPen(QPen(QColor(30, 100, 170), 4, Qt::SolidLine, Qt::FlatCap));
      painter.drawArc(QRectF(6, 6, 20, 20), 60 * 16, 280 * 16);
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(30, 100, 170));
      painter.drawPolygon(QPolygonF({{17, 1}, {26, 7}, {17, 13}}));
      break;
    }
    case tgBack:
    case tgForward:
      DrawArrow(painter, glyph == tgBack);
      break;
  }
}

}  // namespace

QIcon ToolGlyph(TToolGlyph glyph) {
  QPixmap pixmap(Size, Size);
  pixmap.fill(Qt::transparent);
  {
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    Draw(painter, glyph);
  }
  // Qt greys the picture itself for a disabled button.
  return QIcon(pixmap);
}

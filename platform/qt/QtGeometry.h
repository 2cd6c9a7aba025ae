#pragma once
// Rectangles between the engine's form (right and bottom edges exclusive) and Qt's (a size).

#include <QRect>

#include <algorithm>

#include "platform/Geometry.h"

inline TRect RectOf(const QRect& rect) {
  return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

inline QRect QtRect(const TRect& rect) {
  return QRect(rect.Left, rect.Top, std::max(rect.Width(), 0), std::max(rect.Height(), 0));
}

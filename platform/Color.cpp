#include "platform/Color.h"

TColor TSystemColors::Resolve(TColor color) const {
  if (!IsSystemColor(color)) return color & 0xFFFFFF;
  const TColor index = color & 0xFF;
  if (index >= SystemColorCount) return clBlack;
  return Value(TSystemColorIndex(index)) & 0xFFFFFF;
}

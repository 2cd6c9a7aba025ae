#include "platform/Graphics.h"

TFontFace& TGraphicsFactory::Face(const TFontDesc& font) {
  TFaceKey key{font.Name, font.Size, font.Style, font.CharSet};
  auto found = FFaces.find(key);
  if (found == FFaces.end()) found = FFaces.emplace(std::move(key), RealiseFont(font)).first;
  return *found->second;
}

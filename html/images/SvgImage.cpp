#include "html/images/SvgImage.h"

#include <algorithm>
#include <array>
#include <string>

#include "html/images/ImageCache.h"
#include "html/images/ImageObj.h"
#include "html/images/ScreenColors.h"
#include "html/images/SvgRoot.h"
#include "html/parser/Entities.h"
#include "html/support/Utf8.h"
#include "platform/Bitmap.h"
#include "platform/SvgRenderer.h"

namespace {

// The cache key of an inline picture: a NUL, which no file name holds and every host source
// loses when its ends are trimmed, then the colour and the source's bytes.
std::u32string InlineKey(const std::string& source, TColor color) {
  return std::u32string{U'\0', char32_t(color & 0xFFFFFF)} + FileKey(source);
}

bool IsNameChar(char32_t c) {
  return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9');
}

// The markup as XML: named references beyond XML's own become numeric; an ampersand that
// starts no reference, or one to a name HTML does not know, stands for itself.
std::string AsXml(std::u32string_view markup) {
  static constexpr std::array<std::u32string_view, 5> XmlNames{U"amp", U"lt", U"gt", U"quot",
                                                               U"apos"};
  std::u32string text;
  text.reserve(markup.size());
  for (std::size_t pos = 0; pos < markup.size(); ++pos) {
    if (markup[pos] != U'&') {
      text += markup[pos];
      continue;
    }
    std::size_t end = pos + 1;
    if (end < markup.size() && markup[end] == U'#') {
      text += U'&';
      continue;
    }
    while (end < markup.size() && IsNameChar(markup[end])) ++end;
    const std::u32string_view name = markup.substr(pos + 1, end - pos - 1);
    if (end < markup.size() && markup[end] == U';' && !name.empty()) {
      if (std::find(XmlNames.begin(), XmlNames.end(), name) != XmlNames.end()) {
        text += U'&';
        continue;
      }
      std::string reference(name.begin(), name.end());  // name characters are ASCII
      reference += ';';
      if (const std::optional<TEntityMatch> match = MatchEntity(reference);
          match && match->Length == reference.size()) {
        for (const char32_t character : {match->First, match->Second}) {
          if (!character) continue;
          for (const char c : "&#" + std::to_string(std::uint32_t(character)) + ";")
            text += char32_t(c);
        }
        pos = end;
        continue;
      }
    }
    text += U"&amp;";
  }
  return EncodeUtf8(text);
}

TImageBytes BytesOf(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

TDecodedImage DecodeSvg(TImageBytes data, const TSvgRenderer* renderer, TColor color,
                        TTransparency& transparency) {
  TDecodedImage result;
  if (!renderer) return result;
  const std::optional<TSvgSize> size = SvgPictureSize(data);
  if (!size) return result;
  result.Bitmap = renderer->Render(data, size->Width, size->Height, color & 0xFFFFFF);
  if (!result.Bitmap || result.Bitmap->Width() != size->Width ||
      result.Bitmap->Height() != size->Height)
    return {};
  if (result.Bitmap->HasAlpha())
    transparency = trAlpha;
  else if (transparency == trLowerLeft)
    result.Mask = MakeTransparencyMask(*result.Bitmap);
  ConvertToScreenBitmap(*result.Bitmap);
  return result;
}

TLoadedImage LoadInlineSvg(const TSvgRenderer& renderer, const std::string& source,
                           TColor color, TTransparency& transparency) {
  const std::u32string key = InlineKey(source, color);
  if (TBitmapItem* item = ImageCache().Find(key)) return TakeCachedImage(*item, key, transparency);
  TDecodedImage decoded = DecodeSvg(BytesOf(source), &renderer, color, transparency);
  if (decoded.Empty()) return {};
  return CacheImage(key, std::move(decoded), transparency);
}

std::unique_ptr<TImageObj> MakeInlineSvgImage(std::u32string_view markup, TColor textColor) {
  auto image = std::make_unique<TImageObj>(TAttributeList());
  image->SvgSource = AsXml(markup);
  image->SvgColor = textColor;
  if (const std::optional<TSvgSize> size = SvgPictureSize(BytesOf(image->SvgSource))) {
    image->SpecWidth = size->Width;
    image->SpecHeight = size->Height;
  }
  return image;
}

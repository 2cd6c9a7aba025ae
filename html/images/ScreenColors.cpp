#include "html/images/ScreenColors.h"

#include <algorithm>
#include <array>
#include <memory>
#include <unordered_map>

#include "platform/Bitmap.h"

namespace {

struct TDisplayState {
  int ColorBits = 24;
  std::unique_ptr<TPalette> Palette;  // only in 8-bit mode
};

TDisplayState& Display() {
  static TDisplayState state;
  return state;
}

// The static colours of the system palette that the shared palette keeps: indexes 0..9 and
// 246..255 (246..248 are then overwritten by greys).
constexpr std::array<TColor, 10> LowSystemColors = {
    Rgb(0, 0, 0),       Rgb(128, 0, 0),     Rgb(0, 128, 0),   Rgb(128, 128, 0),
    Rgb(0, 0, 128),     Rgb(128, 0, 128),   Rgb(0, 128, 128), Rgb(192, 192, 192),
    Rgb(192, 220, 192), Rgb(166, 202, 240)};
constexpr std::array<TColor, 10> HighSystemColors = {
    Rgb(255, 251, 240), Rgb(160, 160, 164), Rgb(128, 128, 128), Rgb(255, 0, 0),
    Rgb(0, 255, 0),     Rgb(255, 255, 0),   Rgb(0, 0, 255),     Rgb(255, 0, 255),
    Rgb(0, 255, 255),   Rgb(255, 255, 255)};

}  // namespace

int DisplayColorBits() { return Display().ColorBits; }

void SetDisplayColorBits(int bits) {
  TDisplayState& state = Display();
  state.ColorBits = bits <= 4 ? 4 : bits <= 8 ? 8 : 24;
  if (state.ColorBits == 8)
    state.Palette = std::make_unique<TPalette>(BuildSharedPalette());
  else
    state.Palette.reset();
}

const TPalette* SharedPalette() { return Display().Palette.get(); }

TPalette BuildSharedPalette() {
  TPalette palette;
  palette.Entries.assign(256, clBlack);
  for (std::size_t i = 0; i < LowSystemColors.size(); ++i) palette.Entries[i] = LowSystemColors[i];
  for (std::size_t i = 0; i < HighSystemColors.size(); ++i)
    palette.Entries[246 + i] = HighSystemColors[i];
  constexpr std::array<std::uint8_t, 6> levels = {55, 115, 165, 205, 235, 255};
  std::size_t index = 10;
  for (const std::uint8_t blue : levels)
    for (const std::uint8_t green : levels)
      for (const std::uint8_t red : levels) {
        if (red == 255 && green == 255 && blue == 255) continue;
        palette.Entries[index++] = Rgb(red, green, blue);
      }
  for (int i = 1; i <= 24; ++i) {
    const auto level = std::uint8_t(130 + 5 * i);
    palette.Entries[std::size_t(224 + i)] = Rgb(level, level, level);
  }
  return palette;
}

int NearestColorIndex(const TPalette& palette, TColor color) {
  int best = 0;
  long bestDistance = -1;
  for (std::size_t i = 0; i < palette.Entries.size(); ++i) {
    const TColor entry = palette.Entries[i];
    const long red = long(RedOf(entry)) - RedOf(color);
    const long green = long(GreenOf(entry)) - GreenOf(color);
    const long blue = long(BlueOf(entry)) - BlueOf(color);
    const long distance = red * red + green * green + blue * blue;
    if (bestDistance < 0 || distance < bestDistance) {
      best = int(i);
      bestDistance = distance;
    }
  }
  return best;
}

namespace {

// The colour a premultiplied word stands for, before its alpha (above 0) was applied.
TColor Unpremultiplied(std::uint32_t word, std::uint32_t alpha) {
  const auto channel = [&](int shift) {
    return std::uint8_t(std::min<std::uint32_t>(((word >> shift & 0xFF) * 255 + alpha / 2) / alpha, 255));
  };
  return Rgb(channel(16), channel(8), channel(0));
}

}  // namespace

void MapToPalette(TBitmap& bitmap, const TPalette& palette) {
  if (palette.Entries.empty() || bitmap.Monochrome()) return;
  const auto nearest = [&palette](TColor color) {
    return palette.Entries[std::size_t(NearestColorIndex(palette, color))];
  };
  // Pictures repeat few colours, so each distinct colour is looked up once.
  std::unordered_map<std::uint32_t, std::uint32_t> mapped;
  for (int y = 0; y < bitmap.Height(); ++y) {
    std::uint32_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      auto [found, added] = mapped.try_emplace(row[x], 0);
      if (added) {
        const std::uint32_t alpha = bitmap.HasAlpha() ? row[x] >> 24 : 255;
        if (alpha == 255)
          found->second = TBitmap::ToWord(nearest(TBitmap::FromWord(row[x])));
        else if (alpha == 0)
          found->second = row[x];
        else  // a partly transparent pixel keeps its alpha over the nearest colour
          found->second =
              TBitmap::PremultipliedWord(nearest(Unpremultiplied(row[x], alpha)), std::uint8_t(alpha));
      }
      row[x] = found->second;
    }
  }
}

void ConvertToScreenBitmap(TBitmap& bitmap) {
  if (const TPalette* palette = SharedPalette()) MapToPalette(bitmap, *palette);
}

#pragma once
// Fonts: what a font is (TFontDesc, TFont) and how a realised font measures (TFontFace).
//
// Sizes are in points; a font of s points is drawn round(s * 96 / 72) pixels high
// (PointsToPixels in Screen.h) whatever the screen says. All metrics and advances are
// whole device pixels.

#include "platform/Color.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

// A set of style bits.
using TFontStyles = std::uint8_t;
constexpr TFontStyles fsBold = 1;
constexpr TFontStyles fsItalic = 2;
constexpr TFontStyles fsUnderline = 4;
constexpr TFontStyles fsStrikeOut = 8;

// The character set codes the system knows; the value is kept and passed on, but text is
// Unicode, so it changes nothing about which glyphs are drawn.
constexpr int DefaultCharSet = 1;

// Everything that describes a font, as a plain value.
struct TFontDesc {
  std::string Name = "Arial";  // face name, handed to the font system unchanged
  int Size = 10;               // points
  TFontStyles Style = 0;
  TColor Color = clBlack;      // the text colour the font draws in
  int CharSet = DefaultCharSet;
  friend bool operator==(const TFontDesc&, const TFontDesc&) = default;
};

// The platform font object: a TFontDesc with a change notification. Document fonts derive
// from it. Copying copies the description, never the handler.
class TFont {
public:
  TFont() = default;
  explicit TFont(TFontDesc desc) : FDesc(std::move(desc)) {}
  TFont(const TFont& other) : FDesc(other.FDesc) {}
  TFont& operator=(const TFont& other);
  virtual ~TFont() = default;

  // Called after any property actually changes value (and once after an Assign that
  // changed something). Not owned beyond the std::function itself.
  std::function<void()> OnChange;

  const TFontDesc& Desc() const { return FDesc; }
  const std::string& Name() const { return FDesc.Name; }
  int Size() const { return FDesc.Size; }
  TFontStyles Style() const { return FDesc.Style; }
  TColor Color() const { return FDesc.Color; }
  int CharSet() const { return FDesc.CharSet; }

  void SetName(const std::string& name);
  void SetSize(int points);
  void SetStyle(TFontStyles style);
  void SetColor(TColor color);
  void SetCharSet(int charSet);
  // Replaces the whole description at once.
  void SetDesc(const TFontDesc& desc);

  // Copies the source's description. Derived fonts extend it to copy their own fields.
  virtual void Assign(const TFont& source);

private:
  // Sets one field of the description, notifying only when its value changes.
  template <typename T>
  void Change(T TFontDesc::*field, const T& value) {
    if (FDesc.*field == value) return;
    FDesc.*field = value;
    if (OnChange) OnChange();
  }

  TFontDesc FDesc;
};

// Metrics of a realised font, in pixels. Height = Ascent + Descent.
struct TTextMetrics {
  int Height = 0;
  int Ascent = 0;           // baseline to the top of the tallest glyphs
  int Descent = 0;          // baseline to the bottom of the lowest glyphs
  int ExternalLeading = 0;  // space the font suggests between lines
  int Overhang = 0;         // extra width synthesized styles add to every string (always 0 here)
  int AveCharWidth = 0;
};

// A font realised by a platform, made and owned by the graphics factory (TGraphicsFactory::
// Face), shared by everything that uses the same description. The advance of each character
// is asked of the platform once and kept, so measuring a string costs one table lookup per
// character and never shapes text. The width of a string is the sum of its characters'
// advances: no kerning, no ligatures.
class TFontFace {
public:
  explicit TFontFace(const TTextMetrics& metrics) : FMetrics(metrics) { FLatin.fill(-1); }
  virtual ~TFontFace() = default;
  TFontFace(const TFontFace&) = delete;
  TFontFace& operator=(const TFontFace&) = delete;

  const TTextMetrics& Metrics() const { return FMetrics; }
  // Inline for the first 256 characters once measured: most text is made of them, and
  // callers that keep text in other forms than UTF-32 measure it a character at a time.
  int Advance(char32_t ch) {
    if (ch < FLatin.size() && FLatin[ch] >= 0) return FLatin[ch];
    return FirstAdvance(ch);
  }
  int TextWidth(std::u32string_view text);

protected:
  // The platform's advance of one character; called at most once per character.
  virtual int MeasureAdvance(char32_t ch) = 0;

private:
  // Advance for a character not yet in FLatin.
  int FirstAdvance(char32_t ch);

  TTextMetrics FMetrics;
  std::array<int, 256> FLatin;  // advances of U+0000..U+00FF, -1 until measured
  std::unordered_map<char32_t, int> FOthers;
};

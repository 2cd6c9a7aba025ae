#pragma once
// The document font: a platform font whose size follows the document's default size.

#include "platform/Font.h"

class TSectionList;

// n * numerator / denominator rounded to nearest (halves away from zero), computed without
// overflow and clamped to the int range.
int MulDiv(int n, int numerator, int denominator);

// The size in points of a font of this scale (twelfths of the default size): the document's
// FontSize * scale / 12, rounded, kept within 1 .. MaxFontPoints so absurd sizes cannot
// overflow the layout arithmetic.
inline constexpr int MaxFontPoints = 32767;
int ScaledFontSize(int fontSize, int scale);

class TMyFont : public TFont {
 public:
  TMyFont() = default;
  explicit TMyFont(TFontDesc desc, int scale = 12, bool fixed = false)
      : TFont(std::move(desc)), Scale(scale), Fixed(fixed) {}
  TMyFont(const TMyFont& other) = default;
  TMyFont& operator=(const TMyFont& other);

  int Scale = 12;      // size in twelfths of the document's default size
  bool Fixed = false;  // uses the document's fixed-pitch face

  // Copies Scale and Fixed when the source is a TMyFont, then the platform attributes.
  void Assign(const TFont& source) override;
  // Stores the scale and sets the size from the document's FontSize.
  void SetScale(const TSectionList& document, int scale);
  // Face, character set and size from the document's defaults; colour as given, marked as a
  // document colour.
  void ApplyDocument(const TSectionList& document, TColor color);
};

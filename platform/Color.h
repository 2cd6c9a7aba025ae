#pragma once
// Colours.
//
// A TColor is a 32-bit value: red in the low byte, then green, then blue. Two kinds of
// value carry extra bits:
// - PaletteRelative (bit 25, 0x02000000) marks a colour taken from a document. It changes
//   nothing on a true-colour surface; drawing ignores it.
// - A system colour is SystemColorFlag (0x80000000) plus the index of a desktop colour
//   (button face, window text, ...). It stays symbolic in documents and settings and is
//   turned into red, green and blue only when drawn, through a TSystemColors, so a change
//   of the desktop theme shows on the next paint.

#include <cstdint>

using TColor = std::uint32_t;

constexpr TColor PaletteRelative = 0x02000000;
constexpr TColor SystemColorFlag = 0x80000000;

constexpr TColor Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return TColor(red) | TColor(green) << 8 | TColor(blue) << 16;
}
constexpr std::uint8_t RedOf(TColor color) { return color & 0xFF; }
constexpr std::uint8_t GreenOf(TColor color) { return color >> 8 & 0xFF; }
constexpr std::uint8_t BlueOf(TColor color) { return color >> 16 & 0xFF; }
constexpr bool IsSystemColor(TColor color) { return (color & SystemColorFlag) != 0; }

// The named colours with a fixed value.
constexpr TColor clBlack = Rgb(0, 0, 0);
constexpr TColor clMaroon = Rgb(128, 0, 0);
constexpr TColor clGreen = Rgb(0, 128, 0);
constexpr TColor clOlive = Rgb(128, 128, 0);
constexpr TColor clNavy = Rgb(0, 0, 128);
constexpr TColor clPurple = Rgb(128, 0, 128);
constexpr TColor clTeal = Rgb(0, 128, 128);
constexpr TColor clGray = Rgb(128, 128, 128);
constexpr TColor clSilver = Rgb(192, 192, 192);
constexpr TColor clRed = Rgb(255, 0, 0);
constexpr TColor clLime = Rgb(0, 255, 0);
constexpr TColor clYellow = Rgb(255, 255, 0);
constexpr TColor clBlue = Rgb(0, 0, 255);
constexpr TColor clFuchsia = Rgb(255, 0, 255);
constexpr TColor clAqua = Rgb(0, 255, 255);
constexpr TColor clWhite = Rgb(255, 255, 255);

// The desktop colours, by index.
enum TSystemColorIndex : int {
  sciScrollBar, sciBackground, sciActiveCaption, sciInactiveCaption, sciMenu, sciWindow,
  sciWindowFrame, sciMenuText, sciWindowText, sciCaptionText, sciActiveBorder,
  sciInactiveBorder, sciAppWorkSpace, sciHighlight, sciHighlightText, sciBtnFace,
  sciBtnShadow, sciGrayText, sciBtnText, sciInactiveCaptionText, sciBtnHighlight,
  sci3DDkShadow, sci3DLight, sciInfoText, sciInfoBk,
  SystemColorCount
};

constexpr TColor SystemColor(TSystemColorIndex index) { return SystemColorFlag | TColor(index); }

constexpr TColor clScrollBar = SystemColor(sciScrollBar);
constexpr TColor clBackground = SystemColor(sciBackground);
constexpr TColor clActiveCaption = SystemColor(sciActiveCaption);
constexpr TColor clInactiveCaption = SystemColor(sciInactiveCaption);
constexpr TColor clMenu = SystemColor(sciMenu);
constexpr TColor clWindow = SystemColor(sciWindow);
constexpr TColor clWindowFrame = SystemColor(sciWindowFrame);
constexpr TColor clMenuText = SystemColor(sciMenuText);
constexpr TColor clWindowText = SystemColor(sciWindowText);
constexpr TColor clCaptionText = SystemColor(sciCaptionText);
constexpr TColor clActiveBorder = SystemColor(sciActiveBorder);
constexpr TColor clInactiveBorder = SystemColor(sciInactiveBorder);
constexpr TColor clAppWorkSpace = SystemColor(sciAppWorkSpace);
constexpr TColor clHighlight = SystemColor(sciHighlight);
constexpr TColor clHighlightText = SystemColor(sciHighlightText);
constexpr TColor clBtnFace = SystemColor(sciBtnFace);
constexpr TColor clBtnShadow = SystemColor(sciBtnShadow);
constexpr TColor clGrayText = SystemColor(sciGrayText);
constexpr TColor clBtnText = SystemColor(sciBtnText);
constexpr TColor clInactiveCaptionText = SystemColor(sciInactiveCaptionText);
constexpr TColor clBtnHighlight = SystemColor(sciBtnHighlight);
constexpr TColor cl3DDkShadow = SystemColor(sci3DDkShadow);
constexpr TColor cl3DLight = SystemColor(sci3DLight);
constexpr TColor clInfoText = SystemColor(sciInfoText);
constexpr TColor clInfoBk = SystemColor(sciInfoBk);

// Answers the current value of each desktop colour. Owned by the graphics factory.
class TSystemColors {
public:
  virtual ~TSystemColors() = default;

  // Red, green and blue of the desktop colour with this index (no flag bits).
  virtual TColor Value(TSystemColorIndex index) const = 0;

  // The plain red, green and blue a colour value draws as: a system colour is looked up
  // (an unknown index draws black), any other value keeps its low 24 bits.
  TColor Resolve(TColor color) const;
};

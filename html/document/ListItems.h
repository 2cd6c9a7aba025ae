#pragma once
// List items: text sections whose first line carries a bullet or a number.

#include <string>

#include "html/document/Section.h"

class TCanvas;

// An item of UL, DIR or MENU: a small circle left of the text unless NoBullet.
class TUListItem : public TSection {
 public:
  TUListItem(TFontTable& fonts, int level, const TUrlTarget* link, const TMyFont& font,
             TFontStyles currentStyle = 0);

  bool NoBullet = false;  // the list shows no bullets (UL PLAIN)

  const char* KindName() const override { return "TUListItem"; }
};

// An item of DL: indented like a list item, no marker.
class TDListItem : public TUListItem {
 public:
  TDListItem(TFontTable& fonts, int level, const TUrlTarget* link, const TMyFont& font,
             TFontStyles currentStyle = 0);

  const char* KindName() const override { return "TDListItem"; }
};

// An item of OL, labelled by ListNumber in NumberStyle.
class TOListItem : public TUListItem {
 public:
  TOListItem(TFontTable& fonts, int level, const TUrlTarget* link, const TMyFont& font,
             char32_t numberStyle, int number, TFontStyles currentStyle = 0);

  char32_t NumberStyle;  // 'A', 'a', 'I', 'i', anything else decimal

  const char* KindName() const override { return "TOListItem"; }
};

// The label of ordered item number: "A".."Z" or "a".."z" (items beyond 26 stay at the last
// letter), "I".."XX" or "i".."xx" (beyond 20 stay at 20), else decimal; then ".". Numbers
// below 1 are written in decimal in every style.
std::u32string ListLabel(int number, char32_t style);

// Draws the marker of a list item's first line: markerX is the x the marker hangs left of (or,
// for an item read right to left, right of), baseline the line's baseline and textMiddle the
// vertical middle of its text, all in window coordinates.
void DrawListMarker(TCanvas& canvas, const TSection& item, int markerX, int baseline,
                    int textMiddle);

#include "html/document/ListItems.h"

#include <algorithm>
#include <string>

#include "html/document/SectionList.h"
#include "html/support/Decimal.h"
#include "html/parser/Tables.h"
#include "platform/Canvas.h"
#include "platform/Graphics.h"

namespace {

// Longest label drawn, the "." included.
constexpr std::size_t MaxLabelLength = 7;
// The marker hangs this far left of the text.
constexpr int LabelGap = 5;
constexpr int BulletOffset = 8;

}  // namespace

TUListItem::TUListItem(TFontTable& fonts, int level, const TUrlTarget* link, const TMyFont& font,
                       TFontStyles currentStyle)
    : TSection(fonts, level, jLeft, link, font, currentStyle) {
  ListKind = lkUnordered;
}

TDListItem::TDListItem(TFontTable& fonts, int level, const TUrlTarget* link, const TMyFont& font,
                       TFontStyles currentStyle)
    : TUListItem(fonts, level, link, font, currentStyle) {
  ListKind = lkDefinition;
}

TOListItem::TOListItem(TFontTable& fonts, int level, const TUrlTarget* link, const TMyFont& font,
                       char32_t numberStyle, int number, TFontStyles currentStyle)
    : TUListItem(fonts, level, link, font, currentStyle), NumberStyle(numberStyle) {
  ListKind = lkOrdered;
  ListNumber = number;
  MarkerFont = std::make_unique<TMyFont>(Fonts[0].Font());
}

std::u32string ListLabel(int number, char32_t style) {
  std::u32string label;
  if (number < 1)
    label = DecimalText(number);
  else if (style == U'A' || style == U'a')
    label = char32_t(style + char32_t(std::min(number - 1, 25)));
  else if (style == U'I' || style == U'i') {
    const auto& romans = style == U'I' ? UpperRomans : LowerRomans;
    std::u32string_view roman = romans[std::size_t(std::min(number, 20) - 1)];
    label.insert(label.end(), roman.begin(), roman.end());
  }
  else
    label = DecimalText(number);
  label += U'.';
  return label.substr(0, MaxLabelLength);
}

void DrawListMarker(TCanvas& canvas, const TSection& item, int markerX, int baseline,
                    int textMiddle) {
  const TSectionList& document = *item.Document;
  if (item.ListKind == lkOrdered) {
    const auto& ordered = static_cast<const TOListItem&>(item);
    const std::u32string label = ListLabel(ordered.ListNumber, ordered.NumberStyle);
    canvas.SetFont(item.MarkerFont->Desc());
    canvas.SetBackgroundMode(bmTransparent);
    if (item.RightToLeft) {
      // Read from the right, the label's full stop comes first on its left.
      const std::u32string shown = label.back() == U'.' ? U'.' + label.substr(0, label.size() - 1)
                                                         : label;
      canvas.TextOut(markerX + LabelGap, baseline, shown);
    } else {
      canvas.TextOut(markerX - LabelGap - canvas.TextWidth(label), baseline, label);
    }
    return;
  }
  if (item.ListKind != lkUnordered || static_cast<const TUListItem&>(item).NoBullet) return;
  const TColor background = document.Background;
  const TColor plain = background & 0xFFFFFF;
  const bool lightPage =
      background == clBtnFace ||
      (!IsSystemColor(background) && (plain == clWhite || plain == clSilver)) ||
      (background == clWindow && document.Graphics.SystemColors().Resolve(clWindow) == clWhite);
  if (lightPage) {
    switch (item.Level) {
      case 1: case 4: canvas.SetPen(clNavy), canvas.SetBrush(clNavy); break;
      case 2: case 5: canvas.SetPen(clMaroon), canvas.SetBrush(clMaroon); break;
      case 0: case 3: canvas.SetPen(clRed), canvas.SetBrush(clRed); break;
      default: break;  // deeper levels keep the pen and brush they find
    }
  } else {
    canvas.SetPen(document.FontColor);
    canvas.SetClearBrush();
  }
  const int cx = item.RightToLeft ? markerX + BulletOffset : markerX - BulletOffset;
  const int cy = textMiddle;
  canvas.Ellipse({cx - 2, cy - 2, cx + 3, cy + 3});
  canvas.SetBrush(document.Background);
  canvas.SetPen(document.FontColor);
}

#include "html/document/HorzLine.h"

#include <algorithm>
#include <cstdint>

#include "html/document/IndentManager.h"
#include "html/document/MyFont.h"
#include "html/document/SectionList.h"
#include "html/document/SelectionText.h"
#include "html/parser/Colors.h"
#include "html/support/LetterCase.h"
#include "platform/Canvas.h"
#include "platform/Graphics.h"

namespace {

// The text an ALIGN value is compared on.
constexpr std::size_t AlignValueLength = 10;
// Widths beyond any screen are cut here, so the drawing arithmetic cannot overflow.
constexpr int MaxRuleWidth = 1000000;

}  // namespace

THorzLine::THorzLine(const TAttributeList& attributes) {
  for (const auto& attribute : attributes) {
    switch (attribute->Symbol) {
      case symAlign: {
        const std::u32string value = LowerAscii(attribute->StrValue.substr(0, AlignValueLength));
        if (value == U"left")
          Align = raLeft;
        else if (value == U"right")
          Align = raRight;
        break;
      }
      case symWidth:
        if (attribute->IntValue > 0) {
          if (attribute->StrValue.find(U'%') != std::u32string::npos) {
            Percent = true;
            if (attribute->IntValue <= 100) RuleWidth = attribute->IntValue;
          } else {
            RuleWidth = std::min<int>(attribute->IntValue, MaxRuleWidth);
          }
        }
        break;
      case symSize:
        if (attribute->IntValue >= 1 && attribute->IntValue <= 20) Thickness = attribute->IntValue;
        break;
      case symColor:
        if (const auto color = ColorFromString(attribute->StrValue)) {
          HasColor = true;
          RuleColor = *color | PaletteRelative;
        }
        break;
      case symNoshade: NoShade = true; break;
      default: break;
    }
  }
}

void THorzLine::CopySelection() { CopyLineBreak(Document); }

void THorzLine::UpdateSpacing() { FlowHeight = MulDiv(20, Document->FontSize, 12) + Thickness - 2; }

int THorzLine::Render(TCanvas& canvas, const TRect& clip, IndentManager& indent, int, int y) {
  Top = y;
  const TSectionList& document = *Document;
  const int windowY = y - document.ScrollTop;
  if (windowY + FlowHeight < clip.Top || windowY >= clip.Bottom) return y + FlowHeight;
  const int left = indent.LeftIndent(y), right = indent.RightLimit(y);
  const int top = windowY + (FlowHeight - Thickness) / 2;
  int start = left + 10, end = right - 10;
  if (RuleWidth >= 0) {
    const int width = Percent ? MulDiv(right - left, RuleWidth, 100) : RuleWidth;
    start = Align == raLeft ? left : Align == raRight ? right - width : left + (right - left - width) / 2;
    end = start + width;
  }
  if (HasColor) {
    canvas.SetBrush(RuleColor | PaletteRelative);
    canvas.FillRect({start, top, end, top + Thickness});
    return y + FlowHeight;
  }
  const TSystemColors& colors = document.Graphics.SystemColors();
  const TColor background = document.Background;
  const bool whitePage = (!IsSystemColor(background) && (background & 0xFFFFFF) == 0xFFFFFF) ||
                         (background == clWindow && colors.Resolve(clWindow) == clWhite);
  const TColor dark = NoShade ? clBlack : clBtnShadow;
  const TColor light = NoShade ? clBlack : whitePage ? clSilver : clBtnHighlight;
  canvas.SetPen(dark);
  canvas.MoveTo(start, top + Thickness);
  canvas.LineTo(start, top);
  canvas.LineTo(end, top);
  canvas.SetPen(light);
  canvas.LineTo(end, top + Thickness);
  canvas.LineTo(start, top + Thickness);
  return y + FlowHeight;
}

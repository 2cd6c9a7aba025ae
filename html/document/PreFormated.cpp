#include "html/document/PreFormated.h"

#include <algorithm>

#include "html/document/IndentManager.h"

namespace {

// The width preformatted lines are laid out in: wide enough that only the source breaks them.
constexpr int UnwrappedWidth = 32000;

}  // namespace

void TPreFormated::AppendText(std::u32string_view text) { AppendRaw(text); }

int TPreFormated::Arrange(TCanvas& canvas, int y, IndentManager& indent, int& maxWidth, int& curs) {
  const int cellWidth = indent.Width;
  indent.Width = UnwrappedWidth;
  const int height = TSection::Arrange(canvas, y, indent, maxWidth, curs);
  indent.Width = cellWidth;
  int minWidth = 0;
  MeasureWidths(canvas, minWidth, maxWidth);
  return height;
}

void TPreFormated::MeasureWidths(TCanvas&, int& minWidth, int& maxWidth) {
  minWidth = maxWidth = 0;
  if (Text.empty()) return;
  AnalyseText();
  const int width = TextWidth(0, int(Text.size()), false) + Indent;
  maxWidth = width;
  minWidth = std::min(width, 500);
}

int TPreFormated::FreeWidth(const IndentManager&, int) const { return UnwrappedWidth; }

std::optional<TRect> TPreFormated::LineClip(const IndentManager& indent, int x, int lineTop,
                                            int lineBottom) const {
  return TRect{x, lineTop, x + indent.ClipWidth, lineBottom};
}

#pragma once
// Preformatted text: a text section that keeps every space and breaks lines only where the
// source does (the builder makes one section per source line). Lines are not wrapped; a long
// line widens the document and is clipped to the cell when drawn.

#include "html/document/Section.h"

class TPreFormated : public TSection {
 public:
  TPreFormated(TFontTable& fonts, int level, TJustify justify, const TUrlTarget* link,
               const TMyFont& font, TFontStyles currentStyle = 0)
      : TSection(fonts, level, justify, link, font, currentStyle) {}

  const char* KindName() const override { return "TPreFormated"; }
  void AppendText(std::u32string_view text) override;
  int Arrange(TCanvas& canvas, int y, IndentManager& indent, int& maxWidth, int& curs) override;
  void MeasureWidths(TCanvas& canvas, int& minWidth, int& maxWidth) override;

 protected:
  int FreeWidth(const IndentManager& indent, int y) const override;
  bool UsesScriptOffsets() const override { return false; }
  std::optional<TRect> LineClip(const IndentManager& indent, int x, int lineTop,
                                int lineBottom) const override;
};

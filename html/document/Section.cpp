// Building and measuring a text section.
#include "html/document/Section.h"

#include <algorithm>

#include "html/document/SectionList.h"
#include "platform/Font.h"
#include "html/support/LetterCase.h"

namespace {

// The text a CLEAR value is compared on.
constexpr std::size_t ClearValueLength = 15;

}  // namespace

TSection::TSection(TFontTable& fonts, int level, TJustify justify, const TUrlTarget* link,
                   const TMyFont& font, TFontStyles currentStyle)
    : Fonts(fonts), Level(std::max(level, 0)), Indent(Level * LevelIndent), Justify(justify) {
  TMyFont first = font;
  first.SetStyle(first.Style() | currentStyle);
  Fonts.SetLink(Fonts.Add(first, 0), link);
}

TSection::~TSection() = default;

void TSection::AppendText(std::u32string_view text) {
  if (text.empty()) return;
  if (text.front() == U' ') {
    const bool onlyFloats =
        Images.Count() == Text.size() &&
        std::all_of(Images.begin(), Images.end(), [](const auto& image) { return image->Floating(); });
    if (Text.empty() || Text.back() == U' ' || onlyFloats) text.remove_prefix(1);
  }
  AppendRaw(text);
}

void TSection::AppendRaw(std::u32string_view text) {
  if (text.empty()) return;
  const std::size_t needed = Text.size() + text.size();
  // The first text is taken at its length (a preformatted line comes whole). Later ones grow
  // the buffer to the new length plus 100, so appending word by word does not copy the text
  // each time; a long paragraph grows by half its size at least, so that appending to it
  // stays linear however long it gets.
  if (needed > Text.capacity())
    Text.reserve(Text.empty() ? needed
                              : std::max(needed + 100, Text.capacity() + Text.capacity() / 2));
  Text.append(text);
}

void TSection::ChangeFont(TSectionList& document, const TMyFont& font, TFontStyles currentStyle,
                          int currentScript) {
  TMyFont next = font;
  next.SetStyle(next.Style() | currentStyle);
  if (currentScript != skNormal) next.SetScale(document, MulDiv(next.Scale, 3, 4));
  const int length = int(Text.size());
  TFontObj* run = &Fonts.Last();
  if (run->Pos == length) {
    Fonts.SetFont(*run, next);
  } else {
    run = &Fonts.Add(next, length);
    run->ShareUrlTarget(Fonts[Fonts.Count() - 2]);
  }
  run->ScriptKind = currentScript;
}

void TSection::SetLink(TSymbol symbol, TSectionList& document, const TMyFont& font,
                       const TUrlTarget* link, TFontStyles currentStyle, int currentScript) {
  ChangeFont(document, font, currentStyle, currentScript);
  Fonts.SetLink(Fonts.Last(), symbol == symHref ? link : nullptr);
}

TJustify TSection::EnsureText() {
  if (Text.empty()) AppendRaw(U" ");
  return Justify;
}

void TSection::ReadClear(const TAttributeList& attributes) {
  const TAttribute* clear = FindAttribute(attributes, symClear);
  if (!clear) return;
  const std::u32string value = LowerAscii(clear->StrValue.substr(0, ClearValueLength));
  ClearKind = value == U"left" ? ckLeft : value == U"right" ? ckRight : ckBoth;
}

TInlineImage& TSection::InsertImage(std::unique_ptr<TInlineImage> image) {
  image->Pos = int(Text.size());
  AppendRaw(std::u32string_view(&ImageMarker, 1));
  return *Images.Add(std::move(image));
}

void TSection::InsertControl(TInlineControl& control) {
  control.Pos = int(Text.size());
  AppendRaw(std::u32string_view(&ControlMarker, 1));
  FormControls.Add(control);
}

void TSection::RefreshFonts() {
  if (!Document) return;
  Fonts.ApplyDocument(*Document);
  if (MarkerFont) MarkerFont->ApplyDocument(*Document, Document->FontColor);
}

int TSection::PieceEnd(int start) const {
  const int length = int(Text.size());
  int end = start + Fonts.CharsToNextRun(start, length);
  const std::size_t image = Images.FirstAtOrAfter(start);
  if (image < Images.Count()) end = std::min(end, Images[image].Pos);
  const std::size_t control = FormControls.FirstAtOrAfter(start);
  if (control < FormControls.Count()) end = std::min(end, FormControls[control].Pos);
  return std::clamp(end, start, length);
}

int TSection::GlyphsWidth(TFontFace& face, int start, int count) const {
  if (Scripts && Scripts->JoinedText.size() == Text.size())
    return face.TextWidth(
        std::u32string_view(Scripts->JoinedText).substr(std::size_t(start), std::size_t(count)));
  return Text.Width(face, std::size_t(start), std::size_t(count));
}

std::u32string TSection::GlyphsAt(int start, int count) const {
  if (Scripts && Scripts->JoinedText.size() == Text.size())
    return Scripts->JoinedText.substr(std::size_t(start), std::size_t(count));
  return Text.substr(std::size_t(start), std::size_t(count));
}

int TSection::TextWidth(int start, int count, bool trim) const {
  const int length = int(Text.size());
  start = std::clamp(start, 0, length);
  int end = std::clamp(start + std::max(count, 0), start, length);
  if (trim)
    while (end > start + 1 && Text[std::size_t(end - 1)] == U' ' && !ObjectAt(end - 1)) --end;
  int width = 0;
  for (int pos = start; pos < end;) {
    if (const TInlineImage* image = ImageAtPos(pos)) {
      if (!image->Floating()) width += image->ImageWidth;
      ++pos;
    } else if (const TInlineControl* control = ControlAtPos(pos)) {
      width += control->Width();
      ++pos;
    } else {
      const int pieceEnd = std::min(PieceEnd(pos), end);
      int index = 0;
      const TFontObj& run = Fonts.RunAt(pos, index);
      width += GlyphsWidth(run.Face(), pos, pieceEnd - pos) - run.Overhang();
      pos = pieceEnd;
    }
  }
  return width;
}

void TSection::MeasureWidths(TCanvas& canvas, int& minWidth, int& maxWidth) {
  minWidth = maxWidth = 0;
  if (Text.empty()) return;
  AnalyseText();
  int floatSum = 0;
  for (const auto& image : Images) {
    int index = 0;
    image->ComputeSize(*Document, canvas, 0, Fonts.RunAt(image->Pos, index));
    if (image->PercentWidth) continue;
    if (image->Floating())
      floatSum += image->ImageWidth + image->HSpace;
    else
      minWidth = std::max(minWidth, image->ImageWidth);
  }
  const int length = int(Text.size());
  maxWidth = floatSum + TextWidth(0, length, false) + Indent;
  // Words run between spaces, image markers and break opportunities, and end where the
  // Unicode rules break lines.
  int wordStart = 0;
  for (int pos = 0; pos <= length; ++pos) {
    const bool boundary = pos == length || (Text[std::size_t(pos)] == U' ' && !ObjectAt(pos)) ||
                          ImageAtPos(pos) || Text[std::size_t(pos)] == BreakOpportunity;
    if (!boundary && !RuleBreak(pos)) continue;
    if (pos > wordStart) minWidth = std::max(minWidth, TextWidth(wordStart, pos - wordStart, false));
    wordStart = boundary ? pos + 1 : pos;
  }
  minWidth += floatSum + Indent;
}

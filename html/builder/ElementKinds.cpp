#include "html/builder/ElementKinds.h"

#include <array>

namespace {

struct TElementRow {
  TSymbol Start;
  TSymbol End;  // symUnknownTag: none
  TElementAction Action;
};

constexpr TElementAction Inline(TFontStyles style, bool fixedPitch = false) {
  return {ekInline, false, style, fixedPitch};
}
constexpr TElementAction Block(bool centred = false) {
  return {ekBlock, false, 0, false, centred};
}
constexpr TElementAction Preformatted(bool rawText = false) {
  return {ekPreformatted, false, 0, false, false, rawText};
}

constexpr TElementRow Rows[] = {
    {symBold, symBoldEnd, Inline(fsBold)},
    {symStrong, symStrongEnd, Inline(fsBold)},
    {symItalic, symItalicEnd, Inline(fsItalic)},
    {symEm, symEmEnd, Inline(fsItalic)},
    {symCite, symCiteEnd, Inline(fsItalic)},
    {symVar, symVarEnd, Inline(fsItalic, true)},
    {symUnderline, symUnderlineEnd, Inline(fsUnderline)},
    {symS, symSEnd, Inline(fsStrikeOut)},
    {symStrike, symStrikeEnd, Inline(fsStrikeOut)},
    {symTt, symTtEnd, Inline(0, true)},
    {symCode, symCodeEnd, Inline(0, true)},
    {symKbd, symKbdEnd, Inline(0, true)},
    {symSamp, symSampEnd, Inline(0, true)},
    {symDiv, symDivEnd, Block()},
    {symCenter, symCenterEnd, Block(true)},
    {symSection, symSectionEnd, Block()},
    {symArticle, symArticleEnd, Block()},
    {symAside, symAsideEnd, Block()},
    {symNav, symNavEnd, Block()},
    {symHeader, symHeaderEnd, Block()},
    {symFooter, symFooterEnd, Block()},
    {symMain, symMainEnd, Block()},
    {symFigure, symFigureEnd, Block()},
    {symFigcaption, symFigcaptionEnd, Block()},
    {symHgroup, symHgroupEnd, Block()},
    {symDetails, symDetailsEnd, Block()},
    {symSummary, symSummaryEnd, Block()},
    {symPre, symPreEnd, Preformatted()},
    {symListing, symListingEnd, Preformatted()},
    {symXmp, symXmpEnd, Preformatted(true)},
    // Its end tag is part of the markup the tokenizer gathers.
    {symSvg, symUnknownTag, {ekPicture}},
    {symWbr, symUnknownTag, {ekBreakOpportunity}},
};

constexpr std::array<TElementAction, SymbolCount> ActionOf = [] {
  std::array<TElementAction, SymbolCount> actions{};
  for (const TElementRow& row : Rows) {
    actions[row.Start] = row.Action;
    if (row.End == symUnknownTag) continue;
    actions[row.End] = row.Action;
    actions[row.End].End = true;
  }
  return actions;
}();

const TSymbolSet BlockEnds = [] {
  TSymbolSet ends;
  for (const TElementRow& row : Rows)
    if (row.Action.Kind == ekBlock) ends = ends + TSymbolSet{row.End};
  return ends;
}();

}  // namespace

const TElementAction& ElementAction(TSymbol symbol) { return ActionOf[symbol]; }

const TSymbolSet& BlockEndSymbols() { return BlockEnds; }

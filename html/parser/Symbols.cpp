#include "html/parser/Symbols.h"

#include <array>
#include <string>
#include <unordered_map>

namespace {

struct TTagEntry {
  std::string_view Name;
  TSymbol Start;
  TSymbol End;  // symUnknownTag for tags that have no end form
  TTagContent Content = tcMarkup;
};

// Searched in this order. Of the first 64 the first 48 have an end symbol; of the later
// elements all but WBR have one.
constexpr std::array<TTagEntry, 83> TagTable{{
    {"HTML", symHtml, symHtmlEnd},
    {"TITLE", symTitle, symTitleEnd},
    {"BODY", symBody, symBodyEnd},
    {"HEAD", symHead, symHeadEnd},
    {"B", symBold, symBoldEnd},
    {"I", symItalic, symItalicEnd},
    {"H", symHeading, symHeadingEnd},
    {"EM", symEm, symEmEnd},
    {"STRONG", symStrong, symStrongEnd},
    {"U", symUnderline, symUnderlineEnd},
    {"CITE", symCite, symCiteEnd},
    {"VAR", symVar, symVarEnd},
    {"TT", symTt, symTtEnd},
    {"CODE", symCode, symCodeEnd},
    {"KBD", symKbd, symKbdEnd},
    {"SAMP", symSamp, symSampEnd},
    {"OL", symOl, symOlEnd},
    {"UL", symUl, symUlEnd},
    {"DIR", symDir, symDirEnd},
    {"MENU", symMenu, symMenuEnd},
    {"DL", symDl, symDlEnd},
    {"A", symAnchor, symAnchorEnd},
    {"ADDRESS", symAddress, symAddressEnd},
    {"BLOCKQUOTE", symBlockquote, symBlockquoteEnd},
    {"PRE", symPre, symPreEnd},
    {"CENTER", symCenter, symCenterEnd},
    {"TABLE", symTable, symTableEnd},
    {"TD", symTd, symTdEnd},
    {"TH", symTh, symThEnd},
    {"CAPTION", symCaption, symCaptionEnd},
    {"FORM", symForm, symFormEnd},
    {"TEXTAREA", symTextarea, symTextareaEnd},
    {"SELECT", symSelect, symSelectEnd},
    {"OPTION", symOption, symOptionEnd},
    {"FONT", symFont, symFontEnd},
    {"SUB", symSub, symSubEnd},
    {"SUP", symSup, symSupEnd},
    {"BIG", symBig, symBigEnd},
    {"SMALL", symSmall, symSmallEnd},
    {"P", symPara, symParaEnd},
    {"MAP", symMap, symMapEnd},
    {"FRAMESET", symFrameset, symFramesetEnd},
    {"NOFRAMES", symNoframes, symNoframesEnd},
    {"SCRIPT", symScript, symScriptEnd},
    {"DIV", symDiv, symDivEnd},
    {"S", symS, symSEnd},
    {"STRIKE", symStrike, symStrikeEnd},
    {"TR", symTr, symTrEnd},
    {"LI", symLi, symUnknownTag},
    {"BR", symBr, symUnknownTag},
    {"HR", symHr, symUnknownTag},
    {"DD", symDd, symUnknownTag},
    {"DT", symDt, symUnknownTag},
    {"IMG", symImg, symUnknownTag},
    {"BASE", symBase, symUnknownTag},
    {"BUTTON", symButton, symUnknownTag},
    {"INPUT", symInput, symUnknownTag},
    {"SELECTED", symSelected, symUnknownTag},
    {"BASEFONT", symBasefont, symUnknownTag},
    {"AREA", symArea, symUnknownTag},
    {"FRAME", symFrame, symUnknownTag},
    {"BGSOUND", symBgsound, symUnknownTag},
    {"WRAP", symWrap, symUnknownTag},
    {"META", symMeta, symUnknownTag},
    {"SECTION", symSection, symSectionEnd},
    {"ARTICLE", symArticle, symArticleEnd},
    {"ASIDE", symAside, symAsideEnd},
    {"NAV", symNav, symNavEnd},
    {"HEADER", symHeader, symHeaderEnd},
    {"FOOTER", symFooter, symFooterEnd},
    {"MAIN", symMain, symMainEnd},
    {"FIGURE", symFigure, symFigureEnd},
    {"FIGCAPTION", symFigcaption, symFigcaptionEnd},
    {"HGROUP", symHgroup, symHgroupEnd},
    {"DETAILS", symDetails, symDetailsEnd},
    {"SUMMARY", symSummary, symSummaryEnd},
    {"LISTING", symListing, symListingEnd},
    {"XMP", symXmp, symXmpEnd},
    {"STYLE", symStyle, symStyleEnd, tcSkipped},
    {"TEMPLATE", symTemplate, symTemplateEnd, tcSkipped},
    {"MATH", symMath, symMathEnd, tcSkipped},
    {"SVG", symSvg, symSvgEnd, tcGathered},
    {"WBR", symWbr, symUnknownTag},
}};

struct TAttributeEntry {
  std::string_view Name;
  TSymbol Symbol;
};

// VALUE stands twice; both rows give the same symbol. There is no VSPACE.
constexpr std::array<TAttributeEntry, 61> AttributeTable{{
    {"HREF", symHref}, {"NAME", symName}, {"SRC", symSrc}, {"ALT", symAlt},
    {"ALIGN", symAlign}, {"TEXT", symText}, {"BGCOLOR", symBgcolor}, {"LINK", symLink},
    {"BACKGROUND", symBackground}, {"COLSPAN", symColspan}, {"ROWSPAN", symRowspan},
    {"BORDER", symBorder}, {"CELLPADDING", symCellpadding},
    {"CELLSPACING", symCellspacing}, {"VALIGN", symValign}, {"WIDTH", symWidth},
    {"START", symStart}, {"VALUE", symValue}, {"TYPE", symType},
    {"CHECKBOX", symCheckbox}, {"RADIO", symRadio}, {"METHOD", symMethod},
    {"ACTION", symAction}, {"CHECKED", symChecked}, {"SIZE", symSize},
    {"MAXLENGTH", symMaxlength}, {"COLS", symCols}, {"ROWS", symRows},
    {"MULTIPLE", symMultiple}, {"VALUE", symValue}, {"SELECTED", symSelected},
    {"FACE", symFace}, {"COLOR", symColor}, {"TRANSP", symTransp}, {"CLEAR", symClear},
    {"ISMAP", symIsmap}, {"BORDERCOLOR", symBordercolor}, {"USEMAP", symUsemap},
    {"SHAPE", symShape}, {"COORDS", symCoords}, {"NOHREF", symNohref},
    {"HEIGHT", symHeight}, {"PLAIN", symPlain}, {"TARGET", symTarget},
    {"NORESIZE", symNoresize}, {"SCROLLING", symScrolling}, {"HSPACE", symHspace},
    {"LANGUAGE", symLanguage}, {"FRAMEBORDER", symFrameborder},
    {"MARGINWIDTH", symMarginwidth}, {"MARGINHEIGHT", symMarginheight},
    {"LOOP", symLoop}, {"ONCLICK", symOnclick}, {"WRAP", symWrap},
    {"NOSHADE", symNoshade}, {"HTTP-EQUIV", symHttpEquiv}, {"CONTENT", symContent},
    {"ENCTYPE", symEnctype}, {"ID", symId}, {"NOWRAP", symNowrap}, {"DIR", symDir},
}};

// Tables are searched on every tag, so each gets an index built once; the first entry of a
// name wins, which gives the same answer as a search in table order.
template <typename Table>
std::unordered_map<std::string_view, const typename Table::value_type*> IndexByName(
    const Table& table) {
  std::unordered_map<std::string_view, const typename Table::value_type*> index;
  for (const auto& entry : table) index.emplace(entry.Name, &entry);
  return index;
}

const auto& TagIndex() {
  static const auto index = IndexByName(TagTable);
  return index;
}

const auto& AttributeIndex() {
  static const auto index = IndexByName(AttributeTable);
  return index;
}

constexpr std::array<std::string_view, SymbolCount> SymbolNames = [] {
  std::array<std::string_view, SymbolCount> names{};
#define TAMBLIN_NAME(sym) names[sym] = #sym
  TAMBLIN_NAME(symHtml); TAMBLIN_NAME(symTitle); TAMBLIN_NAME(symBody);
  TAMBLIN_NAME(symHead); TAMBLIN_NAME(symPara); TAMBLIN_NAME(symParaEnd);
  TAMBLIN_NAME(symBold); TAMBLIN_NAME(symBoldEnd); TAMBLIN_NAME(symItalic);
  TAMBLIN_NAME(symItalicEnd); TAMBLIN_NAME(symHtmlEnd); TAMBLIN_NAME(symTitleEnd);
  TAMBLIN_NAME(symBodyEnd); TAMBLIN_NAME(symHeadEnd); TAMBLIN_NAME(symBr);
  TAMBLIN_NAME(symHeading); TAMBLIN_NAME(symHeadingEnd); TAMBLIN_NAME(symEm);
  TAMBLIN_NAME(symEmEnd); TAMBLIN_NAME(symStrong); TAMBLIN_NAME(symStrongEnd);
  TAMBLIN_NAME(symUnderline); TAMBLIN_NAME(symUnderlineEnd); TAMBLIN_NAME(symHr);
  TAMBLIN_NAME(symCite); TAMBLIN_NAME(symVar); TAMBLIN_NAME(symCiteEnd);
  TAMBLIN_NAME(symVarEnd); TAMBLIN_NAME(symBase); TAMBLIN_NAME(symTt);
  TAMBLIN_NAME(symCode); TAMBLIN_NAME(symKbd); TAMBLIN_NAME(symSamp);
  TAMBLIN_NAME(symTtEnd); TAMBLIN_NAME(symCodeEnd); TAMBLIN_NAME(symKbdEnd);
  TAMBLIN_NAME(symSampEnd); TAMBLIN_NAME(symOl); TAMBLIN_NAME(symOlEnd);
  TAMBLIN_NAME(symLi); TAMBLIN_NAME(symUl); TAMBLIN_NAME(symUlEnd); TAMBLIN_NAME(symDir);
  TAMBLIN_NAME(symDirEnd); TAMBLIN_NAME(symMenu); TAMBLIN_NAME(symMenuEnd);
  TAMBLIN_NAME(symDl); TAMBLIN_NAME(symDlEnd); TAMBLIN_NAME(symDd); TAMBLIN_NAME(symDt);
  TAMBLIN_NAME(symAddress); TAMBLIN_NAME(symAddressEnd); TAMBLIN_NAME(symBlockquote);
  TAMBLIN_NAME(symBlockquoteEnd); TAMBLIN_NAME(symPre); TAMBLIN_NAME(symPreEnd);
  TAMBLIN_NAME(symImg); TAMBLIN_NAME(symCenter); TAMBLIN_NAME(symCenterEnd);
  TAMBLIN_NAME(symUnknownAttr); TAMBLIN_NAME(symAnchor); TAMBLIN_NAME(symAnchorEnd);
  TAMBLIN_NAME(symHref); TAMBLIN_NAME(symName); TAMBLIN_NAME(symSrc); TAMBLIN_NAME(symAlt);
  TAMBLIN_NAME(symAlign); TAMBLIN_NAME(symOtherChar); TAMBLIN_NAME(symUnknownTag);
  TAMBLIN_NAME(symText); TAMBLIN_NAME(symEof); TAMBLIN_NAME(symLink);
  TAMBLIN_NAME(symBgcolor); TAMBLIN_NAME(symBackground); TAMBLIN_NAME(symTable);
  TAMBLIN_NAME(symTableEnd); TAMBLIN_NAME(symTd); TAMBLIN_NAME(symTdEnd);
  TAMBLIN_NAME(symTr); TAMBLIN_NAME(symTrEnd); TAMBLIN_NAME(symTh); TAMBLIN_NAME(symThEnd);
  TAMBLIN_NAME(symColspan); TAMBLIN_NAME(symRowspan); TAMBLIN_NAME(symBorder);
  TAMBLIN_NAME(symCellpadding); TAMBLIN_NAME(symCellspacing); TAMBLIN_NAME(symValign);
  TAMBLIN_NAME(symWidth); TAMBLIN_NAME(symCaption); TAMBLIN_NAME(symCaptionEnd);
  TAMBLIN_NAME(symStart); TAMBLIN_NAME(symButton); TAMBLIN_NAME(symInput);
  TAMBLIN_NAME(symValue); TAMBLIN_NAME(symType); TAMBLIN_NAME(symCheckbox);
  TAMBLIN_NAME(symRadio); TAMBLIN_NAME(symForm); TAMBLIN_NAME(symFormEnd);
  TAMBLIN_NAME(symMethod); TAMBLIN_NAME(symAction); TAMBLIN_NAME(symChecked);
  TAMBLIN_NAME(symSize); TAMBLIN_NAME(symMaxlength); TAMBLIN_NAME(symTextarea);
  TAMBLIN_NAME(symTextareaEnd); TAMBLIN_NAME(symCols); TAMBLIN_NAME(symRows);
  TAMBLIN_NAME(symSelect); TAMBLIN_NAME(symSelectEnd); TAMBLIN_NAME(symOption);
  TAMBLIN_NAME(symOptionEnd); TAMBLIN_NAME(symSelected); TAMBLIN_NAME(symMultiple);
  TAMBLIN_NAME(symFont); TAMBLIN_NAME(symFontEnd); TAMBLIN_NAME(symColor);
  TAMBLIN_NAME(symFace); TAMBLIN_NAME(symBasefont); TAMBLIN_NAME(symTransp);
  TAMBLIN_NAME(symSub); TAMBLIN_NAME(symSubEnd); TAMBLIN_NAME(symSup);
  TAMBLIN_NAME(symSupEnd); TAMBLIN_NAME(symClear); TAMBLIN_NAME(symIsmap);
  TAMBLIN_NAME(symBig); TAMBLIN_NAME(symBigEnd); TAMBLIN_NAME(symSmall);
  TAMBLIN_NAME(symSmallEnd); TAMBLIN_NAME(symBordercolor); TAMBLIN_NAME(symMap);
  TAMBLIN_NAME(symMapEnd); TAMBLIN_NAME(symArea); TAMBLIN_NAME(symShape);
  TAMBLIN_NAME(symCoords); TAMBLIN_NAME(symNohref); TAMBLIN_NAME(symUsemap);
  TAMBLIN_NAME(symHeight); TAMBLIN_NAME(symPlain); TAMBLIN_NAME(symFrameset);
  TAMBLIN_NAME(symFramesetEnd); TAMBLIN_NAME(symFrame); TAMBLIN_NAME(symTarget);
  TAMBLIN_NAME(symNoframes); TAMBLIN_NAME(symNoframesEnd); TAMBLIN_NAME(symNoresize);
  TAMBLIN_NAME(symScrolling); TAMBLIN_NAME(symHspace); TAMBLIN_NAME(symScript);
  TAMBLIN_NAME(symScriptEnd); TAMBLIN_NAME(symLanguage); TAMBLIN_NAME(symDiv);
  TAMBLIN_NAME(symDivEnd); TAMBLIN_NAME(symS); TAMBLIN_NAME(symSEnd);
  TAMBLIN_NAME(symStrike); TAMBLIN_NAME(symStrikeEnd); TAMBLIN_NAME(symFrameborder);
  TAMBLIN_NAME(symMarginwidth); TAMBLIN_NAME(symMarginheight); TAMBLIN_NAME(symBgsound);
  TAMBLIN_NAME(symLoop); TAMBLIN_NAME(symOnclick); TAMBLIN_NAME(symWrap);
  TAMBLIN_NAME(symNoshade); TAMBLIN_NAME(symMeta); TAMBLIN_NAME(symHttpEquiv);
  TAMBLIN_NAME(symContent); TAMBLIN_NAME(symEnctype); TAMBLIN_NAME(symEol);
  TAMBLIN_NAME(symSection); TAMBLIN_NAME(symSectionEnd); TAMBLIN_NAME(symArticle);
  TAMBLIN_NAME(symArticleEnd); TAMBLIN_NAME(symAside); TAMBLIN_NAME(symAsideEnd);
  TAMBLIN_NAME(symNav); TAMBLIN_NAME(symNavEnd); TAMBLIN_NAME(symHeader);
  TAMBLIN_NAME(symHeaderEnd); TAMBLIN_NAME(symFooter); TAMBLIN_NAME(symFooterEnd);
  TAMBLIN_NAME(symMain); TAMBLIN_NAME(symMainEnd); TAMBLIN_NAME(symFigure);
  TAMBLIN_NAME(symFigureEnd); TAMBLIN_NAME(symFigcaption); TAMBLIN_NAME(symFigcaptionEnd);
  TAMBLIN_NAME(symHgroup); TAMBLIN_NAME(symHgroupEnd); TAMBLIN_NAME(symDetails);
  TAMBLIN_NAME(symDetailsEnd); TAMBLIN_NAME(symSummary); TAMBLIN_NAME(symSummaryEnd);
  TAMBLIN_NAME(symListing); TAMBLIN_NAME(symListingEnd); TAMBLIN_NAME(symXmp);
  TAMBLIN_NAME(symXmpEnd); TAMBLIN_NAME(symStyle); TAMBLIN_NAME(symStyleEnd);
  TAMBLIN_NAME(symTemplate); TAMBLIN_NAME(symTemplateEnd); TAMBLIN_NAME(symMath);
  TAMBLIN_NAME(symMathEnd); TAMBLIN_NAME(symSvg); TAMBLIN_NAME(symSvgEnd);
  TAMBLIN_NAME(symWbr); TAMBLIN_NAME(symId); TAMBLIN_NAME(symNowrap);
#undef TAMBLIN_NAME
  return names;
}();

// The entry of each start symbol.
constexpr std::array<const TTagEntry*, SymbolCount> EntryOfStart = [] {
  std::array<const TTagEntry*, SymbolCount> entries{};
  for (const TTagEntry& entry : TagTable) entries[entry.Start] = &entry;
  return entries;
}();

}  // namespace

std::string_view SymbolName(TSymbol symbol) { return SymbolNames[symbol]; }

TTagContent TagContent(TSymbol tag) {
  const TTagEntry* entry = EntryOfStart[tag];
  return entry ? entry->Content : tcMarkup;
}

TSymbol EndSymbolOf(TSymbol tag) {
  const TTagEntry* entry = EntryOfStart[tag];
  return entry ? entry->End : symUnknownTag;
}

TSymbol LookupTag(std::string_view upperName, bool isEndTag) {
  const auto& index = TagIndex();
  auto found = index.find(upperName);
  if (found == index.end()) return symUnknownTag;
  return isEndTag ? found->second->End : found->second->Start;
}

TSymbol LookupAttribute(std::string_view upperName) {
  const auto& index = AttributeIndex();
  auto found = index.find(upperName);
  return found == index.end() ? symUnknownAttr : found->second->Symbol;
}

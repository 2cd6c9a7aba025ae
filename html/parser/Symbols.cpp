#include "html/parser/Symbols.h"

#include <array>
#include <string>
#include <unordered_map>

namespace {

struct TTagEntry {
  std::string_view Name;
  TSymbol Start;
  TSymbol End;  // symUnknownTag for tags that have no end form
  bool StoresAttributes;
};

// Searched in this order; the first 48 have an end symbol.
constexpr std::array<TTagEntry, 64> TagTable{{
    {"HTML", symHtml, symHtmlEnd, true},
    {"TITLE", symTitle, symTitleEnd, false},
    {"BODY", symBody, symBodyEnd, true},
    {"HEAD", symHead, symHeadEnd, false},
    {"B", symBold, symBoldEnd, false},
    {"I", symItalic, symItalicEnd, false},
    {"H", symHeading, symHeadingEnd, true},
    {"EM", symEm, symEmEnd, false},
    {"STRONG", symStrong, symStrongEnd, false},
    {"U", symUnderline, symUnderlineEnd, false},
    {"CITE", symCite, symCiteEnd, false},
    {"VAR", symVar, symVarEnd, false},
    {"TT", symTt, symTtEnd, false},
    {"CODE", symCode, symCodeEnd, false},
    {"KBD", symKbd, symKbdEnd, false},
    {"SAMP", symSamp, symSampEnd, false},
    {"OL", symOl, symOlEnd, true},
    {"UL", symUl, symUlEnd, true},
    {"DIR", symDir, symDirEnd, false},
    {"MENU", symMenu, symMenuEnd, false},
    {"DL", symDl, symDlEnd, false},
    {"A", symAnchor, symAnchorEnd, true},
    {"ADDRESS", symAddress, symAddressEnd, false},
    {"BLOCKQUOTE", symBlockquote, symBlockquoteEnd, false},
    {"PRE", symPre, symPreEnd, false},
    {"CENTER", symCenter, symCenterEnd, false},
    {"TABLE", symTable, symTableEnd, true},
    {"TD", symTd, symTdEnd, true},
    {"TH", symTh, symThEnd, true},
    {"CAPTION", symCaption, symCaptionEnd, true},
    {"FORM", symForm, symFormEnd, true},
    {"TEXTAREA", symTextarea, symTextareaEnd, true},
    {"SELECT", symSelect, symSelectEnd, true},
    {"OPTION", symOption, symOptionEnd, true},
    {"FONT", symFont, symFontEnd, true},
    {"SUB", symSub, symSubEnd, false},
    {"SUP", symSup, symSupEnd, false},
    {"BIG", symBig, symBigEnd, false},
    {"SMALL", symSmall, symSmallEnd, false},
    {"P", symPara, symParaEnd, true},
    {"MAP", symMap, symMapEnd, true},
    {"FRAMESET", symFrameset, symFramesetEnd, true},
    {"NOFRAMES", symNoframes, symNoframesEnd, false},
    {"SCRIPT", symScript, symScriptEnd, true},
    {"DIV", symDiv, symDivEnd, true},
    {"S", symS, symSEnd, false},
    {"STRIKE", symStrike, symStrikeEnd, false},
    {"TR", symTr, symTrEnd, true},
    {"LI", symLi, symUnknownTag, true},
    {"BR", symBr, symUnknownTag, true},
    {"HR", symHr, symUnknownTag, true},
    {"DD", symDd, symUnknownTag, false},
    {"DT", symDt, symUnknownTag, false},
    {"IMG", symImg, symUnknownTag, true},
    {"BASE", symBase, symUnknownTag, true},
    {"BUTTON", symButton, symUnknownTag, false},
    {"INPUT", symInput, symUnknownTag, true},
    {"SELECTED", symSelected, symUnknownTag, false},
    {"BASEFONT", symBasefont, symUnknownTag, true},
    {"AREA", symArea, symUnknownTag, true},
    {"FRAME", symFrame, symUnknownTag, true},
    {"BGSOUND", symBgsound, symUnknownTag, true},
    {"WRAP", symWrap, symUnknownTag, true},
    {"META", symMeta, symUnknownTag, true},
}};

struct TAttributeEntry {
  std::string_view Name;
  TSymbol Symbol;
};

// VALUE stands twice; both rows give the same symbol. There is no VSPACE.
constexpr std::array<TAttributeEntry, 59> AttributeTable{{
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
    {"ENCTYPE", symEnctype}, {"DIR", symDir},
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
#undef TAMBLIN_NAME
  return names;
}();

constexpr std::array<bool, SymbolCount> StoresAttributesTable = [] {
  std::array<bool, SymbolCount> stores{};
  for (const TTagEntry& entry : TagTable) stores[entry.Start] = entry.StoresAttributes;
  return stores;
}();

}  // namespace

std::string_view SymbolName(TSymbol symbol) {
  return symbol < SymbolCount ? SymbolNames[symbol] : std::string_view();
}

bool TagStoresAttributes(TSymbol tag) {
  return tag < SymbolCount && StoresAttributesTable[tag];
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

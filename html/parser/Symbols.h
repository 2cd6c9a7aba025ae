#pragma once
// The symbols of the HTML parser: every token kind, every known tag (start and end form)
// and every known attribute share one byte-sized enumeration. Values are fixed; a few
// values serve both a tag or token and an attribute of the same name.

#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <string_view>

enum TSymbol : std::uint8_t {
  symHtml = 0, symTitle = 1, symBody = 2, symHead = 3, symPara = 4, symParaEnd = 5,
  symBold = 6, symBoldEnd = 7, symItalic = 8, symItalicEnd = 9, symHtmlEnd = 10,
  symTitleEnd = 11, symBodyEnd = 12, symHeadEnd = 13, symBr = 14, symHeading = 15,
  symHeadingEnd = 16, symEm = 17, symEmEnd = 18, symStrong = 19, symStrongEnd = 20,
  symUnderline = 21, symUnderlineEnd = 22, symHr = 23, symCite = 24, symVar = 25,
  symCiteEnd = 26, symVarEnd = 27, symBase = 28, symTt = 29, symCode = 30, symKbd = 31,
  symSamp = 32, symTtEnd = 33, symCodeEnd = 34, symKbdEnd = 35, symSampEnd = 36,
  symOl = 37, symOlEnd = 38, symLi = 39, symUl = 40, symUlEnd = 41, symDir = 42,
  symDirEnd = 43, symMenu = 44, symMenuEnd = 45, symDl = 46, symDlEnd = 47, symDd = 48,
  symDt = 49, symAddress = 50, symAddressEnd = 51, symBlockquote = 52,
  symBlockquoteEnd = 53, symPre = 54, symPreEnd = 55, symImg = 56, symCenter = 57,
  symCenterEnd = 58, symUnknownAttr = 59, symAnchor = 60, symAnchorEnd = 61,
  symHref = 62, symName = 63, symSrc = 64, symAlt = 65, symAlign = 66,
  symOtherChar = 67, symUnknownTag = 69, symText = 70, symEof = 71, symLink = 72,
  symBgcolor = 73, symBackground = 74, symTable = 75, symTableEnd = 76, symTd = 77,
  symTdEnd = 78, symTr = 79, symTrEnd = 80, symTh = 81, symThEnd = 82, symColspan = 83,
  symRowspan = 84, symBorder = 85, symCellpadding = 86, symCellspacing = 87,
  symValign = 88, symWidth = 89, symCaption = 90, symCaptionEnd = 91, symStart = 92,
  symButton = 93, symInput = 94, symValue = 95, symType = 96, symCheckbox = 97,
  symRadio = 98, symForm = 99, symFormEnd = 100, symMethod = 101, symAction = 102,
  symChecked = 103, symSize = 104, symMaxlength = 105, symTextarea = 106,
  symTextareaEnd = 107, symCols = 108, symRows = 109, symSelect = 110,
  symSelectEnd = 111, symOption = 112, symOptionEnd = 113, symSelected = 114,
  symMultiple = 115, symFont = 116, symFontEnd = 117, symColor = 118, symFace = 119,
  symBasefont = 120, symTransp = 121, symSub = 122, symSubEnd = 123, symSup = 124,
  symSupEnd = 125, symClear = 126, symIsmap = 127, symBig = 128, symBigEnd = 129,
  symSmall = 130, symSmallEnd = 131, symBordercolor = 132, symMap = 133,
  symMapEnd = 134, symArea = 135, symShape = 136, symCoords = 137, symNohref = 138,
  symUsemap = 139, symHeight = 140, symPlain = 141, symFrameset = 142,
  symFramesetEnd = 143, symFrame = 144, symTarget = 145, symNoframes = 146,
  symNoframesEnd = 147, symNoresize = 148, symScrolling = 149, symHspace = 150,
  symScript = 151, symScriptEnd = 152, symLanguage = 153, symDiv = 154,
  symDivEnd = 155, symS = 156, symSEnd = 157, symStrike = 158, symStrikeEnd = 159,
  symFrameborder = 160, symMarginwidth = 161, symMarginheight = 162,
  symBgsound = 163, symLoop = 164, symOnclick = 165, symWrap = 166, symNoshade = 167,
  symMeta = 168, symHttpEquiv = 169, symContent = 170, symEnctype = 171, symEol = 172,
  // Elements of later HTML and the attributes they brought.
  symSection = 176, symSectionEnd = 177, symArticle = 178, symArticleEnd = 179,
  symAside = 180, symAsideEnd = 181, symNav = 182, symNavEnd = 183, symHeader = 184,
  symHeaderEnd = 185, symFooter = 186, symFooterEnd = 187, symMain = 188, symMainEnd = 189,
  symFigure = 190, symFigureEnd = 191, symFigcaption = 192, symFigcaptionEnd = 193,
  symHgroup = 194, symHgroupEnd = 195, symDetails = 196, symDetailsEnd = 197,
  symSummary = 198, symSummaryEnd = 199, symListing = 200, symListingEnd = 201,
  symXmp = 202, symXmpEnd = 203, symStyle = 204, symStyleEnd = 205, symTemplate = 206,
  symTemplateEnd = 207, symMath = 208, symMathEnd = 209, symSvg = 210, symSvgEnd = 211,
  symWbr = 212, symId = 213, symNowrap = 214,
};

// Number of values a symbol can take (some are unused).
inline constexpr int SymbolCount = 256;

// A set of symbols, used by the builder for stop sets.
class TSymbolSet {
 public:
  constexpr TSymbolSet() = default;
  TSymbolSet(std::initializer_list<TSymbol> symbols) {
    for (TSymbol s : symbols) Bits.set(s);
  }
  bool Contains(TSymbol s) const { return Bits.test(s); }
  TSymbolSet operator+(const TSymbolSet& other) const {
    TSymbolSet sum;
    sum.Bits = Bits | other.Bits;
    return sum;
  }

 private:
  std::bitset<SymbolCount> Bits;
};

// The symbol's name as written in code ("symHref"), or "" for an unused value.
std::string_view SymbolName(TSymbol symbol);

// How the tokenizer reads what stands between a start tag and its end tag.
enum TTagContent : std::uint8_t {
  tcMarkup,    // text and tags, read symbol by symbol
  tcSkipped,   // never shown (a style sheet, a template, a formula): passed over whole
  tcGathered,  // markup of another language (SVG) that the builder takes whole as one symbol
};
TTagContent TagContent(TSymbol tag);

// The end symbol of a start tag, or symUnknownTag for a tag that has no end form.
TSymbol EndSymbolOf(TSymbol tag);

// Table searches. Names are upper-cased ASCII; no match gives symUnknownTag / symUnknownAttr.
TSymbol LookupTag(std::string_view upperName, bool isEndTag);
TSymbol LookupAttribute(std::string_view upperName);

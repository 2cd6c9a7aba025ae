#include "html/builder/OpenElements.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "html/builder/ElementKinds.h"
#include "html/document/IndentManager.h"
#include "html/style/StyleSheet.h"
#include "html/support/LetterCase.h"

namespace {

// Properties whose page value reaches the elements inside: the inherited ones, and the
// lines and the raised or lowered box, which CSS draws under and around them.
constexpr TPropertySet PassedOn =
    PropertyBit(spColor) | PropertyBit(spFontFamily) | PropertyBit(spFontSize) |
    PropertyBit(spFontWeight) | PropertyBit(spFontStyle) | PropertyBit(spTextDecorationLine) |
    PropertyBit(spVerticalAlign) | PropertyBit(spTextAlign) | PropertyBit(spWhiteSpace) |
    PropertyBit(spListStyleType);

bool IsVoid(TSymbol symbol, std::string_view tag) {
  switch (symbol) {
    case symBr: case symImg: case symHr: case symInput: case symMeta: case symBase:
    case symArea: case symBasefont: case symBgsound: case symWbr:
    // Their content never comes through the builder's symbols: the tokenizer or the
    // builder reads it whole.
    case symStyle: case symTemplate: case symMath: case symSvg: case symScript:
    case symTextarea: case symTitle:
      return true;
    default: break;
  }
  return tag == "LINK" || tag == "COL" || tag == "EMBED" || tag == "PARAM" ||
         tag == "SOURCE" || tag == "TRACK" || tag == "FRAME";
}

// Elements the builder ends the line for, whose display the page may make inline.
bool BuilderBlock(TSymbol symbol) {
  switch (ElementAction(symbol).Kind) {
    case ekBlock: return true;
    default: break;
  }
  switch (symbol) {
    case symPara: case symHeading: case symLi: case symDt: case symDd: case symOl:
    case symUl: case symDir: case symMenu: case symDl: case symBlockquote:
    case symAddress:
      return true;
    default: return false;
  }
}

// Elements whose text flows on in the line, which the page may make a block.
bool BuilderInline(TSymbol symbol) {
  if (ElementAction(symbol).Kind == ekInline) return true;
  switch (symbol) {
    case symUnknownTag: case symAnchor: case symFont: case symBig: case symSmall:
    case symSub: case symSup:
      return true;
    default: return false;
  }
}

// The indent the builder gives an element of its own: a level for each list and quote.
int BuilderIndent(TSymbol symbol) {
  switch (symbol) {
    case symOl: case symUl: case symDir: case symMenu: case symDl: case symBlockquote:
      return LevelIndent;
    default: return 0;
  }
}

// What an element's attributes already say, which the builder shows as it always has.
TPropertySet AttributeHints(const TOpenElement& element, const TAttributeList& attributes) {
  TPropertySet hints = 0;
  for (const auto& attribute : attributes) {
    switch (attribute->Symbol) {
      case symAlign: hints |= PropertyBit(spTextAlign); break;
      case symBgcolor: hints |= PropertyBit(spBackgroundColor); break;
      case symColor:
        if (element.Symbol == symFont) hints |= PropertyBit(spColor);
        break;
      case symText:
        if (element.Symbol == symBody) hints |= PropertyBit(spColor);
        break;
      case symSize:
        if (element.Symbol == symFont) hints |= PropertyBit(spFontSize);
        break;
      case symFace:
        if (element.Symbol == symFont) hints |= PropertyBit(spFontFamily);
        break;
      case symType: hints |= PropertyBit(spListStyleType); break;
      case symNowrap: hints |= PropertyBit(spWhiteSpace); break;
      default: break;
    }
  }
  return hints;
}

// The relative luminance of a colour, 0 (black) to 1 (white); a system colour counts as
// the light page it usually is.
double Luminance(TColor color) {
  if (IsSystemColor(color)) return 1;
  const auto channel = [](std::uint8_t value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(RedOf(color)) + 0.7152 * channel(GreenOf(color)) +
         0.0722 * channel(BlueOf(color));
}

// Text colours a page chose against a background the document does not draw (a banner's,
// a menu bar's) would be unreadable on the one it does: white on white. A colour this
// close to the background drawn is left to the builder.
constexpr double MinContrast = 1.5;

bool Readable(TColor text, TColor background) {
  const double a = Luminance(text), b = Luminance(background);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05) >= MinContrast;
}

bool RelativeSize(const TDeclaration& declaration) {
  if (declaration.State != vsValue) return true;
  const TLengthUnit unit = declaration.Value.Unit;
  return unit == luEm || unit == luEx || unit == luCh || unit == luRem;
}

}  // namespace

std::optional<std::u32string_view> TOpenElement::Attribute(std::string_view lowerName) const {
  for (const auto& [name, value] : Attributes)
    if (name == lowerName) return value;
  return std::nullopt;
}

TOpenElement& TOpenElements::Open(TSymbol symbol, std::string_view upperTag,
                                  const TAttributeList& attributes) {
  if (VoidOnTop) {
    VoidOnTop = false;
    --Count;
  }
  CloseImplied(symbol);
  TOpenElement* parent = Count ? &Slots[Count - 1] : nullptr;
  if (parent && Count >= MaxDepth) return *parent;  // styled as its parent
  TOpenElement& element = Slots[Count++];
  element.Symbol = symbol;
  element.Tag.assign(upperTag);
  element.IdValue.clear();
  element.ClassValue.clear();
  element.Attributes.clear();
  element.InlineStyle.reset();
  element.ParentElement = parent;
  element.FirstChild = true;
  element.HasChildren = element.Link = element.Inlined = element.Blocked = false;
  element.Owned = 0;
  element.OwnedScript = vaBaseline;
  element.ReadableColor = true;
  if (parent) {
    element.FirstChild = !parent->HasChildren;
    parent->HasChildren = true;
  }
  VoidOnTop = IsVoid(symbol, upperTag);
  if (!PageStyled)
    for (const auto& attribute : attributes)
      if (attribute->Name == "STYLE") PageStyled = true;
  if (!PageStyled) {
    // Nothing to match yet: the element need only be known by its tag. Should a sheet come
    // while it is open, what opens inside it starts from the document's defaults.
    element.Style = Initial;
    element.DrawnBackground = Initial.Background;
    element.ExtraLevels = 0;
    element.Filter = TAncestorFilter();
    return element;
  }
  for (const auto& attribute : attributes) {
    std::string name = attribute->Name;
    for (char& c : name) c = char(LowerAscii(c));
    if (name == "id" && element.IdValue.empty()) element.IdValue = attribute->StrValue;
    if (name == "class" && element.ClassValue.empty()) element.ClassValue = attribute->StrValue;
    if (name == "style" && !element.InlineStyle)
      element.InlineStyle =
          std::make_unique<TDeclarationList>(ParseDeclarations(attribute->StrValue));
    if (name == "href" && symbol == symAnchor) element.Link = true;
    element.Attributes.emplace_back(std::move(name), attribute->StrValue);
  }
  if (parent) {
    element.Filter = parent->Filter;
    element.Filter.AddNamesOf(*parent);
  } else {
    element.Filter = TAncestorFilter();
  }
  Compute(element, parent, AttributeHints(element, attributes));
  return element;
}

bool TOpenElements::FromViewer(const TDeclaration* declaration) const {
  const auto& items = UaSheet.Declarations.Items;
  return !items.empty() && declaration >= items.data() && declaration < items.data() + items.size();
}

void TOpenElements::Compute(TOpenElement& element, const TOpenElement* parent,
                            TPropertySet hints) {
  Cascade.Cascade(element, element.InlineStyle.get(), Declared, &element.Filter);
  element.Style = ComputeStyle(Declared, parent ? &parent->Style : nullptr, Initial);
  const TPropertySet parentOwned = parent ? parent->Owned & PassedOn : 0;
  TPropertySet owned = 0;
  for (int index = 0; index < StylePropertyCount; ++index) {
    const auto property = TStyleProperty(index);
    const TPropertySet bit = PropertyBit(property);
    const TDeclaration* declaration = Declared[property];
    if (declaration && !FromViewer(declaration)) {
      owned |= bit;
    } else if (property == spFontSize && (parentOwned & bit) &&
               (!declaration || RelativeSize(*declaration))) {
      // A size relative to the parent's follows the page's size of the parent.
      owned |= bit;
    } else if (!declaration && !(hints & bit)) {
      owned |= parentOwned & bit;
    }
  }
  element.Owned = owned;
  if (element.Owns(spVerticalAlign))
    element.OwnedScript = Declared[spVerticalAlign] && !FromViewer(Declared[spVerticalAlign])
                              ? element.Style.VerticalAlign
                              : parent->OwnedScript;
  const TDisplay display = element.Style.Display;
  if (element.Owns(spDisplay)) {
    element.Inlined = display == dpInline && BuilderBlock(element.Symbol);
    element.Blocked = (display == dpBlock || display == dpListItem) && BuilderInline(element.Symbol);
  }
  element.DrawnBackground = parent ? parent->DrawnBackground : Initial.Background;
  if ((element.Symbol == symBody || element.Symbol == symTd || element.Symbol == symTh) &&
      element.Owns(spBackgroundColor) && element.Style.HasBackground)
    element.DrawnBackground = element.Style.Background;
  element.ReadableColor =
      !element.Owns(spColor) || Readable(element.Style.Color, element.DrawnBackground);
  element.ExtraLevels = parent ? parent->ExtraLevels : 0;
  if ((element.Owns(spMarginLeft) || element.Owns(spPaddingLeft)) && !element.Inlined &&
      (BuilderBlock(element.Symbol) || element.Blocked)) {
    const double px = element.Style.MarginLeftPx + element.Style.PaddingLeftPx -
                      BuilderIndent(element.Symbol);
    element.ExtraLevels = std::clamp(element.ExtraLevels + int(std::lround(px / LevelIndent)),
                                     -MaxExtraLevels, MaxExtraLevels);
  }
}

bool TOpenElements::Close(std::string_view upperTag) {
  if (VoidOnTop) {
    VoidOnTop = false;
    --Count;
  }
  ClosedInlined = ClosedBlocked = false;
  // A stray end tag deep below the open elements closes nothing: only so far is looked.
  constexpr std::size_t MaxSearch = 64;
  const std::size_t stop = Count > MaxSearch ? Count - MaxSearch : 0;
  for (std::size_t index = Count; index > stop; --index) {
    if (Slots[index - 1].Tag != upperTag) continue;
    ClosedInlined = Slots[index - 1].Inlined;
    ClosedBlocked = Slots[index - 1].Blocked;
    PopTo(index - 1);
    return true;
  }
  return false;
}

void TOpenElements::PopTo(std::size_t size) {
  Count = std::min(Count, size);
}

void TOpenElements::CloseNearest(std::initializer_list<std::string_view> tags,
                                 std::initializer_list<std::string_view> stops) {
  for (std::size_t index = Count; index > 0; --index) {
    const std::string& tag = Slots[index - 1].Tag;
    if (std::find(tags.begin(), tags.end(), tag) != tags.end()) {
      PopTo(index - 1);
      return;
    }
    if (std::find(stops.begin(), stops.end(), tag) != stops.end()) return;
  }
}

void TOpenElements::CloseImplied(TSymbol symbol) {
  if (!Count) return;
  switch (symbol) {
    case symLi: CloseNearest({"LI"}, {"UL", "OL", "MENU", "DIR", "TD", "TH", "TABLE"}); break;
    case symDt:
    case symDd: CloseNearest({"DT", "DD"}, {"DL", "TD", "TH", "TABLE"}); break;
    case symTr: CloseNearest({"TR"}, {"TABLE"}); break;
    case symTd:
    case symTh: CloseNearest({"TD", "TH"}, {"TR", "TABLE"}); break;
    case symOption: CloseNearest({"OPTION"}, {"SELECT"}); break;
    case symBody: CloseNearest({"HEAD"}, {}); break;
    default: break;
  }
  // A block ends the paragraph it stands in.
  if (symbol == symPara || symbol == symTable || symbol == symHr || symbol == symPre ||
      symbol == symHeading || symbol == symForm || BuilderBlock(symbol))
    CloseNearest({"P"}, {"TD", "TH", "TABLE", "LI", "DD", "DT", "BUTTON"});
}

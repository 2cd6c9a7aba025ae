#pragma once
// The elements a page has open while the builder reads it, each with its computed style.
//
// The builder has no element tree, so page styles keep their own record of the open
// elements: a start tag opens one (closing first what it implies: a P before a block, an
// item before the next item, a cell before the next cell), an end tag closes the nearest
// open element of its name and everything opened inside it, and void elements close at
// once. Each element's style is computed once, when it opens, from its parent's.
//
// What the builder already does for an element (a heading's size, a link's colour, the
// attributes FONT, ALIGN and BGCOLOR) is the page's default. A property counts as the
// page's own (Owned) only where a page rule or STYLE attribute decides it: declared on
// the element by the page, or inherited from an element where the page decided it, and
// not reset on the way by the viewer's own sheet or an attribute. The builder applies
// owned properties over what it does anyway, and nothing else, so a page without styles
// is built as it always was.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "html/parser/Attributes.h"
#include "html/parser/Symbols.h"
#include "html/style/AncestorFilter.h"
#include "html/style/ComputedStyle.h"
#include "html/style/StyleCascade.h"
#include "html/style/StyleElement.h"

// A set of TStyleProperty values.
using TPropertySet = std::uint16_t;
constexpr TPropertySet PropertyBit(TStyleProperty property) {
  return TPropertySet(1u << property);
}

class TOpenElement : public TStyleElement {
 public:
  TSymbol Symbol = symUnknownTag;  // its start symbol
  std::string Tag;                 // upper case
  std::u32string IdValue, ClassValue;
  std::vector<std::pair<std::string, std::u32string>> Attributes;  // lower-case names
  TOpenElement* ParentElement = nullptr;
  bool FirstChild = true;
  bool HasChildren = false;
  bool Link = false;
  TAncestorFilter Filter;  // the names of its ancestors
  std::unique_ptr<TDeclarationList> InlineStyle;
  TComputedStyle Style;
  TPropertySet Owned = 0;  // properties the page decides (see above)
  // The script the page gives the text in, passed on to everything inside (the raised
  // box of a superscript holds its descendants too); vaBaseline when the page says none.
  TVerticalAlign OwnedScript = vaBaseline;
  // The background the document draws behind the element's text: the page's, or that of
  // BODY or of a table cell. Backgrounds of other elements are not drawn.
  TColor DrawnBackground = clWhite;
  // Its text colour stands out from the drawn background (see StyledFont); a colour chosen
  // against a background the document does not draw may not.
  bool ReadableColor = true;
  // Indent levels the page adds to or takes from this element and its ancestors.
  int ExtraLevels = 0;
  // The page shows this element of the builder's blocks, lists or items as inline content
  // (no line break, no marker), or this inline element as a block.
  bool Inlined = false;
  bool Blocked = false;

  std::string_view TagName() const override { return Tag; }
  std::u32string_view Id() const override { return IdValue; }
  std::u32string_view ClassName() const override { return ClassValue; }
  std::optional<std::u32string_view> Attribute(std::string_view lowerName) const override;
  const TStyleElement* Parent() const override { return ParentElement; }
  bool IsFirstChild() const override { return FirstChild; }
  bool IsLink() const override { return Link; }

  bool Owns(TStyleProperty property) const { return Owned & PropertyBit(property); }
};

class TOpenElements {
 public:
  // initial: the document's defaults, which the root inherits from. uaSheet: the viewer's
  // own rules, already added to cascade.
  TOpenElements(TStyleCascade& cascade, const TStyleSheet& uaSheet,
                const TComputedStyle& initial)
      : Cascade(cascade), UaSheet(uaSheet), Initial(initial), Slots(MaxDepth) {}

  // A start tag: opens the element (after closing what it implies) and computes its style.
  // A void element stays open until the next call.
  TOpenElement& Open(TSymbol symbol, std::string_view upperTag, const TAttributeList& attributes);
  // An end tag: closes the nearest open element of that name and what is open inside it.
  // False when no element of that name is open.
  bool Close(std::string_view upperTag);
  // What the last end tag closed, when it closed anything: the page showed it inline
  // (its end tag means nothing), or as a block (its end breaks the line).
  bool ClosedInlined = false;
  bool ClosedBlocked = false;
  // The innermost open element; null before the first.
  const TOpenElement* Current() const { return Count ? &Slots[Count - 1] : nullptr; }
  std::size_t Depth() const { return Count; }
  bool VoidOpen() const { return VoidOnTop; }
  // Whether some page sheet or STYLE attribute has been met. Before, the builder opens no
  // elements here but the one that brings the first styles: selectors do not see the
  // elements opened before it.
  bool PageStyled = false;

  // Open elements beyond this depth are not recorded: their styles are their parent's.
  static constexpr std::size_t MaxDepth = 512;
  // Indent levels the page may add or take away, over all the open elements.
  static constexpr int MaxExtraLevels = 12;

 private:
  void CloseImplied(TSymbol symbol);
  // Closes the open element of one of these tags nearest the top, unless one of the stops
  // comes first.
  void CloseNearest(std::initializer_list<std::string_view> tags,
                    std::initializer_list<std::string_view> stops);
  void PopTo(std::size_t size);
  // hints: the properties the element's attributes decide.
  void Compute(TOpenElement& element, const TOpenElement* parent, TPropertySet hints);
  bool FromViewer(const TDeclaration* declaration) const;

  TStyleCascade& Cascade;
  const TStyleSheet& UaSheet;
  TComputedStyle Initial;
  // The open elements are Slots[0, Count). Slots are made once and used again, so that
  // opening an element allocates nothing a page without styles would pay for; they never
  // move, so parents can be pointed at.
  std::vector<TOpenElement> Slots;
  std::size_t Count = 0;
  bool VoidOnTop = false;  // the top element is void: the next call closes it
  TDeclaredStyle Declared;     // reused
};

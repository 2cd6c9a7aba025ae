#pragma once
// One attribute of a tag as the tokenizer read it, and the list of a tag's attributes.

#include <cstdint>
#include <string>
#include <string_view>

#include "html/parser/Symbols.h"
#include "html/support/FreeList.h"

class TAttribute {
 public:
  TAttribute(TSymbol symbol, std::int32_t intValue, std::u32string_view strValue,
             std::string_view name = {})
      : Symbol(symbol), IntValue(intValue), StrValue(strValue), Name(name) {}

  TSymbol Symbol;          // symUnknownAttr for a name not in the table
  std::int32_t IntValue;   // numeric reading of the value; 1 for a bare BORDER
  std::u32string StrValue; // the value as scanned; empty when there is none
  std::string Name;        // as written, in upper case (style selectors ask for any name)
};

// The attributes in the order they stand in the tag.
class TAttributeList : public TFreeList<TAttribute> {};

// The first attribute with this symbol (when a tag repeats one, the first wins), or null.
const TAttribute* FindAttribute(const TAttributeList& list, TSymbol symbol);

// StrValue of FindAttribute, or the empty string.
std::u32string AttributeText(const TAttributeList& list, TSymbol symbol);

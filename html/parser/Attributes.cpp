#include "html/parser/Attributes.h"

const TAttribute* FindAttribute(const TAttributeList& list, TSymbol symbol) {
  for (const auto& attribute : list)
    if (attribute->Symbol == symbol) return attribute.get();
  return nullptr;
}

std::u32string AttributeText(const TAttributeList& list, TSymbol symbol) {
  const TAttribute* attribute = FindAttribute(list, symbol);
  return attribute ? attribute->StrValue : std::u32string();
}

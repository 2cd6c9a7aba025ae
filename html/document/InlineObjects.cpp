#include "html/document/InlineObjects.h"

#include <algorithm>

namespace {

// Index of the first item whose Pos is at or after pos, in a list ordered by Pos.
template <typename List>
std::size_t LowerBound(const List& items, int pos) {
  const auto found = std::lower_bound(items.begin(), items.end(), pos,
                                      [](const auto& item, int p) { return item->Pos < p; });
  return std::size_t(found - items.begin());
}

}  // namespace

std::size_t TImageObjList::FirstAtOrAfter(int pos) const { return LowerBound(*this, pos); }

TInlineImage* TImageObjList::FindImage(int pos) const {
  const std::size_t index = FirstAtOrAfter(pos);
  return index < Count() && (*this)[index].Pos == pos ? &(*this)[index] : nullptr;
}

TInlineImage* TImageObjList::ObjectAtPoint(int x, int y, int& xInImage, int& yInImage) const {
  for (const auto& image : *this)
    if (image->ContainsPoint(x, y, xInImage, yInImage)) return image.get();
  return nullptr;
}

std::size_t TFormControlList::FirstAtOrAfter(int pos) const { return LowerBound(Items, pos); }

TInlineControl* TFormControlList::FindControl(int pos) const {
  const std::size_t index = FirstAtOrAfter(pos);
  return index < Items.size() && Items[index]->Pos == pos ? Items[index] : nullptr;
}

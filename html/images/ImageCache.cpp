#include "html/images/ImageCache.h"

#include "html/support/Trim.h"
#include "platform/Bitmap.h"

std::u32string TStringBitmapList::KeyOf(std::u32string_view source) {
  return TrimControls(source);
}

TBitmapItem* TStringBitmapList::Find(const std::u32string& key) const {
  const auto found = Items.find(key);
  return found == Items.end() ? nullptr : found->second.get();
}

TBitmapItem& TStringBitmapList::AddObject(const std::u32string& key,
                                          std::unique_ptr<TBitmapItem> item) {
  ++item->Users;
  auto& slot = Items[key];
  slot = std::move(item);
  return *slot;
}

TPicture TStringBitmapList::TakeImage(TBitmapItem& item) {
  item.Age = 0;
  ++item.Users;
  return item.Image();
}

void TStringBitmapList::ReleaseImage(const std::u32string& key) {
  if (TBitmapItem* item = Find(key)) --item->Users;
}

template <typename TPredicate>
void TStringBitmapList::RemoveIf(TPredicate predicate) {
  for (auto it = Items.begin(); it != Items.end();) {
    if (predicate(*it->second))
      it = Items.erase(it);
    else
      ++it;
  }
}

void TStringBitmapList::AgeAndPurge() {
  RemoveIf([this](TBitmapItem& item) { return ++item.Age > MaxCache && item.Users < 1; });
}

void TStringBitmapList::SetCacheLimit(int limit) {
  RemoveIf([limit](const TBitmapItem& item) { return item.Age > limit && item.Users <= 0; });
  MaxCache = limit;
}

void TStringBitmapList::PurgeUnused() {
  RemoveIf([](const TBitmapItem& item) { return item.Users < 1; });
}

TStringBitmapList& ImageCache() {
  static TStringBitmapList cache;
  return cache;
}

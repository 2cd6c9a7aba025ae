#pragma once
// An ordered list that owns its items: clearing or destroying it frees every item.

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

template <typename T>
class TFreeList {
 public:
  using Item = std::unique_ptr<T>;

  T* Add(Item item) {
    Items.push_back(std::move(item));
    return Items.back().get();
  }
  template <typename U = T, typename... Args>
  U* Emplace(Args&&... args) {
    auto item = std::make_unique<U>(std::forward<Args>(args)...);
    U* raw = item.get();
    Items.push_back(std::move(item));
    return raw;
  }
  void Clear() { Items.clear(); }

  std::size_t Count() const { return Items.size(); }
  bool Empty() const { return Items.empty(); }
  T& operator[](std::size_t index) const { return *Items[index]; }
  T& Last() const { return *Items.back(); }

  auto begin() const { return Items.begin(); }
  auto end() const { return Items.end(); }

 private:
  std::vector<Item> Items;
};

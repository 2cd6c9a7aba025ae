#pragma once
// A link: the URL it leads to and the name of the frame it opens in.

#include <optional>
#include <string>
#include <string_view>

class TUrlTarget {
 public:
  std::u32string Url;     // empty: no link
  std::u32string Target;  // target frame name, empty for none

  // Copies each value that is given; an absent one keeps its current value.
  void Assign(std::optional<std::u32string_view> url, std::optional<std::u32string_view> target) {
    if (url) Url = *url;
    if (target) Target = *target;
  }
  void Clear() {
    Url.clear();
    Target.clear();
  }
};

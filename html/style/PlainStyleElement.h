#pragma once
// An element held as plain values, for programs that make their elements by hand rather than
// meet them in a page: tests, the fuzzer and the benchmark. Its parent must outlive it.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "html/style/StyleElement.h"

class TPlainStyleElement : public TStyleElement {
 public:
  explicit TPlainStyleElement(std::string tag = {}, const TStyleElement* parent = nullptr,
                              bool first = true)
      : Tag(std::move(tag)), Up(parent), First(first) {}

  std::string Tag;
  std::u32string IdText, ClassText;
  std::vector<std::pair<std::string, std::u32string>> Attributes;  // lower-case names
  const TStyleElement* Up;
  bool First;
  bool Link = false;

  std::string_view TagName() const override { return Tag; }
  std::u32string_view Id() const override { return IdText; }
  std::u32string_view ClassName() const override { return ClassText; }
  std::optional<std::u32string_view> Attribute(std::string_view name) const override {
    for (const auto& [key, value] : Attributes)
      if (key == name) return std::u32string_view(value);
    return std::nullopt;
  }
  const TStyleElement* Parent() const override { return Up; }
  bool IsFirstChild() const override { return First; }
  bool IsLink() const override { return Link; }
};

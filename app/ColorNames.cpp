#include "app/ColorNames.h"

#include <charconv>
#include <cstdio>
#include <utility>

namespace {

const std::vector<std::pair<std::string, TColor>>& Table() {
  static const std::vector<std::pair<std::string, TColor>> table = {
      {"Black", clBlack},
      {"Maroon", clMaroon},
      {"Green", clGreen},
      {"Olive", clOlive},
      {"Navy", clNavy},
      {"Purple", clPurple},
      {"Teal", clTeal},
      {"Gray", clGray},
      {"Silver", clSilver},
      {"Red", clRed},
      {"Lime", clLime},
      {"Yellow", clYellow},
      {"Blue", clBlue},
      {"Fuchsia", clFuchsia},
      {"Aqua", clAqua},
      {"White", clWhite},
      {"None", clNone},
      {"Scroll bar (system)", clScrollBar},
      {"Desktop (system)", clBackground},
      {"Active caption (system)", clActiveCaption},
      {"Inactive caption (system)", clInactiveCaption},
      {"Menu (system)", clMenu},
      {"Window (system)", clWindow},
      {"Window frame (system)", clWindowFrame},
      {"Menu text (system)", clMenuText},
      {"Window text (system)", clWindowText},
      {"Caption text (system)", clCaptionText},
      {"Active border (system)", clActiveBorder},
      {"Inactive border (system)", clInactiveBorder},
      {"Application background (system)", clAppWorkSpace},
      {"Highlight (system)", clHighlight},
      {"Highlighted text (system)", clHighlightText},
      {"Button face (system)", clBtnFace},
      {"Button shadow (system)", clBtnShadow},
      {"Disabled text (system)", clGrayText},
      {"Button text (system)", clBtnText},
      {"Inactive caption text (system)", clInactiveCaptionText},
      {"Button highlight (system)", clBtnHighlight},
      {"3D dark shadow (system)", cl3DDkShadow},
      {"3D light (system)", cl3DLight},
      {"Tool tip text (system)", SystemColor(sciInfoText)},
      {"Tool tip background (system)", SystemColor(sciInfoBk)}};
  return table;
}

constexpr std::size_t FixedCount = 17;

}  // namespace

const std::vector<std::string>& FixedColorNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> list;
    for (std::size_t i = 0; i < FixedCount; ++i) list.push_back(Table()[i].first);
    return list;
  }();
  return names;
}

std::string ColorToName(TColor color) {
  for (const auto& [name, value] : Table())
    if (value == color) return name;
  char text[16];
  std::snprintf(text, sizeof text, "$%08X", unsigned(color));
  return text;
}

std::optional<TColor> NameToColor(const std::string& name) {
  for (const auto& [known, value] : Table())
    if (known == name) return value;
  if (name.size() > 1 && name[0] == '$') {
    TColor value = 0;
    auto [at, error] = std::from_chars(name.data() + 1, name.data() + name.size(), value, 16);
    if (error == std::errc() && at == name.data() + name.size()) return value;
  }
  return std::nullopt;
}

#include "app/ColorNames.h"

#include <charconv>
#include <cstdio>
#include <utility>

namespace {

const std::vector<std::pair<std::string, TColor>>& Table() {
  static const std::vector<std::pair<std::string, TColor>> table = {
      {"clBlack", clBlack},
      {"clMaroon", clMaroon},
      {"clGreen", clGreen},
      {"clOlive", clOlive},
      {"clNavy", clNavy},
      {"clPurple", clPurple},
      {"clTeal", clTeal},
      {"clGray", clGray},
      {"clSilver", clSilver},
      {"clRed", clRed},
      {"clLime", clLime},
      {"clYellow", clYellow},
      {"clBlue", clBlue},
      {"clFuchsia", clFuchsia},
      {"clAqua", clAqua},
      {"clWhite", clWhite},
      {"clNone", clNone},
      {"clScrollBar", clScrollBar},
      {"clBackground", clBackground},
      {"clActiveCaption", clActiveCaption},
      {"clInactiveCaption", clInactiveCaption},
      {"clMenu", clMenu},
      {"clWindow", clWindow},
      {"clWindowFrame", clWindowFrame},
      {"clMenuText", clMenuText},
      {"clWindowText", clWindowText},
      {"clCaptionText", clCaptionText},
      {"clActiveBorder", clActiveBorder},
      {"clInactiveBorder", clInactiveBorder},
      {"clAppWorkSpace", clAppWorkSpace},
      {"clHighlight", clHighlight},
      {"clHighlightText", clHighlightText},
      {"clBtnFace", clBtnFace},
      {"clBtnShadow", clBtnShadow},
      {"clGrayText", clGrayText},
      {"clBtnText", clBtnText},
      {"clInactiveCaptionText", clInactiveCaptionText},
      {"clBtnHighlight", clBtnHighlight},
      {"cl3DDkShadow", cl3DDkShadow},
      {"cl3DLight", cl3DLight},
      {"clInfoText", SystemColor(sciInfoText)},
      {"clInfoBk", SystemColor(sciInfoBk)}};
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

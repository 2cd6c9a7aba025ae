#pragma once
// What the host tells the builder about page styles (PageStyles.h).

#include <functional>
#include <string>
#include <string_view>

// The host's part in reading linked sheets: the file a link names, taken relative to the
// page (and its BASE) when from is empty, else relative to the sheet file from. Empty when
// the link names no local file.
using TStyleLinkResolver = std::function<std::string(
    std::u32string_view link, std::u32string_view base, const std::string& from)>;

struct TPageStyleOptions {
  bool UsePageStyles = false;
  TStyleLinkResolver ResolveLink;  // none: linked sheets are not read
  // Whether the system has a font family of this name; none: every name is taken.
  std::function<bool(const std::string& family)> FamilyInstalled;
};

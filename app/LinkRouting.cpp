#include "app/LinkRouting.h"

#include <algorithm>
#include <array>

#include "html/support/LetterCase.h"
#include "html/support/Utf8.h"
#include "html/viewer/LinkPath.h"

namespace {

bool StartsWith(std::u32string_view text, std::u32string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool ContainsFileScheme(std::u32string_view text) {
  for (std::size_t i = 0; i + 5 <= text.size(); ++i)
    if (EqualsIgnoringCase(text.substr(i, 5), U"FILE:")) return true;
  return false;
}

template <std::size_t N>
bool OneOf(const std::string& extension, const std::array<const char*, N>& list) {
  return std::any_of(list.begin(), list.end(), [&](const char* item) { return extension == item; });
}

const std::array<const char*, 15> MediaKinds = {".MID", ".MIDI", ".AVI", ".MP3",  ".MP4",
                                                ".MPG", ".MPEG", ".MOV", ".OGG",  ".OGV",
                                                ".OGA", ".WEBM", ".MKV", ".FLAC", ".AU"};

bool ShownByViewer(const std::string& file) {
  const TNameKind kind = NameKindOf(file);
  return kind == nkPage || kind == nkText || kind == nkPicture;
}

}  // namespace

TLinkRoute RouteLink(std::u32string_view src, const TExpandLink& expandLink,
                     const TLinkFileOf& fileOf) {
  TLinkRoute route;
  std::u32string s(src.substr(0, 255));
  if (StartsWith(s, U"http://") || StartsWith(s, U"https://") || StartsWith(s, U"mailto:")) {
    route.Action = laDesktopUrl;
    route.Target = EncodeUtf8(s);
    return route;
  }
  const std::size_t colon = s.find(U':');
  if (colon != std::u32string::npos && colon >= 2 && !ContainsFileScheme(s)) return route;

  if (const std::size_t hash = s.find(U'#'); hash != std::u32string::npos) {
    route.Anchor = EncodeUtf8(s.substr(hash));
    s.erase(hash);
  }
  if (s.empty()) return route;  // an anchor on this page
  const std::string whole = expandLink(s);
  if (ShownByViewer(whole)) return route;

  std::string file = whole;
  TLinkFile facts = fileOf(whole);
  std::size_t split = s.find(U' ');
  if (split == std::u32string::npos) split = s.find(U'?');
  if (!facts.Exists && split != std::u32string::npos) {
    route.Arguments = EncodeUtf8(s.substr(split + 1));
    file = expandLink(s.substr(0, split));
    facts = fileOf(file);
  }
  route.Target = file;
  const std::string extension = UpperExtension(file);
  if (extension == ".WAV") {
    route.Action = laPlaySound;
  } else if (extension == ".EXE" || (NameKindOf(file) == nkOther && facts.Program)) {
    route.Action = laRunProgram;
    return route;
  } else if (OneOf(extension, MediaKinds)) {
    route.Action = laOpenWithDesktop;
  } else {
    route.Action = laOpenByKind;
  }
  route.Arguments.clear();
  return route;
}

std::string ProgramCommand(const TLinkRoute& route) {
  return route.Arguments.empty() ? route.Target : route.Target + " " + route.Arguments;
}

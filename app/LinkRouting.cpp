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

// Files the viewer shows itself: never run, whatever their permissions say.
const std::array<const char*, 8> ShownKinds = {".HTM", ".HTML", ".TXT",  ".BMP",
                                               ".GIF", ".JPG",  ".JPEG", ".PNG"};
const std::array<const char*, 15> MediaKinds = {".MID", ".MIDI", ".AVI", ".MP3",  ".MP4",
                                                ".MPG", ".MPEG", ".MOV", ".OGG",  ".OGV",
                                                ".OGA", ".WEBM", ".MKV", ".FLAC", ".AU"};

}  // namespace

TLinkRoute RouteLink(std::u32string_view src, const TExpandLink& expandLink,
                     const TIsExecutable& isExecutable) {
  TLinkRoute route;
  std::u32string s(src.substr(0, 255));
  if (StartsWith(s, U"http://") || StartsWith(s, U"https://") || StartsWith(s, U"mailto:")) {
    route.Action = laDesktopUrl;
    route.Target = EncodeUtf8(s);
    return route;
  }
  const std::size_t colon = s.find(U':');
  if (colon != std::u32string::npos && colon >= 2 && !ContainsFileScheme(s)) return route;

  std::size_t split = s.find(U' ');
  if (split == std::u32string::npos) split = s.find(U'?');
  if (split != std::u32string::npos) {
    route.Arguments = EncodeUtf8(s.substr(split + 1));
    s.erase(split);
  }
  if (const std::size_t hash = s.find(U'#'); hash != std::u32string::npos) s.erase(hash);
  if (s.empty()) return route;  // an anchor on this page

  const std::string file = expandLink(s);
  const std::string extension = UpperExtension(file);
  if (extension == ".WAV") {
    route.Action = laPlaySound;
  } else if (extension == ".EXE" || (!OneOf(extension, ShownKinds) && isExecutable(file))) {
    route.Action = laRunProgram;
  } else if (OneOf(extension, MediaKinds)) {
    route.Action = laOpenWithDesktop;
  } else {
    route.Arguments.clear();
    return route;
  }
  route.Target = file;
  if (route.Action != laRunProgram) route.Arguments.clear();
  return route;
}

std::string ProgramCommand(const TLinkRoute& route) {
  return route.Arguments.empty() ? route.Target : route.Target + " " + route.Arguments;
}

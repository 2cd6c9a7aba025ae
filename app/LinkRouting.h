#pragma once
// Where a clicked link goes, decided before the viewer's own link handling.
//
// 1. At most the first 255 characters count.
// 2. "http://", "https://" and "mailto:" (exact letter case) go to the desktop's handler.
// 3. Another scheme (a ":" after the second character, no "FILE:" in any letter case) is left
//    to the viewer.
// 4. The first blank, or without one the first "?", splits off the argument string.
// 5. The rest is expanded as the viewer expands links; an "#anchor" does not count for the
//    kind of file.
// 6. ".wav" plays inside the program; ".exe", or a file the system may run that is not a page,
//    text or image, is a program; ".mid", ".avi" and other media open with the desktop's
//    default application; everything else is the viewer's.

#include <functional>
#include <string>
#include <string_view>

enum TLinkAction {
  laViewer,           // the viewer follows the link itself
  laDesktopUrl,       // Target is the URL as written
  laPlaySound,        // Target is the file
  laOpenWithDesktop,  // Target is the file
  laRunProgram        // Target is the program, Arguments its argument string
};

struct TLinkRoute {
  TLinkAction Action = laViewer;
  std::string Target;
  std::string Arguments;
};

using TExpandLink = std::function<std::string(std::u32string_view link)>;
// Whether a file carries the permission to run it.
using TIsExecutable = std::function<bool(const std::string& path)>;

TLinkRoute RouteLink(std::u32string_view src, const TExpandLink& expandLink,
                     const TIsExecutable& isExecutable);

// The command a confirmation shows: the program, a blank and the arguments when there are any.
std::string ProgramCommand(const TLinkRoute& route);

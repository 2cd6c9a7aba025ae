#pragma once
// Where a clicked link goes, decided before the viewer's own link handling.
//
// 1. At most the first 255 characters count.
// 2. "http://", "https://" and "mailto:" (exact letter case) go to the desktop's handler.
// 3. Another scheme (a ":" after the second character, no "FILE:" in any letter case) is left
//    to the viewer.
// 4. An "#anchor" does not count for the file. A link to a page, text or picture is the
//    viewer's, which follows it (and says when the file is missing).
// 5. Otherwise, unless the whole link names a file that exists, the first blank, or without
//    one the first "?", splits off an argument string; the rest is expanded as the viewer
//    expands links.
// 6. ".wav" plays inside the program; ".exe", or a file the system may run that is not a
//    document, is a program; ".mid", ".avi" and other media open with the desktop's default
//    application. Anything else (a folder, a drawing, a page with a query, another kind of
//    file, a file that is not there) is opened by kind, as a file named in any other way is.

#include <functional>
#include <string>
#include <string_view>

enum TLinkAction {
  laViewer,           // the viewer follows the link itself
  laDesktopUrl,       // Target is the URL as written
  laPlaySound,        // Target is the file
  laOpenWithDesktop,  // Target is the file
  laRunProgram,       // Target is the program, Arguments its argument string
  laOpenByKind        // Target is the file, Anchor the link's "#anchor"
};

struct TLinkRoute {
  TLinkAction Action = laViewer;
  std::string Target;
  std::string Arguments;
  std::string Anchor;
};

using TExpandLink = std::function<std::string(std::u32string_view link)>;
// What the file system says of a name.
struct TLinkFile {
  bool Exists = false;   // a file or a folder
  bool Program = false;  // a file that carries the permission to run it
};
using TLinkFileOf = std::function<TLinkFile(const std::string& path)>;

TLinkRoute RouteLink(std::u32string_view src, const TExpandLink& expandLink,
                     const TLinkFileOf& fileOf);

// The command a confirmation shows: the program, a blank and the arguments when there are any.
std::string ProgramCommand(const TLinkRoute& route);

#include "app/CommandLine.h"

#include "html/support/LetterCase.h"
#include "html/viewer/LinkPath.h"

TCommandLineTarget ParseCommandLineTarget(const std::string& argument) {
  TCommandLineTarget target;
  std::string name = argument;
  if (auto hash = name.find('#'); hash != std::string::npos) {
    target.Anchor = name.substr(hash);
    name.erase(hash);
  }
  // A file URL reads as the links of a page do.
  target.Path = UrlToPath(name);
  target.AsText = UpperExtension(target.Path) == ".TXT";
  return target;
}

TCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  TCommandLine line;
  if (arguments.empty()) return line;
  const std::string& first = arguments[0];
  if (first == "--help") {
    line.Action = caHelp;
    return line;
  }
  if (first == "--version") {
    line.Action = caVersion;
    return line;
  }
  // On this system "/" also begins every absolute path, so only the exact words are options.
  const std::string option = UpperAscii(first);
  if (option == "/D" || option == "/DO") {
    if (arguments.size() < 2) {
      line.Action = caNothing;
      return line;
    }
    line.Action = option == "/D" ? caSetFolder : caShowOpenDialog;
    line.Folder = arguments[1];
    return line;
  }
  line.Action = caOpen;
  line.Target = ParseCommandLineTarget(first);
  return line;
}

std::string CommandLineUsage() {
  return "Usage: tamblin [FILE[#anchor]]\n"
         "       tamblin /D FOLDER     start the open dialog in FOLDER\n"
         "       tamblin /DO FOLDER    show the open dialog at once, in FOLDER\n"
         "       tamblin --help | --version\n"
         "FILE is an HTML, text or image file, or a file:// URL. Without FILE the page\n"
         "index.htm beside the program is shown.\n";
}

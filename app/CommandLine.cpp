#include "app/CommandLine.h"

#include "html/parser/DocumentSource.h"
#include "html/support/LetterCase.h"
#include "html/viewer/LinkPath.h"

TCommandLineTarget ParseCommandLineTarget(const std::string& argument) {
  TCommandLineTarget target;
  const bool url = EqualsIgnoringCase(std::string_view(argument).substr(0, 5), "file:");
  const std::size_t hash = url ? argument.find('#') : AnchorMark(argument);
  std::string name = argument.substr(0, hash);
  if (hash != std::string::npos) target.Anchor = argument.substr(hash);
  target.Path = url ? UrlToPath(name) : name;
  return target;
}

TCommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  TCommandLine line;
  if (arguments.empty()) return line;
  const std::string& first = arguments[0];
  if (first == "-h" || first == "--help") {
    line.Action = caHelp;
    return line;
  }
  if (first == "--version") {
    line.Action = caVersion;
    return line;
  }
  if (first == "--") {
    if (arguments.size() > 1) {
      line.Action = caOpen;
      line.Target = ParseCommandLineTarget(arguments[1]);
    }
    return line;
  }
  if (first.size() > 1 && first[0] == '-') {
    line.Action = caError;
    line.Error = "unknown option " + first;
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
         "       tamblin -h | --help | --version\n"
         "FILE is a page (.htm, .html, .xhtml, also compressed as .gz), a text file (.txt,\n"
         ".txt.gz), a picture, a folder (shown as a list of its entries) or a file:// URL;\n"
         "another kind of file opens with the desktop's application for it. Put \"--\"\n"
         "before a FILE that begins with \"-\". Without FILE the page index.htm beside the\n"
         "program is shown.\n";
}

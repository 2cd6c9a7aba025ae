#include "app/CommandLine.h"

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

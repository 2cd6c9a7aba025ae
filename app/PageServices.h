#pragma once
// What the main window keeps for pages: the results of submitted forms until they are saved,
// and the text spliced in for include directives.

#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Every "name=value" entry of every form submitted since the last successful save.
class TFormResults {
 public:
  void Append(const std::vector<std::u32string>& results);
  const std::vector<std::u32string>& Lines() const { return FLines; }
  // Writes one UTF-8 line per entry and empties the list. A file that cannot be written
  // keeps the list and gives false with the reason in error.
  bool SaveTo(const std::string& fileName, std::string& error);

 private:
  std::vector<std::u32string> FLines;
};

// Reads a whole file; none when it cannot be read.
using TReadFile = std::function<std::optional<std::string>(const std::string& name)>;

// The text that stands for an include directive, or none:
//   <!--#date-->                   today as "d-mmm-yyyy", e.g. "8-Dec-2026"
//   <!--#time-->                   the time now as "hh:mm:ss"
//   <!--#include FILE="name"-->    the file's bytes (the first parameter must hold FILE=")
// Commands compare in any letter case. resolve turns the name into the file to read.
std::optional<std::string> IncludeText(
    std::u32string_view command, const std::vector<std::u32string>& params, const std::tm& now,
    const std::function<std::string(std::u32string_view)>& resolve, const TReadFile& readFile);

// The whole of a file, or none.
std::optional<std::string> ReadWholeFile(const std::string& name);

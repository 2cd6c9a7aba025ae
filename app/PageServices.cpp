#include "app/PageServices.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "html/support/LetterCase.h"
#include "html/support/Utf8.h"

void TFormResults::Append(const std::vector<std::u32string>& results) {
  FLines.insert(FLines.end(), results.begin(), results.end());
}

bool TFormResults::SaveTo(const std::string& fileName, std::string& error) {
  std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
  if (!file) {
    error = "Can't write file: " + fileName;
    return false;
  }
  for (const std::u32string& line : FLines) file << EncodeUtf8(line) << '\n';
  file.close();
  if (!file) {
    error = "Can't write file: " + fileName;
    return false;
  }
  FLines.clear();
  return true;
}

std::optional<std::string> IncludeText(
    std::u32string_view command, const std::vector<std::u32string>& params, const std::tm& now,
    const std::function<std::string(std::u32string_view)>& resolve, const TReadFile& readFile) {
  static const char* const Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  char text[64];
  if (EqualsIgnoringCase(command, U"DATE")) {
    std::snprintf(text, sizeof text, "%d-%s-%d", now.tm_mday, Months[now.tm_mon % 12],
                  now.tm_year + 1900);
    return std::string(text);
  }
  if (EqualsIgnoringCase(command, U"TIME")) {
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", now.tm_hour, now.tm_min, now.tm_sec);
    return std::string(text);
  }
  if (EqualsIgnoringCase(command, U"INCLUDE") && !params.empty()) {
    const std::u32string& first = params[0];
    const std::size_t start = first.find(U"FILE=\"");
    if (start == std::u32string::npos) return std::nullopt;
    std::u32string name = first.substr(start + 6);
    if (const std::size_t quote = name.find(U'"'); quote != std::u32string::npos) name.erase(quote);
    if (name.empty()) return std::nullopt;
    return readFile(resolve(name));
  }
  return std::nullopt;
}

std::optional<std::string> ReadWholeFile(const std::string& name) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(name, error)) return std::nullopt;
  std::ifstream file(name, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream bytes;
  bytes << file.rdbuf();
  if (file.bad()) return std::nullopt;
  return bytes.str();
}

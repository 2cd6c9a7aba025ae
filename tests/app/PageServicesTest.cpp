#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/PageServices.h"

namespace {

std::string Contents(const std::filesystem::path& file) {
  return ReadWholeFile(file.string()).value_or("<unreadable>");
}

}  // namespace

TEST(FormResults, SavedOnceThenEmpty) {
  const auto folder = std::filesystem::temp_directory_path() / "tamblin-form-results";
  std::filesystem::create_directories(folder);
  TFormResults results;
  results.Append({U"name=Ann", U"city=K\u00f6ln"});
  results.Append({U"size=large"});
  std::string error;
  ASSERT_TRUE(results.SaveTo((folder / "first.txt").string(), error));
  EXPECT_EQ(Contents(folder / "first.txt"), "name=Ann\ncity=K\xc3\xb6ln\nsize=large\n");
  EXPECT_TRUE(results.Lines().empty());
  // A second save writes an empty file.
  ASSERT_TRUE(results.SaveTo((folder / "second.txt").string(), error));
  EXPECT_EQ(Contents(folder / "second.txt"), "");

  // A file that cannot be written keeps what was collected.
  results.Append({U"kept=1"});
  EXPECT_FALSE(results.SaveTo((folder / "no-such-folder" / "x.txt").string(), error));
  EXPECT_NE(error.find("no-such-folder"), std::string::npos);
  EXPECT_EQ(results.Lines().size(), 1u);
  std::filesystem::remove_all(folder);
}

TEST(Includes, DateTimeAndFiles) {
  std::tm when{};
  when.tm_year = 2026 - 1900;
  when.tm_mon = 0;
  when.tm_mday = 5;
  when.tm_hour = 9;
  when.tm_min = 7;
  when.tm_sec = 3;
  std::string asked;
  auto resolve = [](std::u32string_view name) {
    return "/pages/" + std::string(name.begin(), name.end());
  };
  auto read = [&](const std::string& name) -> std::optional<std::string> {
    asked = name;
    if (name == "/pages/part.htm") return std::string("<b>part</b>");
    return std::nullopt;
  };
  EXPECT_EQ(IncludeText(U"Date", {}, when, resolve, read), "5-Jan-2026");
  EXPECT_EQ(IncludeText(U"TIME", {}, when, resolve, read), "09:07:03");
  EXPECT_EQ(IncludeText(U"include", {U"FILE=\"part.htm\""}, when, resolve, read), "<b>part</b>");
  EXPECT_EQ(asked, "/pages/part.htm");
  // Unreadable files, other parameters and other commands splice nothing.
  EXPECT_EQ(IncludeText(U"Include", {U"FILE=\"gone.htm\""}, when, resolve, read), std::nullopt);
  EXPECT_EQ(IncludeText(U"Include", {U"VIRTUAL=\"part.htm\""}, when, resolve, read), std::nullopt);
  EXPECT_EQ(IncludeText(U"Include", {}, when, resolve, read), std::nullopt);
  EXPECT_EQ(IncludeText(U"Exec", {U"FILE=\"part.htm\""}, when, resolve, read), std::nullopt);
  // A folder is not a file to read.
  EXPECT_EQ(ReadWholeFile(std::filesystem::temp_directory_path().string()), std::nullopt);
}

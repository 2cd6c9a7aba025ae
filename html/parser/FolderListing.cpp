#include "html/parser/FolderListing.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string_view>

#include "html/parser/SourceText.h"
#include "html/support/LetterCase.h"
#include "html/support/PercentEscapes.h"
#include "html/support/Utf8.h"

namespace {

namespace fs = std::filesystem;

// Folders first, then by name with letter case aside, then by the bytes.
bool ListedBefore(const TFolderEntry& a, const TFolderEntry& b) {
  if (a.Folder != b.Folder) return a.Folder;
  // Compared in place: a large folder makes many comparisons.
  const auto lower = [](char ch) { return static_cast<unsigned char>(LowerAscii(ch)); };
  const auto [endA, endB] =
      std::mismatch(a.Name.begin(), a.Name.end(), b.Name.begin(), b.Name.end(),
                    [&](char x, char y) { return lower(x) == lower(y); });
  if (endA != a.Name.end() && endB != b.Name.end()) return lower(*endA) < lower(*endB);
  if (endA != a.Name.end() || endB != b.Name.end()) return endA == a.Name.end();
  return a.Name < b.Name;
}

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// A name's bytes as text to show, read by the rules for plain text (mostly UTF-8, else
// Windows-1252); control characters stand out as U+FFFD, and markup characters are entities.
std::string ShownName(std::string_view bytes) {
  TSourceText source(bytes, TSourceKind::PlainText);
  std::u32string shown;
  for (char32_t ch = source.Next(); ch != EndOfInput; ch = source.Next()) {
    if (ch < 0x20 || ch == 0x7F)
      shown += U'\uFFFD';
    else if (ch == U'&')
      shown += U"&amp;";
    else if (ch == U'<')
      shown += U"&lt;";
    else if (ch == U'>')
      shown += U"&gt;";
    else if (ch == U'"')
      shown += U"&quot;";
    else
      shown += ch;
  }
  return EncodeUtf8(shown);
}

// "512 bytes", "1.5 KB", "12.0 MB": one decimal from the second unit on, in any locale.
std::string SizeText(std::uintmax_t size) {
  if (size < 1024) return std::to_string(size) + (size == 1 ? " byte" : " bytes");
  static constexpr const char* Units[] = {"KB", "MB", "GB", "TB", "PB"};
  std::size_t unit = 0;
  std::uintmax_t scale = 1024;
  while (unit + 1 < std::size(Units) && size / scale >= 1024) {
    ++unit;
    scale *= 1024;
  }
  const std::uintmax_t tenths = (size * 10 + scale / 2) / scale;
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " " + Units[unit];
}

std::string TimeText(std::time_t time) {
  std::tm local{};
  if (!localtime_r(&time, &local)) return {};
  char text[32];
  const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
  return std::string(text, length);
}

std::string CountText(std::size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

TFolderContents ReadFolder(const std::string& folder, std::size_t maxEntries) {
  TFolderContents contents;
  std::error_code error;
  fs::directory_iterator entry(folder, fs::directory_options::skip_permission_denied, error);
  if (error) {
    contents.Readable = false;
    return contents;
  }
  // While reading, the entries kept are a heap whose top is the one listed last, so that a
  // folder of any size costs only maxEntries entries.
  std::vector<TFolderEntry>& kept = contents.Entries;
  for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
    TFolderEntry item;
    item.Name = entry->path().filename().string();
    std::error_code typeError;
    item.Folder = entry->is_directory(typeError);
    if (kept.size() < maxEntries) {
      kept.push_back(std::move(item));
      std::push_heap(kept.begin(), kept.end(), ListedBefore);
      continue;
    }
    ++contents.Unlisted;
    if (kept.empty() || !ListedBefore(item, kept.front())) continue;
    std::pop_heap(kept.begin(), kept.end(), ListedBefore);
    kept.back() = std::move(item);
    std::push_heap(kept.begin(), kept.end(), ListedBefore);
  }
  std::sort_heap(kept.begin(), kept.end(), ListedBefore);
  const std::string prefix = WithSlash(folder);
  for (TFolderEntry& item : kept) {
    struct stat status {};
    if (::stat((prefix + item.Name).c_str(), &status) != 0) continue;
    if (S_ISREG(status.st_mode)) item.Size = std::uintmax_t(status.st_size);
    item.Modified = status.st_mtime;
  }
  return contents;
}

std::string FolderListingPage(const std::string& folder, const TFolderContents& contents) {
  const std::string name = WithSlash(folder);
  const std::string shown = ShownName(name);
  std::string page = "<html><head><meta charset=\"utf-8\"><title>Index of " + shown +
                     "</title><base href=\"" + FileUrl(name) + "\"></head>\n<body>\n";
  page += "<h2>Index of " + shown + "</h2>\n";
  if (name != "/") page += "<p><a href=\"../\">Up to the folder above</a></p>\n";
  if (!contents.Readable) return page + "<p>This folder cannot be read.</p>\n</body></html>\n";

  page +=
      "<table cellspacing=0 cellpadding=2>\n"
      "<tr><th align=left>Name</th><th align=right>Size</th>"
      "<th align=left>&nbsp;&nbsp;Modified</th></tr>\n";
  std::size_t folders = 0;
  for (const TFolderEntry& item : contents.Entries) {
    folders += item.Folder;
    const std::string slash = item.Folder ? "/" : "";
    // "./" keeps a name that begins with "%" or holds ":" from reading as an escape or a
    // scheme of its own.
    page += "<tr><td><a href=\"./" + PercentEscaped(item.Name) + slash + "\">" +
            ShownName(item.Name) + slash + "</a></td><td align=right>" +
            (item.Size ? SizeText(*item.Size) : "") + "</td><td>&nbsp;&nbsp;" +
            (item.Modified ? TimeText(*item.Modified) : "") + "</td></tr>\n";
  }
  page += "</table>\n<p>" + CountText(folders, "folder", "folders") + ", " +
          CountText(contents.Entries.size() - folders, "file", "files");
  if (contents.Unlisted > 0)
    page +=
        "; " + CountText(contents.Unlisted, "more entry is", "more entries are") + " not listed";
  return page + ".</p>\n</body></html>\n";
}

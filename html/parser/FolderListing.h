#pragma once
// The page shown for a folder: a link up to the folder above it, then a table of its entries,
// folders first and then files, each group by name (letter case aside), with their sizes and
// the times they were last changed. Links are relative to the folder (the page's BASE names
// it), so they open as any link of a page does.
//
// Names are the file system's bytes: a link spells them in percent escapes, and the text shows
// them as UTF-8 when they are, else as Windows-1252, with markup characters written as
// entities. A folder of any size is read once, keeping only the first MaxListedEntries in that
// order; the page says how many more there are.

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

struct TFolderEntry {
  std::string Name;  // the bytes of the name
  bool Folder = false;
  std::optional<std::uintmax_t> Size;  // files whose size can be read
  std::optional<std::time_t> Modified;
};

struct TFolderContents {
  bool Readable = true;
  std::vector<TFolderEntry> Entries;  // in the listing's order
  std::size_t Unlisted = 0;           // entries beyond those kept
};

constexpr std::size_t MaxListedEntries = 5000;

// folder: a folder's name, ending in "/" or not.
TFolderContents ReadFolder(const std::string& folder, std::size_t maxEntries = MaxListedEntries);

// The page for the contents of folder, as UTF-8 HTML.
std::string FolderListingPage(const std::string& folder, const TFolderContents& contents);

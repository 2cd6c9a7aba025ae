#pragma once
// The viewer's back and forward history: parallel lists of file names, titles and reading
// positions, index 0 the newest entry. The viewer decides when entries are made and dropped;
// this class only keeps the lists in step.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The kinds of document the viewer shows.
enum TDocKind { dkHtml, dkText, dkImage };

// One history entry's place: the reading position (TriruRedu::DocPosition) and the kind the
// file was shown as.
struct TPositionObj {
  std::int64_t ScrollPos = 0;
  TDocKind FileKind = dkHtml;
  friend bool operator==(const TPositionObj&, const TPositionObj&) = default;
};

class THistory {
 public:
  std::size_t Count() const { return FFiles.size(); }
  bool Empty() const { return FFiles.empty(); }

  const std::vector<std::string>& Files() const { return FFiles; }
  const std::vector<std::u32string>& Titles() const { return FTitles; }
  const std::vector<TPositionObj>& Positions() const { return FPositions; }

  // Inserts a new newest entry at index 0.
  void Push(const std::string& file, const std::u32string& title, TPositionObj position);
  // Overwrites the entry at index (which must exist).
  void Set(std::size_t index, const std::string& file, const std::u32string& title,
           TPositionObj position);
  // Drops the count newest entries.
  void DropNewest(std::size_t count);
  // Drops the oldest entries until at most count are left.
  void KeepNewest(std::size_t count);
  void Clear();

 private:
  std::vector<std::string> FFiles;
  std::vector<std::u32string> FTitles;
  std::vector<TPositionObj> FPositions;
};

#include "html/viewer/History.h"

#include <algorithm>

void THistory::Push(const std::string& file, const std::u32string& title, TPositionObj position) {
  FFiles.insert(FFiles.begin(), file);
  FTitles.insert(FTitles.begin(), title);
  FPositions.insert(FPositions.begin(), position);
}

void THistory::Set(std::size_t index, const std::string& file, const std::u32string& title,
                   TPositionObj position) {
  FFiles[index] = file;
  FTitles[index] = title;
  FPositions[index] = position;
}

void THistory::DropNewest(std::size_t count) {
  count = std::min(count, Count());
  const auto n = std::ptrdiff_t(count);
  FFiles.erase(FFiles.begin(), FFiles.begin() + n);
  FTitles.erase(FTitles.begin(), FTitles.begin() + n);
  FPositions.erase(FPositions.begin(), FPositions.begin() + n);
}

void THistory::KeepNewest(std::size_t count) {
  if (Count() <= count) return;
  FFiles.resize(count);
  FTitles.resize(count);
  FPositions.resize(count);
}

void THistory::Clear() {
  FFiles.clear();
  FTitles.clear();
  FPositions.clear();
}

#include "html/document/IndentManager.h"

#include <algorithm>

#include "html/document/InlineObjects.h"

namespace {

bool Covers(const IndentRec& rec, int y) { return rec.YT <= y && y < rec.YB; }

}  // namespace

void IndentManagerBasic::ClearRecs() {
  LeftRecs.clear();
  RightRecs.clear();
  RetiredLeft.clear();
  RetiredRight.clear();
  Frontier = INT_MIN;
}

void IndentManagerBasic::Retire(int y) {
  if (y <= Frontier) return;
  Frontier = y;
  // A record ending before y cannot reach y - 1 either: the float bottoms and clear heights
  // asked from y on come out the same without it.
  const auto move = [y](std::vector<IndentRec>& recs, std::vector<IndentRec>& retired) {
    std::size_t kept = 0;
    for (const IndentRec& rec : recs) {
      if (rec.YB < y)
        retired.push_back(rec);
      else
        recs[kept++] = rec;
    }
    recs.resize(kept);
  };
  move(LeftRecs, RetiredLeft);
  move(RightRecs, RetiredRight);
}

void IndentManagerBasic::SetEdges(int left, int right) {
  LeftEdge = left;
  RightEdge = right;
  Level = 0;
}

int IndentManagerBasic::LeftIndent(int y) const {
  int x = 0;
  for (const IndentRec& rec : LeftRecs)
    if (Covers(rec, y)) x = std::max(x, rec.X);
  if (y < Frontier)
    for (const IndentRec& rec : RetiredLeft)
      if (Covers(rec, y)) x = std::max(x, rec.X);
  return LeftEdge + x;
}

int IndentManagerBasic::RightLimit(int y) const {
  int x = 0;
  for (const IndentRec& rec : RightRecs)
    if (Covers(rec, y)) x = std::min(x, rec.X);
  if (y < Frontier)
    for (const IndentRec& rec : RetiredRight)
      if (Covers(rec, y)) x = std::min(x, rec.X);
  return RightEdge + x;
}

void IndentManagerBasic::SetLevel(int y, int level) {
  Retire(y);
  if (level > Level) {
    // Each new level is the widest record at y, so the next one indents from it.
    int x = LeftIndent(y) - LeftEdge;
    for (int d = Level + 1; d <= level; ++d) {
      x += LevelIndent;
      LeftRecs.push_back({x, y, OpenBandBottom, d});
    }
  } else if (level < Level && Level > 0) {
    for (IndentRec& rec : LeftRecs)
      if (rec.ID > level) {
        rec.ID = 0;
        rec.YB = y - 1;
      }
  }
  Level = level;
}

void IndentManagerBasic::AddFloatImage(int y, TInlineImage& image) {
  const int w = image.ImageWidth, h = image.ImageHeight, s = image.HSpace;
  if (image.Align == iaLeft) {
    image.FloatOffset = LeftIndent(y) - LeftEdge;
    LeftRecs.push_back({image.FloatOffset + w + s, y, y + h, 0});
  } else if (image.Align == iaRight) {
    const int x = RightLimit(y) - RightEdge - (w + s);
    image.FloatOffset = RightEdge + x + s;
    RightRecs.push_back({x, y, y + h, 0});
  }
}

void IndentManagerBasic::AddFloat(int y, int width, int side, int height) {
  if (side == 1)
    LeftRecs.push_back({LeftIndent(y) + width - LeftEdge, y, y + height, 0});
  else if (side == 3)
    RightRecs.push_back({RightLimit(y) - RightEdge - width, y, y + height, 0});
}

int IndentManagerBasic::FloatBottom() const {
  int bottom = 0;
  for (const auto* recs : {&LeftRecs, &RightRecs})
    for (const IndentRec& rec : *recs)
      if (rec.ID == 0) bottom = std::max(bottom, rec.YB);
  return bottom;
}

int IndentManagerBasic::NextFloatBottom(int y) const {
  int bottom = -1;
  for (const auto* recs : {&LeftRecs, &RightRecs})
    for (const IndentRec& rec : *recs)
      if (rec.ID == 0 && Covers(rec, y) && (bottom < 0 || rec.YB < bottom)) bottom = rec.YB;
  return bottom;
}

void IndentManagerBasic::ClearBottoms(int& left, int& right) const {
  const auto sideBottom = [](const std::vector<IndentRec>& recs) {
    int bottom = 0;
    bool any = false;
    for (const IndentRec& rec : recs)
      if (rec.ID == 0) {
        bottom = any ? std::max(bottom, rec.YB) : rec.YB;
        any = true;
      }
    return any ? bottom + 1 : 0;
  };
  left = sideBottom(LeftRecs);
  right = sideBottom(RightRecs);
}

int IndentManagerBasic::LevelFloatBottom() const {
  int levelX = 0;
  for (const IndentRec& rec : LeftRecs)
    if (rec.ID == Level && Level > 0) levelX = rec.X;
  int bottom = 0;
  for (const IndentRec& rec : LeftRecs)
    if (rec.X > levelX) bottom = std::max(bottom, rec.YB);
  return bottom + 1;
}

#include <gtest/gtest.h>

#include "html/document/IndentManager.h"
#include "html/document/InlineObjects.h"

namespace {

class TBox : public TInlineImage {
 public:
  TBox(int width, int height, TImageAlign align, int hSpace) {
    ImageWidth = width;
    ImageHeight = height;
    Align = align;
    HSpace = hSpace;
  }
  void ComputeSize(TSectionList&, TCanvas&, int, const TFontObj&) override {}
  void DrawImage(TCanvas&, int, const TFontObj&, int, int) override {}
  bool ContainsPoint(int, int, int&, int&) const override { return false; }
  bool AnswersClick(int, int, TInlineControl*&, std::optional<TUrlTarget>&) override {
    return false;
  }
};

IndentManager Cell(int left, int right) {
  IndentManager indent;
  indent.SetEdges(left, right);
  return indent;
}

}  // namespace

TEST(IndentManager, EdgesAloneWithoutRecords) {
  const IndentManager indent = Cell(20, 620);
  for (int y : {-5, 0, 1000, 9999999}) {
    EXPECT_EQ(indent.LeftIndent(y), 20);
    EXPECT_EQ(indent.RightLimit(y), 620);
  }
  int left = -1, right = -1;
  indent.ClearBottoms(left, right);
  EXPECT_EQ(left, 0);
  EXPECT_EQ(right, 0);
  EXPECT_EQ(indent.FloatBottom(), 0);
  EXPECT_EQ(indent.LevelFloatBottom(), 1);
}

TEST(IndentManager, LeftFloatsStandSideBySide) {
  IndentManager indent = Cell(0, 600);
  TBox first(100, 50, iaLeft, 5), second(40, 30, iaLeft, 5);
  indent.AddFloatImage(10, first);
  indent.AddFloatImage(10, second);
  EXPECT_EQ(first.FloatOffset, 0);
  EXPECT_EQ(second.FloatOffset, 105);
  EXPECT_EQ(indent.LeftIndent(10), 150);  // lines beside them start after the second
  EXPECT_EQ(indent.LeftIndent(39), 150);
  EXPECT_EQ(indent.LeftIndent(40), 105);  // the second's band ends at 10 + 30
  EXPECT_EQ(indent.LeftIndent(60), 0);    // and the first's at 10 + 50
  EXPECT_EQ(indent.LeftIndent(9), 0);
  EXPECT_EQ(indent.FloatBottom(), 60);
}

TEST(IndentManager, RightFloatSitsAtTheRightLimit) {
  IndentManager indent = Cell(0, 600);
  TBox box(100, 40, iaRight, 5);
  indent.AddFloatImage(0, box);
  EXPECT_EQ(box.FloatOffset, 500);
  EXPECT_EQ(indent.RightLimit(0), 495);
  EXPECT_EQ(indent.RightLimit(40), 600);
  int left = 0, right = 0;
  indent.ClearBottoms(left, right);
  EXPECT_EQ(left, 0);
  EXPECT_EQ(right, 41);
  TBox centred(10, 10, iaMiddle, 5);
  indent.AddFloatImage(0, centred);
  EXPECT_EQ(indent.RightRecs.size(), 1u);
  EXPECT_EQ(indent.LeftRecs.size(), 0u);
}

TEST(IndentManager, LevelsAndFloatsStack) {
  IndentManager indent = Cell(0, 600);
  indent.SetLevel(0, 2);
  EXPECT_EQ(indent.LeftIndent(0), 70);
  TBox box(50, 100, iaLeft, 5);
  indent.AddFloatImage(10, box);
  EXPECT_EQ(box.FloatOffset, 70);        // after both level indents
  EXPECT_EQ(indent.LeftIndent(10), 125);
  indent.SetLevel(20, 3);                // a level opened beside the float
  EXPECT_EQ(indent.LeftIndent(20), 160);
  EXPECT_EQ(indent.LevelFloatBottom(), 1);  // nothing reaches beyond the level's own indent
  indent.SetLevel(30, 1);
  EXPECT_EQ(indent.LevelFloatBottom(), 111);  // the float reaches into level 1's indentation
}

TEST(IndentManager, ClosingALevelEndsItsIndentJustAbove) {
  IndentManager indent = Cell(0, 600);
  indent.SetLevel(0, 2);
  indent.SetLevel(500, 1);
  EXPECT_EQ(indent.Level, 1);
  EXPECT_EQ(indent.LeftIndent(498), 70);
  EXPECT_EQ(indent.LeftIndent(499), 35);
  EXPECT_EQ(indent.LeftIndent(10000), 35);
  // The closed record counts as a float now.
  EXPECT_EQ(indent.FloatBottom(), 499);
  indent.SetLevel(600, 0);
  EXPECT_EQ(indent.LeftIndent(600), 0);
}

TEST(IndentManager, OtherFloatsAndEdgesInDrawing) {
  IndentManager indent = Cell(0, 300);
  indent.AddFloat(0, 120, 1, 40);
  indent.AddFloat(0, 80, 3, 20);
  indent.AddFloat(0, 80, 2, 20);  // neither side
  EXPECT_EQ(indent.LeftIndent(0), 120);
  EXPECT_EQ(indent.RightLimit(0), 220);
  EXPECT_EQ(indent.RightLimit(20), 300);
  // Drawing moves the edges; the floats keep their offsets.
  indent.SetEdges(50, 350);
  EXPECT_EQ(indent.LeftIndent(0), 170);
  EXPECT_EQ(indent.RightLimit(0), 270);
}

TEST(IndentManager, DeepNestingStaysCheap) {
  IndentManager indent = Cell(0, 600);
  indent.SetLevel(0, 200000);
  EXPECT_EQ(indent.LeftIndent(0), 200000 * 35);
  indent.SetLevel(10, 0);
  EXPECT_EQ(indent.LeftIndent(10), 0);
}

TEST(IndentManager, RecordsLayoutHasPassedStillAnswerForDrawing) {
  IndentManager indent = Cell(0, 600);
  indent.SetLevel(0, 1);
  TBox box(50, 20, iaLeft, 0);
  indent.AddFloatImage(10, box);
  indent.SetLevel(100, 0);  // the level closes at 99; the float ended at 30
  indent.SetLevel(200, 0);  // layout has moved on below both
  EXPECT_EQ(indent.LeftIndent(200), 0);
  EXPECT_EQ(indent.LeftIndent(15), 85);
  EXPECT_EQ(indent.LeftIndent(50), 35);
  int left = -1, right = -1;
  indent.ClearBottoms(left, right);
  EXPECT_EQ(left, 0);  // nothing left to clear below 200
  EXPECT_EQ(indent.LevelFloatBottom(), 1);
}

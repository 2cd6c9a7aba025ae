#include "DocumentFixture.h"

#include "html/document/BlockSpaces.h"
#include "html/document/HorzLine.h"
#include "html/support/Errors.h"

namespace {

// A section of a fixed height that can fail its layout and records the link queries it gets.
class TProbeSection : public TSectionBase {
 public:
  TProbeSection(int flowHeight, int paintHeight, bool fails = false)
      : Fails(fails), Paint(paintHeight) {
    FlowHeight = flowHeight;
  }
  int Arrange(TCanvas& canvas, int y, IndentManager& indent, int& maxWidth, int& curs) override {
    if (Fails) throw EProcessError("Table has too many Columns");
    TSectionBase::Arrange(canvas, y, indent, maxWidth, curs);
    PaintHeight = Paint;
    return FlowHeight;
  }
  bool LinkAt(TCanvas&, int, int y, TInlineControl*&, std::optional<TUrlTarget>& url) override {
    AskedY = y;
    url.emplace();
    url->Url = U"hit";
    return true;
  }
  bool Fails;
  int Paint;
  int AskedY = -1;
};

}  // namespace

using SectionListTest = DocumentTest;

TEST_F(SectionListTest, AnEmptyDocument) {
  EXPECT_EQ(Arrange(400), 0);
  RenderAll();
  EXPECT_EQ(CountOf(clWhite), 400 * 300);
  int top = -1, index = -1;
  EXPECT_EQ(Document.SectionAtY(0, top, index), nullptr);
  EXPECT_EQ(Document.HeightAbove(3), 0);
  TInlineControl* control = nullptr;
  std::optional<TUrlTarget> link;
  EXPECT_FALSE(Document.LinkAt(*Canvas, 10, 10, control, link));
  int x = 0, y = 0, height = 0;
  bool inText = false;
  TCell* cell = nullptr;
  EXPECT_EQ(Document.PositionAt(*Canvas, 10, 10, x, y, height, cell, inText), -1);
}

TEST_F(SectionListTest, SectionsByHeight) {
  Document.AddSection(std::make_unique<TParagraphSpace>());  // 14
  AddText(U"one");                                          // 16
  Document.AddSection(std::make_unique<THeadingSpace>(2));  // 12
  Document.AddSection(nullptr);                              // ignored
  EXPECT_EQ(Document.Count(), 3u);
  EXPECT_EQ(Arrange(400), 42);
  int top = -1, index = -1;
  EXPECT_EQ(Document.SectionAtY(13, top, index), &Document[0]);
  EXPECT_EQ(Document.SectionAtY(14, top, index), &Document[1]);
  EXPECT_EQ(top, 14);
  EXPECT_EQ(index, 1);
  EXPECT_EQ(Document.SectionAtY(41, top, index), &Document[2]);
  EXPECT_EQ(Document.SectionAtY(42, top, index), nullptr);
  EXPECT_EQ(Document.HeightAbove(0), 0);
  EXPECT_EQ(Document.HeightAbove(2), 30);
  EXPECT_EQ(Document.HeightAbove(99), 30);  // counts as the last section
  EXPECT_EQ(Document.PosCount, 3);
  EXPECT_STREQ(Document[0].KindName(), "TParagraphSpace");
  EXPECT_STREQ(Document[1].KindName(), "TSection");
}

TEST_F(SectionListTest, LinkQueriesReachIntoAnOverhang) {
  auto tall = std::make_unique<TProbeSection>(10, 50);
  TProbeSection& probe = *tall;
  Document.AddSection(std::move(tall));
  Document.AddSection(std::make_unique<TProbeSection>(10, 10));
  Arrange(400);
  TInlineControl* control = nullptr;
  std::optional<TUrlTarget> link;
  EXPECT_TRUE(Document.LinkAt(*Canvas, 5, 30, control, link));
  EXPECT_EQ(probe.AskedY, 30);
  EXPECT_EQ(link->Url, U"hit");
  EXPECT_FALSE(Document.LinkAt(*Canvas, 5, 60, control, link));
  EXPECT_FALSE(link.has_value());
}

TEST_F(SectionListTest, ASectionThatCannotBeLaidOutIsDropped) {
  std::vector<std::string> messages;
  Document.OnProcessError = [&](const std::string& message) { messages.push_back(message); };
  AddText(U"before");
  Document.AddSection(std::make_unique<TProbeSection>(10, 10, true));
  AddText(U"after");
  EXPECT_EQ(Arrange(400), 32);
  EXPECT_EQ(Document.Count(), 2u);
  EXPECT_EQ(messages, std::vector<std::string>{"Table has too many Columns"});
  EXPECT_EQ(Document[1].Top, 16);
}

TEST_F(SectionListTest, ScrollingMarksControlsMoved) {
  TFakeControl shown, hidden;
  Document.FormControls = {&shown, &hidden};
  Document.SetScrollTop(0);
  EXPECT_FALSE(Document.ControlsMoved);
  auto section = std::make_unique<TSection>(Document.RunFonts, 0, jLeft, nullptr, BaseFont());
  section->AppendText(U"ab");
  section->InsertControl(shown);
  Document.AddSection(std::move(section));
  Arrange(400);
  EXPECT_TRUE(hidden.Hidden);  // not placed by any draw yet
  shown.Hidden = hidden.Hidden = false;
  Document.SetScrollTop(2);
  EXPECT_TRUE(Document.ControlsMoved);
  RenderAll();
  EXPECT_FALSE(Document.ControlsMoved);
  EXPECT_TRUE(shown.Shown);
  EXPECT_FALSE(shown.Hidden);
  EXPECT_TRUE(hidden.Hidden);
  EXPECT_EQ(shown.PlacedX, 16);
  // The line is 20 - 16 pixels taller above the text: the control's top is the line's top.
  EXPECT_EQ(shown.PlacedTop, 0 - 2);
}

TEST_F(SectionListTest, ControlsKeepTheFocusOutOfSight) {
  TFakeControl focused, other;
  focused.Focused = true;
  Document.FormControls = {&focused, &other};
  Document.HideControls();
  EXPECT_TRUE(focused.OutOfSight);
  EXPECT_TRUE(other.OutOfSight);
  EXPECT_FALSE(other.Hidden);
}

TEST_F(SectionListTest, ClearKeepsTheDefaults) {
  int changes = 0;
  Document.OnBackgroundChange = [&](TSectionList&) { ++changes; };
  const std::string longName(50, 'f');
  Document.SetDefaults(longName, "Mono", 14, clRed, clGreen, clWhite);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(Document.FontName.size(), 33u);
  Document.SetBackgroundImageName(U"back.gif");
  Document.SelectionStart = 1;
  Document.SelectionEnd = 5;
  AddText(U"x");
  Document.Clear();
  EXPECT_EQ(Document.Count(), 0u);
  EXPECT_TRUE(Document.BackgroundImageName.empty());
  EXPECT_EQ(Document.SelectionEnd, 0);
  EXPECT_EQ(Document.FontSize, 14);
  EXPECT_EQ(Document.FontColor, clRed);
  EXPECT_EQ(Document.Background, clWhite);
}

TEST_F(SectionListTest, DefaultsOfANewDocument) {
  EXPECT_EQ(Document.FontName, "Times New Roman");
  EXPECT_EQ(Document.PreFontName, "Courier New");
  EXPECT_EQ(Document.FontSize, 12);
  EXPECT_EQ(Document.FontColor, clBtnText);
  EXPECT_EQ(Document.HotSpotColor, clBlue);
  EXPECT_EQ(Document.Background, clBtnFace);
}

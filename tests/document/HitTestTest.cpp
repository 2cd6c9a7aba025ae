#include "DocumentFixture.h"

#include "html/document/BlockSpaces.h"
#include "html/document/ListItems.h"

namespace {

// Characters of the 12-point test font are 8 pixels wide, lines 16 high with descent 4.
class HitTestTest : public DocumentTest {
 protected:
  // Position, caret x, caret y, caret height and in-text (0 or 1) at a point.
  std::array<int, 5> CaretAt(int x, int y) {
    int caretX = -1, caretY = -1, height = -1;
    bool inText = false;
    TCell* cell = nullptr;
    const int pos = Document.PositionAt(*Canvas, x, y, caretX, caretY, height, cell, inText);
    EXPECT_EQ(cell, pos >= 0 ? &Document : nullptr);
    return {pos, caretX, caretY, height, inText};
  }
  std::optional<TUrlTarget> LinkAt(int x, int y, TInlineControl*& control) {
    std::optional<TUrlTarget> link;
    const bool found = Document.LinkAt(*Canvas, x, y, control, link);
    EXPECT_EQ(found, control || link);  // true exactly when it gives something
    return link;
  }
  TFakeImage& AddImage(TSection& section, int width, int height, TImageAlign align) {
    return static_cast<TFakeImage&>(
        section.InsertImage(std::make_unique<TFakeImage>(width, height, align)));
  }
};

}  // namespace

TEST_F(HitTestTest, PositionsAcrossLinesRunsAndSections) {
  // Lines at positions 0-9 and 10-18, then an item indented 35 pixels whose "CD" is twice the
  // size (32 pixels high, 16 wide).
  TSection& first = AddText(U"aaaa bbbb cccc dddd");
  auto& item = AddText<TUListItem>(U"ab", 1, nullptr, BaseFont());
  TMyFont big = BaseFont();
  big.SetScale(Document, 24);
  item.ChangeFont(Document, big);
  item.AppendText(U"CD");
  EXPECT_EQ(Arrange(100), 64);
  RenderAll();

  using Caret = std::array<int, 5>;
  EXPECT_EQ(CaretAt(3, 5), (Caret{0, 0, 0, 16, 1}));     // left half: before the character
  EXPECT_EQ(CaretAt(5, 5), (Caret{1, 8, 0, 16, 1}));     // right half: after it
  EXPECT_EQ(CaretAt(13, 20), (Caret{12, 16, 16, 16, 1}));
  EXPECT_EQ(CaretAt(300, 20), (Caret{19, 72, 16, 16, 0}));  // beyond the line's end
  EXPECT_EQ(CaretAt(10, 40), (Caret{19, 35, 32, 32, 0}));   // left of the line
  EXPECT_EQ(CaretAt(58, 40), (Caret{21, 51, 32, 32, 1}));
  EXPECT_EQ(CaretAt(61, 40), (Caret{22, 67, 32, 32, 1}));
  EXPECT_EQ(CaretAt(5, 64)[0], -1);  // below the last section

  // Every position's point leads back to it.
  for (int pos = 0; pos < 23; ++pos) {
    int x = -1, y = -1;
    ASSERT_TRUE(Document.PositionToPoint(*Canvas, pos, x, y)) << pos;
    EXPECT_EQ(CaretAt(x, y), (Caret{pos, x, y, y < 32 ? 16 : 32, 1}));
  }
  int x = 0, y = 0;
  EXPECT_FALSE(Document.PositionToPoint(*Canvas, 23, x, y));

  char32_t ch = 0;
  TSectionBase* section = nullptr;
  EXPECT_TRUE(Document.CharAt(18, ch, section) && ch == U'd' && section == &first);
  EXPECT_TRUE(Document.CharAt(19, ch, section) && ch == U'a' && section == &item);
  EXPECT_FALSE(Document.CharAt(23, ch, section) || Document.CharAt(-1, ch, section));
}

TEST_F(HitTestTest, CaretsBesideImages) {
  // An image on the baseline raises the line by 38: the caret of a click and the point of its
  // position agree on the line's y.
  TSection& raised = AddText(U"ab");
  AddImage(raised, 10, 50, iaBottom);
  raised.AppendText(U"cd");
  // A left float pushes the line 50 pixels right but takes no room inside it.
  auto floated = MakeSection();
  AddImage(*floated, 50, 40, iaLeft);
  floated->AppendText(U"abc");  // positions 5 (the float) to 8
  Document.AddSection(std::move(floated));
  Arrange(400);
  RenderAll();

  using Caret = std::array<int, 5>;
  EXPECT_EQ(CaretAt(20, 45), (Caret{2, 16, 38, 16, 1}));  // the image's left half
  EXPECT_EQ(CaretAt(30, 45), (Caret{3, 26, 38, 16, 1}));
  int x = 0, y = 0;
  EXPECT_TRUE(Document.PositionToPoint(*Canvas, 3, x, y));
  EXPECT_EQ((std::pair{x, y}), (std::pair{26, 38}));
  EXPECT_EQ(CaretAt(63, 60), (Caret{8, 66, 54, 16, 1}));
  EXPECT_EQ(CaretAt(45, 60), (Caret{5, 50, 54, 16, 0}));
}

TEST_F(HitTestTest, LinksUnderThePoint) {
  // Below a 14-pixel space: "go " and a link "here" (x 24 to 55), then a server-side map
  // inside a link (x 56 to 95) and a plain image (96 to 115), both from y 14 to 43.
  Document.AddSection(std::make_unique<TParagraphSpace>());
  TSection& section = AddText(U"go ");
  TUrlTarget link{U"next.html", U"main"};
  section.SetLink(symHref, Document, BaseFont(), &link);
  section.AppendText(U"here");
  link.Url = U"map.html";
  section.SetLink(symHref, Document, BaseFont(), &link);
  TFakeImage& map = AddImage(section, 40, 30, iaBottom);
  map.IsMap = true;
  section.SetLink(symAnchorEnd, Document, BaseFont(), nullptr);
  TFakeImage& plain = AddImage(section, 20, 30, iaBottom);
  Arrange(400);
  RenderAll();

  TInlineControl* control = nullptr;
  for (int x : {24, 55}) EXPECT_EQ(LinkAt(x, 40, control)->Target, U"main") << x;
  for (const auto& [x, y] : {std::pair{23, 40}, {300, 40}, {-5, 40}, {30, 48}})
    EXPECT_FALSE(LinkAt(x, y, control)) << x << "," << y;
  EXPECT_EQ(LinkAt(66, 34, control)->Url, U"map.html?10,20");
  map.IsMap = false;
  EXPECT_EQ(LinkAt(66, 34, control)->Url, U"map.html");
  EXPECT_FALSE(LinkAt(100, 34, control));  // the plain image stands in no link

  // Image inputs and client-side maps answer for themselves, even inside a link.
  TFakeControl input;
  map.Answers = true;
  map.AnswerControl = &input;
  EXPECT_FALSE(LinkAt(66, 34, control));
  EXPECT_EQ(control, &input);
  map.AnswerControl = nullptr;
  map.AnswerUrl = U"area.html";
  EXPECT_EQ(LinkAt(66, 34, control)->Url, U"area.html");
  map.AnswerUrl.clear();  // a map without an area at the point
  EXPECT_FALSE(LinkAt(66, 34, control));

  TInlineImage* image = nullptr;
  int x = 0, y = 0;
  EXPECT_TRUE(Document.ImageAt(101, 19, image, x, y));
  EXPECT_EQ((std::tuple{image, x, y}), (std::tuple{&plain, 5, 5}));
  EXPECT_FALSE(Document.ImageAt(120, 19, image, x, y));
}

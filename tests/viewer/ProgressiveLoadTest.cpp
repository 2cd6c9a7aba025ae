// The mechanism under loading in slices: a body on a stack of its own that stops and goes on,
// and a page built and laid out a slice at a time on the headless platform.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ViewerFixture.h"
#include "html/builder/Builder.h"
#include "html/document/SectionList.h"
#include "html/support/Errors.h"
#include "html/support/Fiber.h"
#include "html/tables/Table.h"
#include "html/viewer/ProgressiveLoad.h"
#include "platform/Bitmap.h"
#include "platform/headless/HeadlessGraphics.h"

namespace {

// Counts the objects alive, to see a stack unwind.
struct TCounted {
  explicit TCounted(int& live) : Live(live) { ++Live; }
  ~TCounted() { --Live; }
  int& Live;
};

}  // namespace

TEST(Fiber, GoesOnWhereItStoppedAndBringsItsFailureBackOnce) {
  std::vector<int> steps;
  std::unique_ptr<TFiber> fiber;
  const TFiber* inside = nullptr;
  fiber = std::make_unique<TFiber>([&] {
    inside = TFiber::Current();
    steps.push_back(1);
    fiber->Suspend();
    steps.push_back(2);
    // Not from inside: the body fails, and the failure travels back.
    fiber->Resume();
  });
  EXPECT_TRUE(steps.empty());
  EXPECT_FALSE(fiber->Resume());
  EXPECT_EQ(steps, std::vector<int>{1});
  EXPECT_EQ(inside, fiber.get());
  EXPECT_EQ(TFiber::Current(), nullptr);
  EXPECT_THROW(fiber->Resume(), std::logic_error);
  EXPECT_EQ(steps, (std::vector<int>{1, 2}));
  EXPECT_TRUE(fiber->Finished());
  EXPECT_TRUE(fiber->Resume());
}

TEST(Fiber, CancellingUnwindsTheBodyAndSoDoesLettingItGo) {
  int live = 0;
  {
    std::unique_ptr<TFiber> fiber;
    fiber = std::make_unique<TFiber>([&] {
      TCounted outer(live);
      for (;;) {
        TCounted inner(live);
        fiber->Suspend();
      }
    });
    fiber->Resume();
    fiber->Resume();
    EXPECT_EQ(live, 2);
    fiber->Cancel();
    EXPECT_EQ(live, 0);
    EXPECT_TRUE(fiber->Finished());

    // A body that catches the cancellation cannot go on: the next pause throws again.
    int pausesAfter = 0;
    TFiber* self = nullptr;
    auto stubborn = std::make_unique<TFiber>([&] {
      TCounted held(live);
      try {
        self->Suspend();
      } catch (const TFiberCancelled&) {
      }
      ++pausesAfter;
      self->Suspend();
      ++pausesAfter;
    });
    self = stubborn.get();
    stubborn->Resume();
    stubborn.reset();
    EXPECT_EQ(pausesAfter, 1);
    EXPECT_EQ(live, 0);
  }
}

class ProgressiveLoadTest : public ::testing::Test {
 protected:
  THeadlessGraphics Graphics;
  TSectionList Document{Graphics};
  TAnchorList Anchors;
  TDocumentHead Head;
  TBitmap Surface{1, 1};
  std::unique_ptr<TCanvas> Canvas = Graphics.CanvasFor(Surface);
  TTempFolder Folder;
  std::int64_t Clock = 0;

  std::unique_ptr<TProgressiveLoad> Load(const std::string& file,
                                         TIncludeHandler include = {}) {
    return std::make_unique<TProgressiveLoad>(
        Document, *Canvas, 0, 400,
        [this, file, include](const TReadPace& pace) {
          ParseHtmlFile(Document, Anchors, file, {}, nullptr, {}, include, {}, Head, {}, pace);
        },
        TSlicePacing{10, 64, [this] { return ++Clock; }});
  }
};

TEST_F(ProgressiveLoadTest, ASliceEndsOnTimeWhileABigTableIsStillBeingRead) {
  std::string page = "before<table>";
  for (int row = 0; row < 300; ++row) page += "<tr><td>row " + std::to_string(row) + "<td>cell";
  page += "</table>after";
  auto load = Load(Folder.Write("table.htm", page));
  // The table is added to the page, to be laid out, only once it is complete.
  const auto table = [&]() -> const ThtmlTable* {
    for (const auto& section : Document)
      if (const auto* found = dynamic_cast<const ThtmlTable*>(section.get())) return found;
    return nullptr;
  };
  int slices = 0;
  while (!table()) {
    ASSERT_TRUE(load->RunSlice());
    ++slices;
  }
  EXPECT_EQ(table()->Rows.size(), 300u);
  EXPECT_GT(slices, 10);
  // A slice takes a few looks at the clock past its budget at most, never the table's time.
  EXPECT_LE(load->LongestSlice(), 10 + 4);
}

TEST_F(ProgressiveLoadTest, ACancelledParseLetsGoOfEverythingAndAnotherCanStart) {
  const std::string file = Folder.Write("page.htm", "<ul><li><b>deep " + std::string(20000, 'x'));
  auto load = Load(file);
  // Well into the text, past the first look through the whole file.
  for (int i = 0; i < 40; ++i) ASSERT_TRUE(load->RunSlice());
  load->Cancel();
  EXPECT_TRUE(load->ParseDone());
  // The builder closed what it held: the document has its open section.
  EXPECT_GE(Document.Count(), 1u);

  Document.Clear();
  load = Load(file);
  while (load->RunSlice()) {
  }
  EXPECT_FALSE(load->TakeFailure());
  EXPECT_EQ(Document.ArrangedCount(), Document.Count());
}

TEST_F(ProgressiveLoadTest, AFailingHandlerEndsTheParseAndWaitsWhileTheRestIsLaidOut) {
  const std::string file =
      Folder.Write("page.htm", "one<br>two<br><!--#include file=\"x\"-->three");
  auto load = Load(file, [](TriruRedu*, const std::u32string&, TStringList, const char*&,
                            std::size_t&) { throw std::runtime_error("host failed"); });
  while (load->RunSlice()) {
  }
  const std::exception_ptr failure = load->TakeFailure();
  ASSERT_TRUE(failure);
  EXPECT_THROW(std::rethrow_exception(failure), std::runtime_error);
  EXPECT_FALSE(load->TakeFailure());
  // What was built before the failure is laid out.
  EXPECT_EQ(Document.ArrangedCount(), Document.Count());
  EXPECT_GE(Document.Count(), 2u);
}

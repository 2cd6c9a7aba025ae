#include <gtest/gtest.h>

#include "app/WindowRules.h"

TEST(WindowRules, OpenKindsAndCaption) {
  EXPECT_EQ(OpenKindOf("/a/Page.HTML"), okHtml);
  EXPECT_EQ(OpenKindOf("a.htm"), okHtml);
  EXPECT_EQ(OpenKindOf("notes.txt"), okText);
  for (const char* picture : {"a.bmp", "a.GIF", "a.jpg", "a.jpeg", "a.png"})
    EXPECT_EQ(OpenKindOf(picture), okImage) << picture;
  EXPECT_EQ(OpenKindOf("a.pdf"), okNothing);
  EXPECT_EQ(OpenKindOf("README"), okNothing);

  EXPECT_EQ(CaptionFor(U"Caf\u00e9"), "Tamblin - Caf\xc3\xa9");
  EXPECT_EQ(CaptionFor(U""), "Tamblin");
}

TEST(WindowRules, HistoryButtons) {
  THistoryButtons newest = HistoryButtonsFor(0, 3);
  EXPECT_TRUE(newest.Back);
  EXPECT_FALSE(newest.Forward);
  THistoryButtons oldest = HistoryButtonsFor(2, 3);
  EXPECT_FALSE(oldest.Back);
  EXPECT_TRUE(oldest.Forward);
  THistoryButtons only = HistoryButtonsFor(0, 1);
  EXPECT_FALSE(only.Back || only.Forward);
}

TEST(WindowRules, ImageMenu) {
  auto expand = [](std::u32string_view link) {
    return "/site/" + std::string(link.begin(), link.end());
  };
  auto exists = [](const std::string& file) {
    return file == "/site/b.htm" || file == "/site/a.htm";
  };

  TImageMenu linked = ImageMenuFor(true, U"b.htm#part", expand, "/site/a.htm", exists);
  EXPECT_TRUE(linked.ViewImage);
  EXPECT_TRUE(linked.OpenInNewWindow);
  EXPECT_EQ(linked.Link, "/site/b.htm#part");

  // An anchor alone names the page on show.
  TImageMenu anchor = ImageMenuFor(false, U"#top", expand, "/site/a.htm", exists);
  EXPECT_FALSE(anchor.ViewImage);
  EXPECT_TRUE(anchor.OpenInNewWindow);
  EXPECT_EQ(anchor.Link, "/site/a.htm#top");

  EXPECT_FALSE(ImageMenuFor(true, U"missing.htm", expand, "/site/a.htm", exists).OpenInNewWindow);
  EXPECT_FALSE(ImageMenuFor(true, U"", expand, "/site/a.htm", exists).OpenInNewWindow);
  // A page shown from memory has no file to open again.
  EXPECT_FALSE(ImageMenuFor(true, U"#top", expand, "", exists).OpenInNewWindow);
}

TEST(WindowRules, ObjectClickMessages) {
  TObjectClick box{coCheckBox, U"Cheese", true, U"display"};
  EXPECT_EQ(ObjectClickMessage(box), U"Cheese is checked");
  box.Checked = false;
  EXPECT_EQ(ObjectClickMessage(box), U"Cheese is unchecked");
  EXPECT_EQ(ObjectClickMessage({coRadioButton, U"Large", false, U"display"}), U"Large is checked");
  EXPECT_EQ(ObjectClickMessage({coPushButton, U"Go", false, U"display"}), U"Go");
  EXPECT_EQ(ObjectClickMessage({coOtherControl, U"x", false, U"display"}), std::nullopt);
  // The command is exact in case; other texts show only for objects that are not controls.
  EXPECT_EQ(ObjectClickMessage({coCheckBox, U"x", true, U"Display"}), std::nullopt);
  EXPECT_EQ(ObjectClickMessage({coNotAControl, U"", false, U"Hello"}), U"Hello");
  EXPECT_EQ(ObjectClickMessage({coNotAControl, U"", false, U""}), std::nullopt);
}

#include <gtest/gtest.h>

#include "app/WindowRules.h"

TEST(WindowRules, OpenKinds) {
  for (const char* page : {"/a/Page.HTML", "a.htm", "b.xhtml", "c.html.gz", "d.XHTML.GZ"})
    EXPECT_EQ(OpenKindOf(page, fsFile, false), okHtml) << page;
  for (const char* text : {"notes.txt", "notes.TXT.gz"})
    EXPECT_EQ(OpenKindOf(text, fsFile, false), okText) << text;
  for (const char* picture : {"a.bmp", "a.GIF", "a.jpg", "a.jpeg", "a.png"})
    EXPECT_EQ(OpenKindOf(picture, fsFile, false), okImage) << picture;
  // Drawings only where the platform draws them; other kinds, also compressed, are the
  // desktop's.
  EXPECT_EQ(OpenKindOf("a.svg", fsFile, true), okImage);
  EXPECT_EQ(OpenKindOf("a.svg", fsFile, false), okDesktop);
  for (const char* other : {"a.pdf", "README", "changelog.gz", "a.png.gz", "a.html.bak"})
    EXPECT_EQ(OpenKindOf(other, fsFile, false), okDesktop) << other;
  // What the disk says comes first.
  EXPECT_EQ(OpenKindOf("/docs/x.html", fsFolder, false), okFolder);
  EXPECT_EQ(OpenKindOf("/docs/x.html", fsMissing, false), okMissing);
}

TEST(WindowRules, CaptionAndDialogFolder) {
  EXPECT_EQ(CaptionFor(U"Caf\u00e9", "/a/b.htm"), "Tamblin - Caf\xc3\xa9");
  // Without a title the file or folder name stands in.
  EXPECT_EQ(CaptionFor(U"", "/docs/notes.txt"), "Tamblin - notes.txt");
  EXPECT_EQ(CaptionFor(U"", "/docs/sub/"), "Tamblin - sub");
  EXPECT_EQ(CaptionFor(U"", "/"), "Tamblin - /");
  EXPECT_EQ(CaptionFor(U"", ""), "Tamblin");

  EXPECT_EQ(DialogStartFolder("/chosen", "/docs/a.htm", "/usr/share/tamblin", "/home/me"),
            "/chosen");
  EXPECT_EQ(DialogStartFolder("", "/docs/a.htm", "/usr/share/tamblin", "/home/me"), "/docs");
  EXPECT_EQ(DialogStartFolder("", "/a.htm", "/usr/share/tamblin", "/home/me"), "/");
  // Never among the program's own pages, where nobody keeps files.
  EXPECT_EQ(
      DialogStartFolder("", "/usr/share/tamblin/index.htm", "/usr/share/tamblin/", "/home/me"),
      "/home/me");
  EXPECT_EQ(DialogStartFolder("", "", "/usr/share/tamblin", "/home/me"), "/home/me");
}

TEST(WindowRules, HistoryRowsJoinJumpsInsideAPage) {
  const std::vector<std::string> files = {"/c.htm", "/b.htm", "/b.htm", "/b.htm", "/a.htm",
                                          "/b.htm"};
  std::vector<TPositionObj> positions(files.size());
  positions[3].FileKind = dkText;  // the same file shown as another kind is another row
  const std::vector<THistoryRow> rows = HistoryRowsFor(files, positions);
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[1].Entry, 1);
  EXPECT_EQ(rows[1].Last, 2);
  EXPECT_EQ(rows[2].Entry, 3);
  EXPECT_EQ(HistoryRowOf(rows, 2), 1);
  EXPECT_EQ(HistoryRowOf(rows, 5), 4);
  EXPECT_EQ(HistoryRowOf(rows, 6), -1);
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
  EXPECT_EQ(linked.Link(), "/site/b.htm#part");

  // An anchor alone names the page on show.
  TImageMenu anchor = ImageMenuFor(false, U"#top", expand, "/site/a.htm", exists);
  EXPECT_FALSE(anchor.ViewImage);
  EXPECT_TRUE(anchor.OpenInNewWindow);
  EXPECT_EQ(anchor.Link(), "/site/a.htm#top");

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

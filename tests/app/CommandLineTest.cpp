#include <gtest/gtest.h>

#include "app/CommandLine.h"

TEST(CommandLine, PathsAnchorsAndKinds) {
  TCommandLineTarget plain = ParseCommandLineTarget("/docs/page.htm");
  EXPECT_EQ(plain.Path, "/docs/page.htm");
  EXPECT_EQ(plain.Anchor, "");
  EXPECT_FALSE(plain.AsText);

  TCommandLineTarget anchored = ParseCommandLineTarget("page.htm#Part2");
  EXPECT_EQ(anchored.Path, "page.htm");
  EXPECT_EQ(anchored.Anchor, "#Part2");

  EXPECT_TRUE(ParseCommandLineTarget("notes.TXT").AsText);
  EXPECT_FALSE(ParseCommandLineTarget("notes.txt.htm").AsText);
}

TEST(CommandLine, FileUrlsBecomePaths) {
  TCommandLineTarget url = ParseCommandLineTarget("file:///home/me/My%20Page.htm#top");
  EXPECT_EQ(url.Path, "/home/me/My Page.htm");
  EXPECT_EQ(url.Anchor, "#top");
  EXPECT_EQ(ParseCommandLineTarget("FILE://localhost/tmp/a.htm").Path, "/tmp/a.htm");
  // A stray or cut-short escape stays as written.
  EXPECT_EQ(ParseCommandLineTarget("file:///a%2").Path, "/a%2");
  EXPECT_EQ(ParseCommandLineTarget("file:///a%zz").Path, "/a%zz");
  // Case is kept: file names on this system are case-sensitive.
  EXPECT_EQ(ParseCommandLineTarget("/Docs/Page.HTM").Path, "/Docs/Page.HTM");
}

TEST(CommandLine, FolderOptionsOnlyAsWholeWords) {
  EXPECT_EQ(ParseCommandLine({}).Action, caStartPage);

  TCommandLine folder = ParseCommandLine({"/d", "/home/me/pages"});
  EXPECT_EQ(folder.Action, caSetFolder);
  EXPECT_EQ(folder.Folder, "/home/me/pages");
  TCommandLine dialog = ParseCommandLine({"/Do", "/srv"});
  EXPECT_EQ(dialog.Action, caShowOpenDialog);
  EXPECT_EQ(dialog.Folder, "/srv");
  // Without a folder the options do nothing.
  EXPECT_EQ(ParseCommandLine({"/D"}).Action, caNothing);
  EXPECT_EQ(ParseCommandLine({"/DO"}).Action, caNothing);

  // Anything else beginning with "/" is an absolute path, also one that starts like an option.
  TCommandLine path = ParseCommandLine({"/DOCS/x.htm"});
  EXPECT_EQ(path.Action, caOpen);
  EXPECT_EQ(path.Target.Path, "/DOCS/x.htm");
  EXPECT_EQ(ParseCommandLine({"/d/page.htm"}).Action, caOpen);

  EXPECT_EQ(ParseCommandLine({"--help"}).Action, caHelp);
  EXPECT_EQ(ParseCommandLine({"--version", "x.htm"}).Action, caVersion);
  EXPECT_NE(CommandLineUsage().find("/DO FOLDER"), std::string::npos);
}

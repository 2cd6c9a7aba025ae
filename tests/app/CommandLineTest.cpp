#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/CommandLine.h"

TEST(CommandLine, PathsAndAnchors) {
  TCommandLineTarget plain = ParseCommandLineTarget("/docs/page.htm");
  EXPECT_EQ(plain.Path, "/docs/page.htm");
  EXPECT_EQ(plain.Anchor, "");

  TCommandLineTarget anchored = ParseCommandLineTarget("page.htm#Part2");
  EXPECT_EQ(anchored.Path, "page.htm");
  EXPECT_EQ(anchored.Anchor, "#Part2");
}

TEST(CommandLine, PlainPathsAreTheBytesTheyAre) {
  // As a file manager passes them: escapes, Latin-1 bytes and a "#" in an existing name stay.
  const std::string folder = testing::TempDir() + "tamblin-command-line";
  std::filesystem::create_directories(folder);
  for (const std::string name : {"/a%20b.html", "/caf\xe9.htm", "/one#two.htm"})
    std::ofstream(folder + name) << "x";
  EXPECT_EQ(ParseCommandLineTarget(folder + "/a%20b.html").Path, folder + "/a%20b.html");
  EXPECT_EQ(ParseCommandLineTarget(folder + "/caf\xe9.htm").Path, folder + "/caf\xe9.htm");
  TCommandLineTarget hash = ParseCommandLineTarget(folder + "/one#two.htm#end");
  EXPECT_EQ(hash.Path, folder + "/one#two.htm");
  EXPECT_EQ(hash.Anchor, "#end");
  EXPECT_EQ(ParseCommandLineTarget(folder + "/one#two.htm").Anchor, "");
  std::filesystem::remove_all(folder);
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
  EXPECT_EQ(ParseCommandLine({"-h"}).Action, caHelp);
  TCommandLine unknown = ParseCommandLine({"-x", "page.htm"});
  EXPECT_EQ(unknown.Action, caError);
  EXPECT_EQ(unknown.Error, "unknown option -x");
  TCommandLine dashed = ParseCommandLine({"--", "-page.htm"});
  EXPECT_EQ(dashed.Action, caOpen);
  EXPECT_EQ(dashed.Target.Path, "-page.htm");
  EXPECT_EQ(ParseCommandLine({"--version", "x.htm"}).Action, caVersion);
  EXPECT_NE(CommandLineUsage().find("/DO FOLDER"), std::string::npos);
}

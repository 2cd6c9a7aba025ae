#include <gtest/gtest.h>

#include <set>

#include "app/LinkRouting.h"
#include "html/support/Utf8.h"

namespace {

// Links expand into /site; the files listed exist, and those listed as executable carry the
// permission to run.
struct TRouting {
  std::set<std::string> Existing;
  std::set<std::string> Executables;
  TLinkRoute operator()(std::u32string_view src) const {
    return RouteLink(
        src,
        [](std::u32string_view link) {
          std::string name(link.begin(), link.end());
          return name[0] == '/' ? name : "/site/" + name;
        },
        [this](const std::string& path) {
          return TLinkFile{Existing.count(path) + Executables.count(path) > 0,
                           Executables.count(path) > 0};
        });
  }
};

}  // namespace

TEST(LinkRouting, WebAndMailGoToTheDesktopInExactCase) {
  TRouting route;
  for (const char32_t* link :
       {U"http://example.org/a b", U"https://example.org", U"mailto:someone"}) {
    TLinkRoute web = route(link);
    EXPECT_EQ(web.Action, laDesktopUrl);
    EXPECT_EQ(web.Target.size(), std::u32string_view(link).size());  // whole, blanks included
  }
  EXPECT_EQ(route(U"HTTP://x").Action, laViewer);
  EXPECT_EQ(route(U"news:group").Action, laViewer);
  EXPECT_EQ(route(U"ftp://host/tune.wav").Action, laViewer);
}

TEST(LinkRouting, SoundsMediaAndPrograms) {
  TRouting route;
  route.Executables = {"/site/tool", "/site/page.htm"};

  TLinkRoute sound = route(U"tune.WAV");
  EXPECT_EQ(sound.Action, laPlaySound);
  EXPECT_EQ(sound.Target, "/site/tune.WAV");
  TLinkRoute clip = route(U"file:///media/clip.avi");
  EXPECT_EQ(clip.Action, laOpenWithDesktop);
  EXPECT_EQ(route(U"song.mid").Action, laOpenWithDesktop);
  EXPECT_EQ(route(U"film.mp4").Action, laOpenWithDesktop);

  TLinkRoute program = route(U"prog.exe?x=1");
  EXPECT_EQ(program.Action, laRunProgram);
  EXPECT_EQ(program.Target, "/site/prog.exe");
  EXPECT_EQ(program.Arguments, "x=1");
  EXPECT_EQ(ProgramCommand(program), "/site/prog.exe x=1");
  // A blank splits before a "?" does.
  EXPECT_EQ(route(U"prog.exe -a ?b").Arguments, "-a ?b");

  // A file the system may run, but not a page, text or picture that happens to carry the bit.
  EXPECT_EQ(route(U"tool --verbose").Action, laRunProgram);
  EXPECT_EQ(route(U"page.htm").Action, laViewer);

  // The anchor does not change the kind.
  EXPECT_EQ(route(U"tune.wav#x").Action, laPlaySound);
  // A whole name that exists is not split at its blank.
  route.Existing = {"/site/my tune.wav"};
  TLinkRoute named = route(U"my tune.wav");
  EXPECT_EQ(named.Action, laPlaySound);
  EXPECT_EQ(named.Target, "/site/my tune.wav");
}

TEST(LinkRouting, DocumentsGoToTheViewerOrOpenByKind) {
  TRouting route;
  // Pages (also compressed), text and pictures are followed by the viewer, which also says
  // when one is missing; blanks in their names do not split them.
  for (const char32_t* link : {U"#top", U"a.htm", U"My Page.html#x", U"b.xhtml", U"c.html.gz",
                               U"notes.txt", U"notes.txt.gz", U"picture.gif"})
    EXPECT_EQ(route(link).Action, laViewer) << EncodeUtf8(link);
  // The rest opens by kind, as a file named in any other way: folders, drawings, other files
  // (existing or not), and a page whose link carries a query.
  TLinkRoute folder = route(U"sub/");
  EXPECT_EQ(folder.Action, laOpenByKind);
  EXPECT_EQ(folder.Target, "/site/sub/");
  EXPECT_EQ(route(U"drawing.svg").Action, laOpenByKind);
  EXPECT_EQ(route(U"manual.pdf").Action, laOpenByKind);
  TLinkRoute query = route(U"page.htm?x=1#part");
  EXPECT_EQ(query.Action, laOpenByKind);
  EXPECT_EQ(query.Target, "/site/page.htm");
  EXPECT_EQ(query.Anchor, "#part");
  EXPECT_EQ(query.Arguments, "");
  // Only the first 255 characters count.
  EXPECT_EQ(route(std::u32string(300, U'a') + U".wav").Action, laOpenByKind);
}

// Links to file names, and the background tile grid.
#include <gtest/gtest.h>

#include "html/viewer/BackgroundTiles.h"
#include "html/viewer/LinkPath.h"
#include "platform/Bitmap.h"
#include "platform/headless/HeadlessGraphics.h"

namespace {

std::string Expand(std::u32string_view link, std::string_view root = "",
                   std::u32string_view base = U"", std::string_view file = "/site/docs/page.htm") {
  return ExpandLinkPath(link, root, base, file);
}

}  // namespace

TEST(LinkPathTest, RelativeLinksResolveInTheDocumentFolderKeepingLetterCase) {
  EXPECT_EQ(Expand(U"Other.HTM"), "/site/docs/Other.HTM");
  EXPECT_EQ(Expand(U"  sub/page.html\t"), "/site/docs/sub/page.html");
  EXPECT_EQ(Expand(U"sub\\page.html"), "/site/docs/sub/page.html");
  EXPECT_EQ(Expand(U"../up/./a.htm"), "/site/up/a.htm");
  EXPECT_EQ(Expand(U"caf\u00e9.htm"), "/site/docs/caf\xc3\xa9.htm");
}

TEST(LinkPathTest, FileUrlsAndRootedLinks) {
  EXPECT_EQ(Expand(U"file:///home/Me/a.htm"), "/home/Me/a.htm");
  EXPECT_EQ(Expand(U"FILE://localhost/tmp/b.htm"), "/tmp/b.htm");
  EXPECT_EQ(Expand(U"/index.htm"), "/index.htm");
  EXPECT_EQ(Expand(U"/index.htm", "/srv/web"), "/srv/web/index.htm");
  EXPECT_EQ(Expand(U"\\index.htm", "/srv/web"), "/srv/web/index.htm");
}

TEST(LinkPathTest, PercentEscapesDecodeOnceFromLeftToRight) {
  EXPECT_EQ(UrlToPath("my%20file.htm"), "my file.htm");
  EXPECT_EQ(UrlToPath("caf%C3%A9"), "caf\xc3\xa9");
  // A decoded "%" is not decoded again.
  EXPECT_EQ(UrlToPath("a%2541"), "a%41");
  // A pair that is not hexadecimal, a "%" at the end or at the very start ends the decoding.
  EXPECT_EQ(UrlToPath("a%zz%20"), "a%zz%20");
  EXPECT_EQ(UrlToPath("a%20b%2"), "a b%2");
  EXPECT_EQ(UrlToPath("%20a%20"), "%20a%20");
}

TEST(LinkPathTest, BaseDecidesTheFolderOfRelativeLinks) {
  EXPECT_EQ(Expand(U"a.htm", "", U"/other/place/"), "/other/place/a.htm");
  EXPECT_EQ(Expand(U"a.htm", "", U"file:///other/"), "/other/a.htm");
  EXPECT_EQ(Expand(U"a.htm", "", U"DOSPATH"), "a.htm");
  // Web addresses are left for the host.
  EXPECT_EQ(Expand(U"http://example.org/a.htm"), "http://example.org/a.htm");
  EXPECT_EQ(Expand(U"mailto:me@example.org"), "mailto:me@example.org");
  EXPECT_EQ(Expand(U"a.htm", "", U"http://example.org/x/"), "http://example.org/x/a.htm");
}

TEST(LinkPathTest, AnEscapedBackslashIsPartOfTheName) {
  EXPECT_EQ(UrlToPath("a\\b%5Cc.htm"), "a/b\\c.htm");
  EXPECT_EQ(Expand(U"./x%5Cy.htm"), "/site/docs/x\\y.htm");
}

TEST(LinkPathTest, NamesSayTheKindOfDocument) {
  for (const char* page : {"a.htm", "a.HTML", "a.xhtml", "a.html.gz", "a.XHTML.GZ", "a.htm.gz"})
    EXPECT_EQ(NameKindOf(page), nkPage) << page;
  EXPECT_EQ(NameKindOf("/x/notes.txt"), nkText);
  EXPECT_EQ(NameKindOf("/x/notes.Txt.Gz"), nkText);
  for (const char* picture : {"a.bmp", "a.gif", "a.JPG", "a.jpeg", "a.png"})
    EXPECT_EQ(NameKindOf(picture), nkPicture) << picture;
  EXPECT_EQ(NameKindOf("a.svg"), nkDrawing);
  // Only pages and text are read through gzip; other names are another program's.
  for (const char* other : {"a.png.gz", "a.gz", "changelog.Debian.gz", "README", "a.htmlx",
                            "/x.htm/readme", "a.pdf"})
    EXPECT_EQ(NameKindOf(other), nkOther) << other;

  EXPECT_EQ(FolderName("/usr/share/doc"), "/usr/share/doc/");
  EXPECT_EQ(FolderName("/usr/share/doc//"), "/usr/share/doc/");
  EXPECT_EQ(FolderName("/"), "/");
}

TEST(LinkPathTest, UpperExtensionLooksAtTheLastNameOnly) {
  EXPECT_EQ(UpperExtension("/a/b.Html"), ".HTML");
  EXPECT_EQ(UpperExtension("/a/b.jpeg2"), ".JPEG");
  EXPECT_EQ(UpperExtension("/a.dir/readme"), "");
}

TEST(BackgroundTilesTest, TheGridFollowsTheScrollPositions) {
  // A picture 50 wide at horizontal position 20 starts its first column at -20.
  EXPECT_EQ(FirstTile({0, 0, 300, 200}, 50, 40, 0, 20).X, -20);
  // Rows 40 high at vertical position 30 start at -30, 10, 50, 90, 130: the first whole row
  // inside a clip from y 100 is at 130, so drawing starts one row above, at 90.
  EXPECT_EQ(FirstTile({0, 100, 300, 200}, 50, 40, 30, 0).Y, 90);
}

TEST(BackgroundTilesTest, SmallAndLargePicturesCoverTheClipInPhase) {
  THeadlessGraphics graphics;
  for (const int size : {3, 70}) {
    TBitmap picture(size, size);
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) picture.SetPixel(x, y, Rgb(std::uint8_t(x), std::uint8_t(y), 9));
    TBitmap surface(200, 150);
    auto canvas = graphics.CanvasFor(surface);
    const TRect clip{5, 7, 200, 150};
    canvas->SetClipRect(clip);
    TileBackground(*canvas, clip, picture, 11, 4);
    for (const TPoint p : {TPoint{5, 7}, TPoint{199, 149}, TPoint{100, 60}, TPoint{77, 141}})
      EXPECT_EQ(surface.Pixel(p.X, p.Y),
                Rgb(std::uint8_t((p.X + 4) % size), std::uint8_t((p.Y + 11) % size), 9))
          << "picture " << size << " at " << p.X << "," << p.Y;
  }
}

// Head elements, BODY colours, handlers, files and parse errors.
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "BuilderFixture.h"
#include "html/support/Errors.h"

TEST_F(BuilderTest, TitleAndBaseAreKeptForTheViewer) {
  Build("<title>A &amp; B</title><base href=a.htm target=one><base target=two>x"
        "<ul><li><base href=ignored.htm></ul>");
  EXPECT_EQ(Head.Title, U"A & B");
  EXPECT_EQ(Head.BaseUrl, U"a.htm");  // BASE is read only by the body loop, not in lists
  EXPECT_EQ(Head.BaseTarget, U"two");
  EXPECT_EQ(TextAt(0), U"x");
}

TEST_F(BuilderTest, MetaAndSoundReachTheirHandlers) {
  std::vector<std::tuple<std::u32string, std::u32string, std::u32string>> metas;
  std::vector<std::tuple<std::u32string, int, bool>> sounds;
  Meta = [&](TriruRedu*, const std::u32string& httpEq, const std::u32string& name,
             const std::u32string& content) { metas.emplace_back(httpEq, name, content); };
  Sound = [&](TriruRedu*, const std::u32string& src, int loop, bool terminate) {
    sounds.emplace_back(src, loop, terminate);
  };
  Build("<meta name=author content='Me'><meta http-equiv=Refresh content=\"5; URL=n.htm\">"
        "<bgsound src=s.wav><bgsound src=t.wav loop=-1><bgsound loop=3>");
  EXPECT_EQ(metas, (decltype(metas){{U"", U"author", U"Me"}, {U"Refresh", U"", U"5; URL=n.htm"}}));
  EXPECT_EQ(sounds, (decltype(sounds){{U"s.wav", 1, false}, {U"t.wav", -1, false}}));
}

TEST_F(BuilderTest, ScriptContentGoesWholeToTheHandler) {
  std::vector<std::pair<std::u32string, std::u32string>> scripts;
  Script = [&](TriruRedu*, const std::u32string& language, std::u32string script) {
    scripts.emplace_back(language, std::move(script));
  };
  const std::string big(40000, 'x');
  Build("<script language=JavaScript>a<!-- b -->\nc</script >d</script>e<!-- f -->g"
        "<pre>h<script>" + big + "</script>i</pre>");
  ASSERT_EQ(scripts.size(), 2u);
  EXPECT_EQ(scripts[0].first, U"JavaScript");
  EXPECT_EQ(scripts[0].second, U"a<!-- b -->\r\nc</script >d");
  EXPECT_EQ(scripts[1].second.size(), big.size());
  EXPECT_EQ(TextAt(0), U"eg");  // comments are comments again after the script
  EXPECT_EQ(TextAt(1), U"hi");
}

TEST_F(BuilderTest, ScriptWithoutHandlerIsDropped) {
  Build("a<script>if (x < 1) y = '<b>';</script>b");
  EXPECT_EQ(TextAt(0), U"ab");
  EXPECT_EQ(RunAt(0, 1).Font().Style(), 0);
}

TEST_F(BuilderTest, BodyAttributesSetTheDocumentColours) {
  int backgroundChanges = 0;
  Document.OnBackgroundChange = [&](TSectionList&) { ++backgroundChanges; };
  Build("<a name=top></a><body text=red link=#00FF00 bgcolor=navy background=bg.gif>x"
        "<p><body bgcolor=red>");
  EXPECT_EQ(Document.FontColor, clRed | DocumentColorFlag);
  EXPECT_EQ(Document.HotSpotColor, clLime | DocumentColorFlag);
  EXPECT_EQ(Document.Background, clNavy | DocumentColorFlag);
  EXPECT_EQ(backgroundChanges, 1);  // the late BODY is ignored
  EXPECT_EQ(Document.BackgroundImageName, U"bg.gif");
  EXPECT_EQ(RunAt(0, 0).Font().Color(), clRed | DocumentColorFlag);
  // The section the anchor was entered for is dropped by BODY; the name follows its successor.
  EXPECT_EQ(Anchors.Find(U"TOP"), &Document[0]);
}

TEST_F(BuilderTest, IncludedTextStandsInPlaceOfTheDirective) {
  static const char included[] = "<b>b</b>";
  Include = [](TriruRedu*, const std::u32string& command, TStringList, const char*& buffer,
               std::size_t& size) {
    if (command != U"include") return;
    buffer = included;
    size = sizeof included - 1;
  };
  Build("a<!--#include file=\"x\"-->c");
  EXPECT_EQ(TextAt(0), U"abc");
  EXPECT_TRUE(RunAt(0, 1).Font().Style() & fsBold);
}

TEST_F(BuilderTest, UnclosedCommentEndsTheParse) {
  const char* html = "a<p>b<i><!-- never closed";
  EXPECT_THROW(Build(html), EParseError);
  EXPECT_EQ(Kinds(), "TSection TParagraphSpace TSection");  // what was built stays

  // A file keeps what was built without an error.
  Document.Clear();
  const auto path = std::filesystem::temp_directory_path() / "tamblin-builder-open.html";
  std::ofstream(path, std::ios::binary) << "<title>T</title>" << html;
  ParseHtmlFile(Document, Anchors, path.string(), Meta, nullptr, Sound, Include, Script, Head);
  std::filesystem::remove(path);
  EXPECT_EQ(Kinds(), "TSection TParagraphSpace TSection");
  EXPECT_EQ(Head.Title, U"T");
}

TEST_F(BuilderTest, AFileReadsAsItsBytesDo) {
  // A file is read piece by piece, once to learn its encoding and once for its characters;
  // the page must come out as it does from the same bytes in memory. Characters of two and
  // three bytes fall across the pieces' edges, and the marks that decide the whole reading
  // stand far from the start.
  std::string body;
  for (int i = 0; body.size() < 300'000; ++i) {
    body += "<p>paragraph " + std::to_string(i) + " <b>bold</b> ";
    for (int n = 0; n < 20; ++n) body += "caf\xC3\xA9\xE2\x82\xAC";
  }
  // Each file, and what its bytes C3 A9 read as.
  const std::pair<std::string, char32_t> variants[] = {
      {"<title>Big</title>" + body, U'\u00E9'},              // UTF-8 throughout
      {"\xEF\xBB\xBF<title>Big</title>" + body, U'\u00E9'},  // with a byte order mark
      {"<title>Big</title>" + body + "\xE9.", U'\uFFFD'},     // one stray byte at the end
      // More stray bytes at the end than sequences before them: Windows-1252 throughout.
      {"<title>Big</title>" + body + std::string(body.size() / 4, '\xE9'), U'\u00C3'},
      {"<title>Big</title>" + body + "\x1A\xE9.", U'\u00E9'},  // byte 26 ends the page first
  };
  const auto path = std::filesystem::temp_directory_path() / "tamblin-builder-large.html";
  const auto text = [](const TSectionList& document) {
    std::u32string all;
    for (const auto& section : document)
      if (const auto* text = dynamic_cast<const TSection*>(section.get())) all += text->Text.str();
    return all;
  };
  for (const auto& [html, accent] : variants) {
    std::ofstream(path, std::ios::binary) << html;
    Document.Clear();
    ParseHtmlFile(Document, Anchors, path.string(), Meta, nullptr, Sound, Include, Script, Head);
    const std::u32string fromFile = text(Document);
    Document.Clear();
    Build(html);
    EXPECT_EQ(Head.Title, U"Big");
    EXPECT_GT(fromFile.size(), 150'000u);
    EXPECT_NE(fromFile.find(accent), std::u32string::npos);
    EXPECT_TRUE(fromFile == text(Document)) << html.substr(html.size() - 10);
  }
  std::filesystem::remove(path);
}

TEST_F(BuilderTest, MissingFileChangesNothing) {
  Build("<title>Shown</title>x");
  const std::string name = "/nonexistent/tamblin/page.html";
  for (bool text : {false, true}) {
    try {
      if (text)
        ParseTextFile(Document, Anchors, name, Head);
      else
        ParseHtmlFile(Document, Anchors, name, Meta, nullptr, Sound, Include, Script, Head);
      ADD_FAILURE() << "no error";
    } catch (const EInOutError& error) {
      EXPECT_EQ(error.what(), "Can't locate file: " + name);
    }
    EXPECT_EQ(Head.Title, U"Shown");
    EXPECT_EQ(Kinds(), "TSection");
  }
}

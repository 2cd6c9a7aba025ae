#include <gtest/gtest.h>

#include <string>

#include "SourceBytes.h"

TEST(SourceText, ValidUtf8IsReadAsUtf8) {
  EXPECT_EQ(ReadAll("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"), U"caf\u00E9 \u20AC \U0001F600");
  EXPECT_EQ(CharsetOf("plain"), "UTF-8");
  // Copyright, degree and no-break space share the lead byte 0xC2: one character each.
  EXPECT_EQ(ReadAll("\xC2\xA9 \xC2\xB0 \xC2\xA0."), U"\u00A9 \u00B0 \u00A0.");
}

TEST(SourceText, AnythingElseIsWindows1252) {
  // Stray bytes as many as the valid sequences make the whole file Windows-1252.
  EXPECT_EQ(ReadAll("caf\xE9 \x80 \xC3\xA9"), U"caf\u00E9 \u20AC \u00C3\u00A9");
  EXPECT_EQ(CharsetOf("\xC0\x80"), "windows-1252");      // overlong
  EXPECT_EQ(CharsetOf("\xED\xA0\x80"), "windows-1252");  // surrogate
  EXPECT_EQ(CharsetOf("\xF4\x90\x80\x80"), "windows-1252");
  EXPECT_EQ(CharsetOf("ab\xE2\x82"), "windows-1252");    // cut short
  EXPECT_EQ(ReadAll("\x81\x8D"), U"\u0081\u008D");  // undefined bytes keep their code
}

TEST(SourceText, LatinOnePagesStayLatinOne) {
  // Accented letters followed by ASCII are never UTF-8; one pair that happens to be
  // valid (0xC3 0xA9) does not turn the page.
  EXPECT_EQ(ReadAll("Caf\xE9 cr\xE8me, \xE0 la fran\xE7" "aise: d\xC3\xA9j\xE0"),
            U"Caf\u00E9 cr\u00E8me, \u00E0 la fran\u00E7aise: d\u00C3\u00A9j\u00E0");
}

TEST(SourceText, MostlyUtf8ReplacesOnlyTheStrayBytes) {
  // Three sequences, two stray bytes: the strays become U+FFFD, the rest reads as written.
  EXPECT_EQ(ReadAll("\xC2\xA9 2024 \xE9t\xE9 \xE2\x80\x94 caf\xC3\xA9"),
            U"\u00A9 2024 \uFFFDt\uFFFD \u2014 caf\u00E9");
  // One each is a tie: Windows-1252, as a page that is neither mostly one nor the other.
  EXPECT_EQ(CharsetOf("\xC3\xA9t\xE9"), "windows-1252");
  // A declared UTF-8 page is UTF-8 however many bytes are stray.
  EXPECT_EQ(ReadAll("<meta charset=utf-8>\xE9t\xE9"), U"<meta charset=utf-8>\uFFFDt\uFFFD");
}

TEST(SourceText, ByteOrderMarks) {
  EXPECT_EQ(ReadAll("\xEF\xBB\xBF" "a\xC3\xA9"), U"a\u00E9");
  // After a byte order mark a broken sequence reads as one replacement per byte.
  EXPECT_EQ(ReadAll("\xEF\xBB\xBF" "a\xE9z\xE2\x82"), U"a\uFFFDz\uFFFD\uFFFD");
  using namespace std::string_literals;
  const std::string le = "\xFF\xFE" "a\0\xE9\0=\0\x3D\xD8\x00\xDE"s;  // a, é, =, U+1F600
  const std::string be = "\xFE\xFF" "\0a\0\xE9\0=\xD8\x3D\xDE\x00"s;
  EXPECT_EQ(ReadAll(le), U"a\u00E9=\U0001F600");
  EXPECT_EQ(ReadAll(be), U"a\u00E9=\U0001F600");
  EXPECT_EQ(CharsetOf(le), "UTF-16LE");
  EXPECT_EQ(CharsetOf(be), "UTF-16BE");
  // A lone surrogate is one replacement and the text goes on; so is a unit cut short.
  EXPECT_EQ(ReadAll("\xFF\xFE" "\x00\xDC" "b\0c\0"s), U"\uFFFDbc");
  EXPECT_EQ(ReadAll("\xFF\xFE" "b\0c"s), U"b\uFFFD");
  // Character 26 ends a UTF-16 document too, and a byte 0x1A inside a character does not.
  EXPECT_EQ(ReadAll("\xFF\xFE" "\x1A\x01" "a\0\x1A\0b\0"s), U"\u011Aa");
}

TEST(SourceText, StreamsGatherTheHeadWhateverEachReadGives) {
  // Read one byte at a time, a stream judges its byte order mark and declaration on the
  // whole head, and a character split between reads is completed from the next.
  EXPECT_EQ(ReadByteByByte("\xEF\xBB\xBF" "a\xC3\xA9"), U"a\u00E9");
  EXPECT_EQ(ReadByteByByte(std::string("\xFF\xFE" "a\0\xE9\0", 6)), U"a\u00E9");
  EXPECT_EQ(ReadByteByByte("<meta charset=shift_jis>\x93\xFA\x96\x7B"),
            U"<meta charset=shift_jis>\u65E5\u672C");
  EXPECT_EQ(ReadByteByByte("\xC2\xA9 \xE9t\xE9 \xE2\x80\x94\xC3\xA9"),
            ReadAll("\xC2\xA9 \xE9t\xE9 \xE2\x80\x94\xC3\xA9"));
  EXPECT_EQ(ReadByteByByte("caf\xE9"), U"caf\u00E9");
}

TEST(SourceText, PlainTextIgnoresDeclarations) {
  const char* text = "<meta charset=koi8-r> \xC3\xA9";
  EXPECT_EQ(CharsetOf(text), "KOI8-R");
  EXPECT_EQ(CharsetOf(text, TSourceKind::PlainText), "UTF-8");
}

TEST(SourceText, Byte26EndsTheDocument) {
  TSourceText source(std::string_view("ab\x1A\xFF\xFE", 5));
  EXPECT_EQ(source.Charset().Name, "UTF-8");  // what follows the end is not judged
  EXPECT_EQ(source.Next(), U'a');
  EXPECT_EQ(source.Next(), U'b');
  EXPECT_EQ(source.Next(), EndOfInput);
  EXPECT_EQ(source.Next(), EndOfInput);
}

TEST(SourceText, NulBytesAreCharacters) {
  EXPECT_EQ(ReadAll(std::string_view("a\0b", 3)), std::u32string(U"a\0b", 3));
}

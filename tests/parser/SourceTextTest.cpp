#include <gtest/gtest.h>

#include <string>

#include "html/parser/SourceText.h"

namespace {

std::u32string ReadAll(std::string_view bytes) {
  TSourceText source(bytes);
  std::u32string out;
  for (char32_t c = source.Next(); c != EndOfInput; c = source.Next()) out += c;
  return out;
}

}  // namespace

TEST(SourceText, ValidUtf8IsReadAsUtf8) {
  EXPECT_EQ(ReadAll("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"), U"caf\u00E9 \u20AC \U0001F600");
  EXPECT_EQ(TSourceText("plain").Encoding(), TTextEncoding::Utf8);
}

TEST(SourceText, AnythingElseIsWindows1252) {
  // One stray byte anywhere makes the whole file Windows-1252, the valid pairs included.
  EXPECT_EQ(ReadAll("caf\xE9 \x80 \xC3\xA9"), U"caf\u00E9 \u20AC \u00C3\u00A9");
  EXPECT_EQ(TSourceText("\xC0\x80").Encoding(), TTextEncoding::Windows1252);       // overlong
  EXPECT_EQ(TSourceText("\xED\xA0\x80").Encoding(), TTextEncoding::Windows1252);   // surrogate
  EXPECT_EQ(TSourceText("\xF4\x90\x80\x80").Encoding(), TTextEncoding::Windows1252);
  EXPECT_EQ(TSourceText("ab\xE2\x82").Encoding(), TTextEncoding::Windows1252);     // cut short
  EXPECT_EQ(ReadAll("\x81\x8D"), U"\u0081\u008D");  // undefined bytes keep their code
}

TEST(SourceText, ByteOrderMarkForcesUtf8) {
  EXPECT_EQ(ReadAll("\xEF\xBB\xBF" "a\xC3\xA9"), U"a\u00E9");
  // After a byte order mark a broken sequence reads as one replacement per byte.
  EXPECT_EQ(ReadAll("\xEF\xBB\xBF" "a\xE9z\xE2\x82"), U"a\uFFFDz\uFFFD\uFFFD");
}

TEST(SourceText, Byte26EndsTheDocument) {
  TSourceText source(std::string_view("ab\x1A\xFF\xFE", 5));
  EXPECT_EQ(source.Encoding(), TTextEncoding::Utf8);  // what follows the end is not judged
  EXPECT_EQ(source.Next(), U'a');
  EXPECT_EQ(source.Next(), U'b');
  EXPECT_EQ(source.Next(), EndOfInput);
  EXPECT_EQ(source.Next(), EndOfInput);
}

TEST(SourceText, NulBytesAreCharacters) {
  EXPECT_EQ(ReadAll(std::string_view("a\0b", 3)), std::u32string(U"a\0b", 3));
}

#include <gtest/gtest.h>

#include <string>

#include "SourceBytes.h"
#include "html/parser/CharsetDeclaration.h"

namespace {

struct TDeclaredText {
  const char* Label;
  std::string_view Bytes;
  std::string_view Charset;
  std::u32string_view Text;
};

// A page declaring the label, then the bytes: the text that follows the declaration.
void ExpectDeclaredPages(std::initializer_list<TDeclaredText> cases) {
  for (const TDeclaredText& page : cases) {
    const std::string head = std::string("<meta charset=\"") + page.Label + "\">";
    const std::string bytes = head + std::string(page.Bytes);
    TSourceText source(bytes);
    EXPECT_EQ(source.Charset().Name, page.Charset) << page.Label;
    EXPECT_EQ(ReadAll(source).substr(head.size()), page.Text) << page.Label;
  }
}

std::string_view Declared(std::string_view head) {
  const TCharset* charset = DeclaredCharset(head);
  return charset ? charset->Name : "none";
}

}  // namespace

TEST(Charsets, SingleByteIsoPages) {
  ExpectDeclaredPages({
      {"iso-8859-2", "\xA3\xF3" "d\xBC", "ISO-8859-2", U"\u0141\u00F3d\u017A"},
      {"ISO_8859-5", "\xBF\xE0\xD8", "ISO-8859-5", U"\u041F\u0440\u0438"},
      {"greek", "\xC5\xEB\xEB\xDC", "ISO-8859-7", U"\u0395\u03BB\u03BB\u03AC"},
      {"iso8859-15", "\xA4", "ISO-8859-15", U"\u20AC"},
      {"iso-8859-16", "\xAA\xFE", "ISO-8859-16", U"\u0218\u021B"},
      // Latin-1, Latin-5 and Thai read as their Windows supersets.
      {"iso-8859-1", "\xE9\x93", "windows-1252", U"\u00E9\u201C"},
      {"latin5", "\xFD\x80", "windows-1254", U"\u0131\u20AC"},
      {"tis-620", "\xE4\xB7\xC2", "windows-874", U"\u0E44\u0E17\u0E22"},
  });
}

TEST(Charsets, WindowsAndKoiPages) {
  ExpectDeclaredPages({
      {"windows-1251", "\xCF\xF0\xE8\xE2\xE5\xF2", "windows-1251",
       U"\u041F\u0440\u0438\u0432\u0435\u0442"},
      {"cp1250", "\xA3\xF3" "d\x9F", "windows-1250", U"\u0141\u00F3d\u017A"},
      {"windows-1255", "\xF9\xEC\xE5\xED", "windows-1255", U"\u05E9\u05DC\u05D5\u05DD"},
      {"us-ascii", "\x80", "windows-1252", U"\u20AC"},
      {"KOI8-R", "\xF0\xD2\xC9", "KOI8-R", U"\u041F\u0440\u0438"},
      {"koi8-u", "\xB4\xA4", "KOI8-U", U"\u0404\u0454"},
  });
}

TEST(Charsets, EastAsianPages) {
  ExpectDeclaredPages({
      // Backslash and tilde stay ASCII in Shift_JIS pages.
      {"x-sjis", "\x93\xFA\x96\x7B\x8C\xEA\\~", "Shift_JIS", U"\u65E5\u672C\u8A9E\\~"},
      {"euc-jp", "\xC6\xFC\xCB\xDC", "EUC-JP", U"\u65E5\u672C"},
      {"euc-kr", "\xC7\xD1\xB1\xB9", "EUC-KR", U"\uD55C\uAD6D"},
      {"gb2312", "\xD6\xD0\xCE\xC4", "GBK", U"\u4E2D\u6587"},
      {"gb18030", "\x81\x30\x8A\x31\xA2\xE3", "gb18030", U"\u00E4\u20AC"},
      {"big5", "\xA4\xA4\xA4\xE5", "Big5", U"\u4E2D\u6587"},
  });
}

TEST(Charsets, ConvertedTextFaults) {
  ExpectDeclaredPages({
      // A lead byte without its trail is one replacement, and the ASCII after it stays.
      {"shift_jis", "\x93<b>", "Shift_JIS", U"\uFFFD<b>"},
      {"euc-kr", "a\xC7", "EUC-KR", U"a\uFFFD"},  // cut off by the end
      // A byte 26 ends the document here too.
      {"koi8-r", "\xF0\x1A\xD2", "KOI8-R", U"\u041F"},
  });
  // A long page: characters split between the conversion's pieces come out whole.
  std::string page = "<meta charset=euc-jp>";
  std::u32string text;
  for (int i = 0; i < 40000; ++i) {
    page += "a\xC6\xFC";
    text += U"a\u65E5";
  }
  EXPECT_EQ(ReadAll(page).substr(21), text);
  TMemoryBytes stream(page, 4097);
  TSourceText streamed(stream);
  EXPECT_EQ(ReadAll(streamed).substr(21), text);
}

TEST(Charsets, Labels) {
  for (const char* label : {"latin1", "ISO8859-1", "iso_8859-1", "us-ascii", "cp1252"})
    EXPECT_EQ(CharsetForLabel(label), &Windows1252Charset) << label;
  EXPECT_EQ(CharsetForLabel(" UTF8 "), &Utf8Charset);
  EXPECT_EQ(CharsetForLabel("cp1251")->Name, "windows-1251");
  EXPECT_EQ(CharsetForLabel("SJIS")->Name, "Shift_JIS");
  for (const char* label : {"", "utf", "latin", "cp125", "koi8 r", "utf-8 x"})
    EXPECT_EQ(CharsetForLabel(label), nullptr) << label;
}

TEST(Charsets, DeclarationForms) {
  EXPECT_EQ(Declared("<html><head><META CHARSET='KOI8-R'>"), "KOI8-R");
  EXPECT_EQ(Declared("<meta http-equiv=\"Content-Type\" content=\"text/html; "
                     "charset=windows-1251\">"),
            "windows-1251");
  EXPECT_EQ(Declared("<meta content='text/html;charset = \"big5\"' http-equiv=content-type>"),
            "Big5");
  EXPECT_EQ(Declared("<meta/charset=\"euc-kr\"/>"), "EUC-KR");
  // Not declarations: without http-equiv, in a comment, in another tag's value.
  EXPECT_EQ(Declared("<meta content=\"text/html; charset=koi8-r\">"), "none");
  EXPECT_EQ(Declared("<!-- <meta charset=koi8-r> -->"), "none");
  EXPECT_EQ(Declared("<p title='<meta charset=koi8-r>'>"), "none");
  EXPECT_EQ(Declared("<metal charset=koi8-r>"), "none");
  // A page declaring UTF-16 was readable as ASCII: it is UTF-8.
  EXPECT_EQ(Declared("<meta charset=utf-16>"), "UTF-8");
}

TEST(Charsets, DeclarationReach) {
  // An unknown label is passed over; a later known one counts.
  EXPECT_EQ(Declared("<meta charset=klingon><meta charset=koi8-r>"), "KOI8-R");
  EXPECT_EQ(Declared("<meta charset=klingon>"), "none");
  // After a byte that is not ASCII, or cut off by it, a declaration does not count.
  EXPECT_EQ(Declared("<title>\xE9</title><meta charset=koi8-r>"), "none");
  EXPECT_EQ(Declared("<meta charset=koi8-r content='\xE9'>"), "none");
  // Within the first 1024 bytes, and whole there.
  const std::string meta = "<meta charset=koi8-r>";
  EXPECT_EQ(Declared(std::string(1024 - meta.size(), ' ') + meta), "KOI8-R");
  EXPECT_EQ(Declared(std::string(1025 - meta.size(), ' ') + meta), "none");
}

TEST(Charsets, WhatTheReaderChooses) {
  // An unknown label falls back to the judgement of the bytes.
  EXPECT_EQ(CharsetOf("<meta charset=klingon>\xC3\xA9"), "UTF-8");
  EXPECT_EQ(CharsetOf("<meta charset=klingon>\xE9"), "windows-1252");
  // A byte order mark beats a declaration.
  EXPECT_EQ(CharsetOf("\xEF\xBB\xBF<meta charset=koi8-r>"), "UTF-8");
  EXPECT_EQ(CharsetOf(std::string("\xFF\xFE<\0", 4)), "UTF-16LE");
  // A declaration beats the judgement: this is valid UTF-8, but declared Latin-1.
  EXPECT_EQ(ReadAll("<meta charset=latin1>\xC3\xA9").substr(21), U"\u00C3\u00A9");
}

#pragma once
// The character sets a document may be written in, and the names pages call them by.

#include <string_view>

struct TCharset {
  std::string_view Name;       // as the reader reports it: "UTF-8", "windows-1251", "Shift_JIS"
  std::string_view Converter;  // the system converter's name for it; empty for the character
                               // sets the reader decodes itself (UTF-8 and Windows-1252)
};

extern const TCharset Utf8Charset;
extern const TCharset Windows1252Charset;
extern const TCharset Utf16LeCharset;
extern const TCharset Utf16BeCharset;

// The character set a label names ("latin1", "ISO8859-1", " cp1251 ", "x-sjis", "utf8"),
// with surrounding white space and letter case ignored; nullptr for a label not known.
// Labels for Latin-1 and ASCII name Windows-1252, which reads every text of theirs the same
// and gives the typographic marks of 0x80-0x9F that such pages hold in practice; likewise
// ISO-8859-9 and ISO-8859-11 name Windows-1254 and Windows-874, GBK names GB18030 and
// EUC-KR names its Windows extension.
const TCharset* CharsetForLabel(std::string_view label);

#include "html/parser/Charsets.h"

#include <string>

#include "html/support/LetterCase.h"

const TCharset Utf8Charset{"UTF-8", ""};
const TCharset Windows1252Charset{"windows-1252", ""};
const TCharset Utf16LeCharset{"UTF-16LE", "UTF-16LE"};
const TCharset Utf16BeCharset{"UTF-16BE", "UTF-16BE"};

namespace {

const TCharset Iso8859_2{"ISO-8859-2", "ISO-8859-2"};
const TCharset Iso8859_3{"ISO-8859-3", "ISO-8859-3"};
const TCharset Iso8859_4{"ISO-8859-4", "ISO-8859-4"};
const TCharset Iso8859_5{"ISO-8859-5", "ISO-8859-5"};
const TCharset Iso8859_6{"ISO-8859-6", "ISO-8859-6"};
const TCharset Iso8859_7{"ISO-8859-7", "ISO-8859-7"};
const TCharset Iso8859_8{"ISO-8859-8", "ISO-8859-8"};
const TCharset Iso8859_10{"ISO-8859-10", "ISO-8859-10"};
const TCharset Iso8859_13{"ISO-8859-13", "ISO-8859-13"};
const TCharset Iso8859_14{"ISO-8859-14", "ISO-8859-14"};
const TCharset Iso8859_15{"ISO-8859-15", "ISO-8859-15"};
const TCharset Iso8859_16{"ISO-8859-16", "ISO-8859-16"};
const TCharset Windows874{"windows-874", "CP874"};
const TCharset Windows1250{"windows-1250", "CP1250"};
const TCharset Windows1251{"windows-1251", "CP1251"};
const TCharset Windows1253{"windows-1253", "CP1253"};
const TCharset Windows1254{"windows-1254", "CP1254"};
const TCharset Windows1255{"windows-1255", "CP1255"};
const TCharset Windows1256{"windows-1256", "CP1256"};
const TCharset Windows1257{"windows-1257", "CP1257"};
const TCharset Windows1258{"windows-1258", "CP1258"};
const TCharset Koi8R{"KOI8-R", "KOI8-R"};
const TCharset Koi8U{"KOI8-U", "KOI8-U"};
// The Windows form of Shift_JIS keeps 0x5C and 0x7E as backslash and tilde, as pages expect.
const TCharset ShiftJis{"Shift_JIS", "CP932"};
const TCharset EucJp{"EUC-JP", "EUC-JP"};
const TCharset EucKr{"EUC-KR", "CP949"};
const TCharset Gbk{"GBK", "GB18030"};
const TCharset Gb18030{"gb18030", "GB18030"};
const TCharset Big5{"Big5", "BIG5-HKSCS"};

struct TLabels {
  const TCharset& Charset;
  std::string_view Labels;  // lower case, separated by spaces
};

// Searched once per page, so a plain list grouped by character set serves.
const TLabels LabelTable[] = {
    {Utf8Charset, "utf-8 utf8 unicode-1-1-utf-8 unicode11utf8 unicode20utf8 "
     "x-unicode20utf8"},
    {Utf16LeCharset, "utf-16 utf-16le unicode ucs-2 csunicode iso-10646-ucs-2 unicodefeff"},
    {Utf16BeCharset, "utf-16be unicodefffe"},
    {Windows1252Charset, "windows-1252 cp1252 x-cp1252 iso-8859-1 iso8859-1 iso88591 iso_8859-1 "
     "iso_8859-1:1987 latin1 l1 cp819 ibm819 csisolatin1 iso-ir-100 us-ascii "
     "ascii ansi_x3.4-1968 csascii iso-ascii"},
    {Iso8859_2, "iso-8859-2 iso8859-2 iso88592 iso_8859-2 iso_8859-2:1987 latin2 l2 "
     "csisolatin2 iso-ir-101"},
    {Iso8859_3, "iso-8859-3 iso8859-3 iso88593 iso_8859-3 iso_8859-3:1988 latin3 l3 "
     "csisolatin3 iso-ir-109"},
    {Iso8859_4, "iso-8859-4 iso8859-4 iso88594 iso_8859-4 iso_8859-4:1988 latin4 l4 "
     "csisolatin4 iso-ir-110"},
    {Iso8859_5, "iso-8859-5 iso8859-5 iso88595 iso_8859-5 iso_8859-5:1988 cyrillic "
     "csisolatincyrillic iso-ir-144"},
    {Iso8859_6, "iso-8859-6 iso8859-6 iso88596 iso_8859-6 iso_8859-6:1987 arabic "
     "asmo-708 csiso88596e csiso88596i csisolatinarabic ecma-114 "
     "iso-8859-6-e iso-8859-6-i iso-ir-127"},
    {Iso8859_7, "iso-8859-7 iso8859-7 iso88597 iso_8859-7 iso_8859-7:1987 greek greek8 "
     "csisolatingreek ecma-118 elot_928 iso-ir-126 sun_eu_greek"},
    {Iso8859_8, "iso-8859-8 iso8859-8 iso88598 iso_8859-8 iso_8859-8:1988 hebrew "
     "csiso88598e csisolatinhebrew iso-8859-8-e iso-ir-138 visual "
     "iso-8859-8-i csiso88598i logical"},
    {Iso8859_10, "iso-8859-10 iso8859-10 iso885910 iso_8859-10 latin6 l6 csisolatin6 "
     "iso-ir-157"},
    {Iso8859_13, "iso-8859-13 iso8859-13 iso885913 iso_8859-13 latin7 l7"},
    {Iso8859_14, "iso-8859-14 iso8859-14 iso885914 iso_8859-14 latin8 l8"},
    {Iso8859_15, "iso-8859-15 iso8859-15 iso885915 iso_8859-15 latin9 l9 csisolatin9 "
     "latin-9"},
    {Iso8859_16, "iso-8859-16 iso8859-16 iso885916 iso_8859-16 latin10 l10"},
    {Windows874, "windows-874 cp874 dos-874 x-cp874 iso-8859-11 iso8859-11 iso885911 "
     "iso_8859-11 tis-620 tis620"},
    {Windows1250, "windows-1250 cp1250 x-cp1250"},
    {Windows1251, "windows-1251 cp1251 x-cp1251"},
    {Windows1253, "windows-1253 cp1253 x-cp1253"},
    {Windows1254, "windows-1254 cp1254 x-cp1254 iso-8859-9 iso8859-9 iso88599 iso_8859-9 "
     "iso_8859-9:1989 latin5 l5 csisolatin5 iso-ir-148"},
    {Windows1255, "windows-1255 cp1255 x-cp1255"},
    {Windows1256, "windows-1256 cp1256 x-cp1256"},
    {Windows1257, "windows-1257 cp1257 x-cp1257"},
    {Windows1258, "windows-1258 cp1258 x-cp1258"},
    {Koi8R, "koi8-r koi8_r koi8r koi8 koi cskoi8r"},
    {Koi8U, "koi8-u koi8u koi8-ru"},
    {ShiftJis, "shift_jis shift-jis shiftjis sjis x-sjis ms_kanji ms932 cp932 "
     "windows-31j cswindows31j csshiftjis"},
    {EucJp, "euc-jp eucjp x-euc-jp cseucpkdfmtjapanese"},
    {EucKr, "euc-kr euckr cseuckr windows-949 cp949 ks_c_5601-1987 ks_c_5601-1989 "
     "ksc5601 ksc_5601 csksc56011987 iso-ir-149 korean"},
    {Gbk, "gbk x-gbk cp936 windows-936 gb2312 gb_2312 gb_2312-80 csgb2312 "
     "csiso58gb231280 iso-ir-58 chinese euc-cn"},
    {Gb18030, "gb18030"},
    {Big5, "big5 big5-hkscs cn-big5 csbig5 x-x-big5"},
};

bool IsAsciiSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

}  // namespace

const TCharset* CharsetForLabel(std::string_view label) {
  while (!label.empty() && IsAsciiSpace(label.front())) label.remove_prefix(1);
  while (!label.empty() && IsAsciiSpace(label.back())) label.remove_suffix(1);
  const std::string lower = LowerAscii(label);
  if (lower.empty() || lower.find(' ') != std::string::npos) return nullptr;
  for (const TLabels& entry : LabelTable) {
    std::string_view labels = entry.Labels;
    for (std::size_t at = labels.find(lower); at != std::string_view::npos;
         at = labels.find(lower, at + 1)) {
      const std::size_t end = at + lower.size();
      if ((at == 0 || labels[at - 1] == ' ') && (end == labels.size() || labels[end] == ' '))
        return &entry.Charset;
    }
  }
  return nullptr;
}

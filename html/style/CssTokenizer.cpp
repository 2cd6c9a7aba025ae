#include "html/style/CssTokenizer.h"

#include <charconv>
#include <cstdint>
#include <string>

#include "html/support/LetterCase.h"

namespace {

constexpr char32_t Replacement = 0xFFFD;
constexpr char32_t LineFeed = U'\n';

bool IsDigit(char32_t ch) { return ch >= U'0' && ch <= U'9'; }
bool IsHexDigit(char32_t ch) {
  return IsDigit(ch) || (ch >= U'a' && ch <= U'f') || (ch >= U'A' && ch <= U'F');
}
int HexValue(char32_t ch) {
  if (IsDigit(ch)) return int(ch - U'0');
  return int(LowerAscii(ch) - U'a') + 10;
}
bool IsWhitespace(char32_t ch) { return ch == LineFeed || ch == U'\t' || ch == U' '; }
bool IsNameStart(char32_t ch) {
  return (ch >= U'a' && ch <= U'z') || (ch >= U'A' && ch <= U'Z') || ch == U'_' || ch >= 0x80;
}
bool IsNameChar(char32_t ch) { return IsNameStart(ch) || IsDigit(ch) || ch == U'-'; }
bool IsNonPrintable(char32_t ch) {
  return (ch >= 1 && ch <= 8) || ch == 0x0B || (ch >= 0x0E && ch <= 0x1F) || ch == 0x7F;
}

// A character that no text may hold: NUL, a surrogate or a value beyond Unicode.
bool IsNoCharacter(char32_t ch) {
  return ch == 0 || (ch >= 0xD800 && ch <= 0xDFFF) || ch > 0x10FFFF;
}

TCssToken Simple(TCssTokenKind kind) {
  TCssToken token;
  token.Kind = kind;
  return token;
}

TCssToken Delim(char32_t ch) {
  TCssToken token;
  token.Kind = ctDelim;
  token.Text.assign(1, ch);
  return token;
}

// The decimal digits of a number as it is read: up to MaxDigits significant digits and the
// power of ten they are scaled by. Longer numbers lose only digits a double cannot hold.
class TDecimal {
 public:
  void IntegerDigit(char32_t ch) {
    if (Digits.empty() && ch == U'0') return;
    if (Digits.size() < MaxDigits)
      Digits += char(ch);
    else
      ++Exponent;
  }
  void FractionDigit(char32_t ch) {
    if (Digits.size() >= MaxDigits) return;
    --Exponent;
    if (!Digits.empty() || ch != U'0') Digits += char(ch);
  }
  void ExponentDigit(char32_t ch) {
    if (Written < MaxExponent) Written = Written * 10 + int(ch - U'0');
  }
  void NegativeExponent() { ExponentSign = -1; }

  double Value() const {
    if (Digits.empty()) return 0;
    const std::int64_t exponent = Exponent + ExponentSign * std::int64_t(Written);
    // Beyond what a double holds: a huge number stays huge but finite, a tiny one is 0.
    const std::int64_t magnitude = exponent + std::int64_t(Digits.size());
    if (magnitude > 300) return 1e300;
    if (magnitude < -300) return 0;
    const std::string text = Digits + "e" + std::to_string(exponent);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
  }

 private:
  static constexpr std::size_t MaxDigits = 40;
  static constexpr int MaxExponent = 100000;
  std::string Digits;
  std::int64_t Exponent = 0;
  int Written = 0;
  int ExponentSign = 1;
};

}  // namespace

bool TCssToken::IsIdent(std::u32string_view lowerName) const {
  return Kind == ctIdent && EqualsIgnoringCase(Text, lowerName);
}

TCssTokenKind CloserOf(const TCssToken& token) {
  switch (token.Kind) {
    case ctOpenSquare:
      return ctCloseSquare;
    case ctOpenCurly:
      return ctCloseCurly;
    default:
      return ctCloseParen;  // ( and functions
  }
}

TCssTokenizer::TCssTokenizer(std::u32string_view text) {
  // Line ends become line feeds; NULs and values that are no character become U+FFFD.
  Text.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t ch = text[i];
    if (ch == U'\r') {
      if (i + 1 < text.size() && text[i + 1] == LineFeed) ++i;
      ch = LineFeed;
    } else if (ch == U'\f') {
      ch = LineFeed;
    } else if (IsNoCharacter(ch)) {
      ch = Replacement;
    }
    Text += ch;
  }
}

bool TCssTokenizer::StartsEscape(std::size_t offset) const {
  return At(offset) == U'\\' && At(offset + 1) != LineFeed;
}

bool TCssTokenizer::StartsIdent(std::size_t offset) const {
  const char32_t first = At(offset);
  if (first == U'-')
    return IsNameStart(At(offset + 1)) || At(offset + 1) == U'-' || StartsEscape(offset + 1);
  if (IsNameStart(first)) return true;
  return StartsEscape(offset);
}

bool TCssTokenizer::StartsNumber() const {
  const char32_t first = At();
  if (first == U'+' || first == U'-') return IsDigit(At(1)) || (At(1) == U'.' && IsDigit(At(2)));
  if (first == U'.') return IsDigit(At(1));
  return IsDigit(first);
}

void TCssTokenizer::SkipComments() {
  while (At() == U'/' && At(1) == U'*') {
    const std::size_t end = Text.find(U"*/", Pos + 2);
    Pos = end == std::u32string::npos ? Text.size() : end + 2;
  }
}

char32_t TCssTokenizer::ReadEscape() {
  // The backslash has been read.
  if (Pos >= Text.size()) return Replacement;
  if (!IsHexDigit(At())) return Text[Pos++];
  std::uint32_t value = 0;
  for (int digits = 0; digits < 6 && IsHexDigit(At()); ++digits)
    value = value * 16 + HexValue(Text[Pos++]);
  if (IsWhitespace(At())) ++Pos;
  return IsNoCharacter(value) ? Replacement : char32_t(value);
}

std::u32string TCssTokenizer::ReadName() {
  std::u32string name;
  for (;;) {
    if (IsNameChar(At())) {
      name += Text[Pos++];
    } else if (StartsEscape()) {
      ++Pos;
      name += ReadEscape();
    } else {
      return name;
    }
  }
}

double TCssTokenizer::ReadNumber(bool& isInteger) {
  isInteger = true;
  double sign = 1;
  if (At() == U'+' || At() == U'-') sign = Text[Pos++] == U'-' ? -1 : 1;
  TDecimal decimal;
  while (IsDigit(At())) decimal.IntegerDigit(Text[Pos++]);
  if (At() == U'.' && IsDigit(At(1))) {
    isInteger = false;
    ++Pos;
    while (IsDigit(At())) decimal.FractionDigit(Text[Pos++]);
  }
  const char32_t e = At();
  const bool signedExponent = (At(1) == U'+' || At(1) == U'-') && IsDigit(At(2));
  if ((e == U'e' || e == U'E') && (IsDigit(At(1)) || signedExponent)) {
    isInteger = false;
    ++Pos;
    if (signedExponent && Text[Pos++] == U'-') decimal.NegativeExponent();
    while (IsDigit(At())) decimal.ExponentDigit(Text[Pos++]);
  }
  return sign * decimal.Value();
}

TCssToken TCssTokenizer::ReadNumeric() {
  TCssToken token;
  token.Number = ReadNumber(token.IsInteger);
  if (StartsIdent()) {
    token.Kind = ctDimension;
    token.Text = ReadName();
  } else if (At() == U'%') {
    ++Pos;
    token.Kind = ctPercentage;
  } else {
    token.Kind = ctNumber;
  }
  return token;
}

TCssToken TCssTokenizer::ReadIdentLike() {
  TCssToken token;
  token.Text = ReadName();
  if (At() != U'(') {
    token.Kind = ctIdent;
    return token;
  }
  ++Pos;
  if (EqualsIgnoringCase(token.Text, U"url")) {
    while (IsWhitespace(At()) && IsWhitespace(At(1))) ++Pos;
    const char32_t next = IsWhitespace(At()) ? At(1) : At();
    // url("..") is a function whose argument is a string; url(..) unquoted is one token.
    if (next != U'"' && next != U'\'') return ReadUrl();
  }
  token.Kind = ctFunction;
  return token;
}

TCssToken TCssTokenizer::ReadString(char32_t quote) {
  // The opening quote has been read.
  TCssToken token;
  token.Kind = ctString;
  for (;;) {
    const char32_t ch = At();
    if (Pos >= Text.size()) return token;  // unterminated: the string ends with the input
    if (ch == quote) {
      ++Pos;
      return token;
    }
    if (ch == LineFeed) {
      // A line end ends a bad string and stays, to be read as white space.
      token.Kind = ctBadString;
      token.Text.clear();
      return token;
    }
    ++Pos;
    if (ch != U'\\') {
      token.Text += ch;
    } else if (At() == LineFeed) {
      ++Pos;  // an escaped line end continues the string
    } else if (Pos < Text.size()) {
      token.Text += ReadEscape();
    }
  }
}

TCssToken TCssTokenizer::ReadUrl() {
  // "url(" has been read.
  TCssToken token;
  token.Kind = ctUrl;
  while (IsWhitespace(At())) ++Pos;
  for (;;) {
    const char32_t ch = At();
    if (Pos >= Text.size()) return token;
    if (ch == U')') {
      ++Pos;
      return token;
    }
    if (IsWhitespace(ch)) {
      while (IsWhitespace(At())) ++Pos;
      if (At() == U')' || Pos >= Text.size()) {
        if (Pos < Text.size()) ++Pos;
        return token;
      }
      break;
    }
    if (ch == U'"' || ch == U'\'' || ch == U'(' || IsNonPrintable(ch)) break;
    if (ch == U'\\') {
      if (!StartsEscape()) break;
      ++Pos;
      token.Text += ReadEscape();
      continue;
    }
    token.Text += ch;
    ++Pos;
  }
  SkipBadUrl();
  TCssToken bad;
  bad.Kind = ctBadUrl;
  return bad;
}

void TCssTokenizer::SkipBadUrl() {
  while (Pos < Text.size()) {
    if (At() == U')') {
      ++Pos;
      return;
    }
    if (StartsEscape()) {
      ++Pos;
      ReadEscape();
    } else {
      ++Pos;
    }
  }
}

TCssToken TCssTokenizer::Next() {
  SkipComments();
  if (Pos >= Text.size()) return Simple(ctEof);
  const char32_t ch = At();
  if (IsWhitespace(ch)) {
    while (IsWhitespace(At())) ++Pos;
    return Simple(ctWhitespace);
  }
  if (IsDigit(ch)) return ReadNumeric();
  if (IsNameStart(ch)) return ReadIdentLike();
  switch (ch) {
    case U'"':
    case U'\'':
      ++Pos;
      return ReadString(ch);
    case U'#':
      if (IsNameChar(At(1)) || StartsEscape(1)) {
        ++Pos;
        TCssToken token;
        token.Kind = ctHash;
        token.IsIdHash = StartsIdent();
        token.Text = ReadName();
        return token;
      }
      break;
    case U'(':
      ++Pos;
      return Simple(ctOpenParen);
    case U')':
      ++Pos;
      return Simple(ctCloseParen);
    case U'[':
      ++Pos;
      return Simple(ctOpenSquare);
    case U']':
      ++Pos;
      return Simple(ctCloseSquare);
    case U'{':
      ++Pos;
      return Simple(ctOpenCurly);
    case U'}':
      ++Pos;
      return Simple(ctCloseCurly);
    case U',':
      ++Pos;
      return Simple(ctComma);
    case U':':
      ++Pos;
      return Simple(ctColon);
    case U';':
      ++Pos;
      return Simple(ctSemicolon);
    case U'+':
    case U'.':
      if (StartsNumber()) return ReadNumeric();
      break;
    case U'-':
      if (StartsNumber()) return ReadNumeric();
      if (At(1) == U'-' && At(2) == U'>') {
        Pos += 3;
        return Simple(ctCDC);
      }
      if (StartsIdent()) return ReadIdentLike();
      break;
    case U'<':
      if (At(1) == U'!' && At(2) == U'-' && At(3) == U'-') {
        Pos += 4;
        return Simple(ctCDO);
      }
      break;
    case U'@':
      if (StartsIdent(1)) {
        ++Pos;
        TCssToken token;
        token.Kind = ctAtKeyword;
        token.Text = ReadName();
        return token;
      }
      break;
    case U'\\':
      if (StartsEscape()) return ReadIdentLike();
      break;
    default:
      break;
  }
  ++Pos;
  return Delim(ch);
}

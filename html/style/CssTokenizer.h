#pragma once
// The tokenizer of style sheets, after the standard syntax of style sheets. It never
// fails: anything malformed becomes a token of its own (a bad string, a bad url, a
// delimiter), and an unterminated comment, string or url ends at the end of the input. Each
// character is read a bounded number of times, so the cost is linear in the input.

#include <cstdint>
#include <string>
#include <string_view>

enum TCssTokenKind : std::uint8_t {
  ctIdent,
  ctFunction,
  ctAtKeyword,
  ctHash,
  ctString,
  ctBadString,
  ctUrl,
  ctBadUrl,
  ctDelim,
  ctNumber,
  ctPercentage,
  ctDimension,
  ctWhitespace,
  ctCDO,
  ctCDC,
  ctColon,
  ctSemicolon,
  ctComma,
  ctOpenSquare,
  ctCloseSquare,
  ctOpenParen,
  ctCloseParen,
  ctOpenCurly,
  ctCloseCurly,
  ctEof
};

struct TCssToken {
  TCssTokenKind Kind = ctEof;
  // The name of an identifier, function, at-keyword or hash, the value of a string or url,
  // the unit of a dimension, or the one character of a delimiter; escapes are resolved.
  std::u32string Text;
  double Number = 0;       // of a number, percentage (50 for "50%") or dimension
  bool IsInteger = false;  // the number was written without a fraction or exponent
  bool IsIdHash = false;   // the hash could be an id: its name is a valid identifier

  bool Is(TCssTokenKind kind) const { return Kind == kind; }
  bool IsDelim(char32_t ch) const { return Kind == ctDelim && Text.size() == 1 && Text[0] == ch; }
  // An identifier equal to lowerName but for the case of ASCII letters.
  bool IsIdent(std::u32string_view lowerName) const;
  // An opening bracket, or a function, whose contents run to a matching closer.
  bool OpensBlock() const {
    return Kind == ctFunction || Kind == ctOpenParen || Kind == ctOpenSquare || Kind == ctOpenCurly;
  }
};

// The token that closes a block opened by token (OpensBlock() must hold).
TCssTokenKind CloserOf(const TCssToken& token);

class TCssTokenizer {
 public:
  explicit TCssTokenizer(std::u32string_view text);

  // The next token; ctEof at the end, and again on every later call.
  TCssToken Next();

 private:
  // The character offset places ahead, or 0 beyond the end (the text holds no 0: it was
  // replaced on reading).
  char32_t At(std::size_t offset = 0) const {
    return Pos + offset < Text.size() ? Text[Pos + offset] : 0;
  }
  bool StartsEscape(std::size_t offset = 0) const;
  bool StartsIdent(std::size_t offset = 0) const;
  bool StartsNumber() const;

  void SkipComments();
  char32_t ReadEscape();
  std::u32string ReadName();
  double ReadNumber(bool& isInteger);
  TCssToken ReadNumeric();
  TCssToken ReadIdentLike();
  TCssToken ReadString(char32_t quote);
  TCssToken ReadUrl();
  void SkipBadUrl();

  std::u32string Text;  // the input with line ends, NULs and non-characters normalised
  std::size_t Pos = 0;
};

#include "html/parser/Tokenizer.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "html/parser/Entities.h"
#include "html/support/Errors.h"
#include "html/support/Fiber.h"
#include "html/support/Hex.h"
#include "html/support/LetterCase.h"
#include "html/support/Trim.h"

namespace {

constexpr char32_t LineEnd = 13;
constexpr std::size_t MaxTagName = 150;
constexpr std::size_t MaxTextRun = 100;
constexpr std::size_t MaxNumericDigits = 6;

// One parse at a time on a stack: the handlers a parse calls run on its stack and cannot
// start another there. A parse that waits on a stack of its own (Fiber.h) does not stop one
// on another stack. The live tokenizers hold the stacks they run on.
thread_local std::vector<const TFiber*> StacksParsing;

bool IsUpperLetter(char32_t c) { return c >= U'A' && c <= U'Z'; }
bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
bool IsHexDigit(char32_t c) { return HexDigitValue(c) >= 0; }

// A signed decimal number that fits 32 bits, or 0.
std::int32_t DecimalOrZero(std::u32string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == U'+' || text[0] == U'-')) {
    negative = text[0] == U'-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 10) return 0;
  std::int64_t value = 0;
  for (char32_t c : text) {
    if (!IsDigit(c)) return 0;
    value = value * 10 + (c - U'0');
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max())
    return 0;
  return static_cast<std::int32_t>(value);
}

// Text of a numeric value read as a number, after removing one "%" at its end.
std::int32_t NumberOfValue(std::u32string_view text) {
  if (text.ends_with(U'%')) text.remove_suffix(1);
  return DecimalOrZero(text);
}

}  // namespace

TTokenizer::TTokenizer(TSourceText source) {
  const TFiber* stack = TFiber::Current();
  if (std::find(StacksParsing.begin(), StacksParsing.end(), stack) != StacksParsing.end())
    throw EParseRefused("A document is already being read");
  StacksParsing.push_back(stack);
  Source = std::move(source);
}

TTokenizer::~TTokenizer() { std::erase(StacksParsing, TFiber::Current()); }

void TTokenizer::Start() {
  NextChar();
  NextSymbol();
}

std::u32string TTokenizer::AttributeText(TSymbol symbol) const {
  return ::AttributeText(Attributes, symbol);
}

char32_t TTokenizer::ReadSourceChar() {
  if (ReadingInclude) {
    char32_t ch = IncludeSource.Next();
    if (ch != EndOfInput) return ch;
    ReadingInclude = false;
  }
  return Source.Next();
}

void TTokenizer::PushBack(char32_t ch) {
  PushedBackCh = ch;
  HasPushedBack = true;
}

void TTokenizer::ReadChar() {
  char32_t ch;
  if (HasPushedBack) {
    ch = PushedBackCh;
    HasPushedBack = false;
  } else {
    ch = ReadSourceChar();
  }
  CurChIsTab = ch == 9;
  if (ch == 10 || ch == 13) {
    // CR LF, LF CR, a lone LF and a lone CR are each one line end.
    char32_t next = ReadSourceChar();
    if (next + ch != 10 + 13) PushBack(next);
    ch = LineEnd;
  } else if (CurChIsTab) {
    ch = U' ';
  }
  CurCh = ch;
  CurChUpper = UpperAscii(ch);
  if (ch == EndOfInput && InDeclaration)
    throw EParseError("Open Comment at End of HTML File");
}

void TTokenizer::NextCharSlow() {
  if (InDirective) {
    ReadChar();
    return;
  }
  for (;;) {
    InDeclaration = false;
    ReadChar();
    if (CurCh != U'<' || InScript) return;
    char32_t raw = ReadSourceChar();
    if (raw == U'?') {
      SkipProcessingInstruction();
      continue;
    }
    if (raw != U'!') {
      PushBack(raw);
      return;
    }
    InDeclaration = true;
    ReadChar();
    bool isComment = false;
    if (CurCh == U'-') {
      ReadChar();
      isComment = CurCh == U'-';
    }
    if (isComment) {
      ReadChar();
      if (IncludeHandler && CurCh == U'#' && !ReadingInclude)
        ProcessInclude();
      else
        SkipComment();
    } else {
      while (CurCh != U'>') ReadChar();
    }
  }
}

// Ends at two or more hyphens followed, after optional white space, by ">".
void TTokenizer::SkipComment() {
  for (;;) {
    while (CurCh != U'-') ReadChar();
    ReadChar();
    if (CurCh != U'-') continue;
    while (CurCh == U'-') ReadChar();
    while (CurCh == U' ' || CurCh == LineEnd) ReadChar();
    if (CurCh == U'>') return;
  }
}

// "<?xml ...?>" and its kind are not part of an HTML page: everything up to the next ">" goes.
// Unlike a comment it ends quietly at the end of input.
void TTokenizer::SkipProcessingInstruction() {
  do ReadChar();
  while (CurCh != U'>' && CurCh != EndOfInput);
}

void TTokenizer::ProcessInclude() {
  ReadChar();  // past "#"
  std::u32string command;
  while (IsUpperLetter(CurChUpper)) {
    command += CurCh;
    ReadChar();
  }

  TStringList params;
  InDirective = true;
  std::int32_t intValue;
  std::u32string value;
  std::string name;
  // The directive's attributes keep their names, known or not.
  for (;;) {
    SkipWhiteSpace();
    if (!IsUpperLetter(CurChUpper)) break;
    name.clear();
    while (IsUpperLetter(CurChUpper) || CurCh == U'-') {
      name += static_cast<char>(CurChUpper);
      ReadChar();
    }
    ScanAttributeValue(LookupAttribute(name), intValue, value);
    std::u32string& entry = params.emplace_back(name.begin(), name.end());
    entry.append(U"=\"").append(value).append(U"\"");
  }
  InDirective = false;
  SkipComment();

  const char* buffer = nullptr;
  std::size_t size = 0;
  IncludeHandler(Viewer, command, std::move(params), buffer, size);
  if (buffer && size > 0) {
    IncludeSource = TSourceText(std::string_view(buffer, size));
    ReadingInclude = true;
  }
}

void TTokenizer::SkipWhiteSpace() {
  while (CurCh == U' ' || CurCh == LineEnd) NextChar();
}

void TTokenizer::NextSymbol() {
  TokenText.clear();
  TokenValue = 0;
  StartTag = SelfClosing = EndTag = false;
  if (PendingEnd != symUnknownTag) {
    EndTag = true;
    CurSym = PendingEnd;
    TokenValue = PendingEndValue;
    PendingEnd = symUnknownTag;
    return;
  }
  if (CurCh == EndOfInput) {
    CurSym = symEof;
  } else if (CurCh == U'<') {
    ScanTag();
  } else if (CurCh == U'&') {
    CurSym = symText;
    ScanEntity(TokenText);
  } else if (!ScanTextRun()) {
    CurSym = symOtherChar;
    TokenText = CurCh;
    NextChar();
  }

  if (AfterParagraph) {
    static const TSymbolSet endsParagraphGap{symBr,  symHeading, symHr,      symImg,   symText,
                                             symTable, symInput,  symTextarea, symSelect};
    // Collapsed white space between tags shows nothing, so the gap still stands after it.
    const bool blank = CurSym == symText && !InPreformatted && TokenText == U" ";
    if (endsParagraphGap.Contains(CurSym) && !blank) AfterParagraph = false;
  }
}

// At "<". A "<" that begins no tag is a text symbol of its own.
void TTokenizer::ScanTag() {
  NextChar();
  bool isEndTag = false;
  if (CurCh == U'/') {
    isEndTag = true;
    NextChar();
  } else if (!IsUpperLetter(CurChUpper)) {
    CurSym = symText;
    TokenText += U'<';
    return;
  }

  std::string name;
  while (IsUpperLetter(CurChUpper)) {
    if (name.size() < MaxTagName) name += static_cast<char>(CurChUpper);
    NextChar();
  }
  CurSym = LookupTag(name, isEndTag);
  StartTag = !isEndTag;
  EndTag = isEndTag;
  TagName = name;
  if (StartTag) Attributes.Clear();
  if (StartTag && TagContent(CurSym) == tcGathered) {
    GatherElement(name);
    return;
  }

  SkipWhiteSpace();
  if ((CurSym == symHeading || CurSym == symHeadingEnd) && CurCh >= U'1' && CurCh <= U'6') {
    TokenValue = static_cast<int>(CurCh - U'0');
    NextChar();
  }

  TSymbol symbol;
  std::int32_t intValue;
  std::u32string value;
  std::string attributeName;
  while (ScanAttribute(symbol, intValue, value, attributeName))
    if (StartTag) Attributes.Emplace(symbol, intValue, value, attributeName);

  // A "/" that ends an unquoted value belongs to it; only one standing on its own closes.
  bool slash = false;
  while (CurCh != U'>' && CurCh != EndOfInput) {
    slash = CurCh == U'/';
    NextChar();
  }
  SelfClosing = StartTag && slash && CurCh == U'>';
  // A kept sheet is read from its first character with comment openers as its own text.
  const bool keepSheet = StartTag && !SelfClosing && CurSym == symStyle && KeepStyleSheets;
  const bool savedInScript = InScript;
  if (keepSheet) InScript = true;
  NextChar();
  if (keepSheet) {
    GatherStyleSheet();
    InScript = savedInScript;
    return;
  }
  if (!StartTag) return;
  if (SelfClosing) {
    PendingEnd = EndSymbolOf(CurSym);
    PendingEndValue = TokenValue;
  } else if (TagContent(CurSym) == tcSkipped) {
    TMarkupSink nothing;
    ReadElementContent(name, nothing);
  }
}

bool TTokenizer::ScanAttribute(TSymbol& symbol, std::int32_t& intValue,
                               std::u32string& value, std::string& name) {
  SkipWhiteSpace();
  if (!IsUpperLetter(CurChUpper)) return false;
  name.clear();
  while (IsUpperLetter(CurChUpper) || CurCh == U'-') {
    if (name.size() < MaxTagName) name += static_cast<char>(CurChUpper);
    NextChar();
  }
  symbol = LookupAttribute(name);
  ScanAttributeValue(symbol, intValue, value);
  return true;
}

void TTokenizer::ScanAttributeValue(TSymbol symbol, std::int32_t& intValue,
                                    std::u32string& value) {
  SkipWhiteSpace();
  value.clear();
  intValue = symbol == symBorder ? 1 : 0;
  if (CurCh != U'=') return;
  NextChar();
  SkipWhiteSpace();

  if (CurCh == U'"' || CurCh == U'\'') {
    ScanQuotedValue(value);
    value = TrimControls(value);
    intValue = NumberOfValue(value);
  } else if (CurCh == U'+' || CurCh == U'-' || IsDigit(CurCh)) {
    while (CurCh != U' ' && CurCh != LineEnd && CurCh != EndOfInput && CurCh != U'%' &&
           CurCh != U'>') {
      value += CurCh;
      NextChar();
    }
    SkipWhiteSpace();
    if (CurCh == U'%') {
      value += U'%';
      NextChar();
    }
    intValue = NumberOfValue(value);
  } else {
    while (CurCh != U' ' && CurCh != LineEnd && CurCh != EndOfInput && CurCh != U'>') {
      value += CurCh;
      NextChar();
    }
  }
}

// Up to the same quote or end of input; line ends are dropped and entities decoded.
void TTokenizer::ScanQuotedValue(std::u32string& value) {
  char32_t quote = CurCh;
  NextChar();
  while (CurCh != quote && CurCh != EndOfInput) {
    if (CurCh == LineEnd) {
      NextChar();
    } else if (CurCh == U'&') {
      ScanEntity(value, true);
    } else {
      value += CurCh;
      NextChar();
    }
  }
  if (CurCh == quote) NextChar();
}

// At "&": appends the entity's character, or the text as written when it is none.
void TTokenizer::ScanEntity(std::u32string& out, bool inAttribute) {
  NextChar();
  if (CurCh == U'#')
    ScanNumericEntity(out);
  else
    ScanNamedEntity(out, inAttribute);
}

void TTokenizer::ScanNumericEntity(std::u32string& out) {
  NextChar();
  bool hex = CurCh == U'x' || CurCh == U'X';
  std::u32string written = U"&#";
  if (hex) {
    written += CurCh;
    NextChar();
  }
  auto isDigit = hex ? IsHexDigit : IsDigit;
  std::uint32_t code = 0;
  std::size_t digits = 0;
  while (digits < MaxNumericDigits && isDigit(CurCh)) {
    written += CurCh;
    const auto digit = std::uint32_t(HexDigitValue(CurCh));
    code = code * (hex ? 16 : 10) + digit;
    ++digits;
    NextChar();
  }
  if (isDigit(CurCh)) {
    // Too many digits: what was read stays as written, the next digit is text.
    out += written;
    return;
  }
  bool endedBySemicolon = CurCh == U';';
  if (endedBySemicolon) NextChar();
  if (digits > 0) {
    if (auto ch = NumericEntityChar(code)) {
      out += *ch;
      return;
    }
  }
  out += written;
  if (endedBySemicolon) out += U';';
}

void TTokenizer::ScanNamedEntity(std::u32string& out, bool inAttribute) {
  // As many letters and digits as the longest name holds, and a ";" after them; what the
  // longest matching name leaves over stays as text ("&notit;" is the sign "not", then "it;").
  std::string name;
  while (name.size() < LongestEntityName && (IsUpperLetter(CurChUpper) || IsDigit(CurCh))) {
    name += static_cast<char>(CurCh);
    NextChar();
  }
  if (CurCh == U';' && name.size() < LongestEntityName) {
    name += ';';
    NextChar();
  }
  auto match = MatchEntity(name);
  if (match && inAttribute && name[match->Length - 1] != ';') {
    // In a value, a legacy name followed by "=", a letter or a digit is most likely part of
    // a query ("?a=1&copy=2"): it stays as written.
    const char32_t next = match->Length < name.size() ? name[match->Length] : CurCh;
    if (next == U'=' || IsUpperLetter(UpperAscii(next)) || IsDigit(next)) match.reset();
  }
  std::size_t written = 0;
  if (match) {
    out += match->First;
    if (match->Second) out += match->Second;
    written = match->Length;
  } else {
    out += U'&';
  }
  out.append(name.begin() + std::ptrdiff_t(written), name.end());
}

bool TTokenizer::ScanTextRun() {
  while (TokenText.size() < MaxTextRun) {
    char32_t ch = CurCh;
    if ((ch < 32 && ch != LineEnd) || ch == U'&' || ch == U'<' || ch == U'>') break;
    if (InPreformatted || (ch != U' ' && ch != LineEnd)) {
      TokenText += ch;
      NextChar();
    } else {
      TokenText += U' ';
      SkipWhiteSpace();
    }
  }
  if (TokenText.empty()) return false;
  CurSym = symText;
  return true;
}

// Raw characters up to a line end, end of input or "<" (and "&" when entities count).
void TTokenizer::ScanRawRun(bool stopAtAmpersand, bool keepTabs) {
  while (TokenText.size() < MaxTextRun && CurCh != LineEnd && CurCh != EndOfInput &&
         CurCh != U'<' && !(stopAtAmpersand && CurCh == U'&')) {
    TokenText += keepTabs && CurChIsTab ? U'\t' : CurCh;
    NextChar();
  }
  CurSym = symText;
}

// End of input and line ends read the same in both raw modes.
bool TTokenizer::ScanRawBoundary() {
  if (CurCh == EndOfInput) {
    CurSym = symEof;
    return true;
  }
  if (CurCh == LineEnd) {
    CurSym = symEol;
    NextChar();
    return true;
  }
  return false;
}

void TTokenizer::NextTextareaSymbol() {
  TokenText.clear();
  if (ScanRawBoundary()) return;
  if (CurCh == U'<') {
    TokenText += U'<';
    NextChar();
    while (CurCh != U' ' && CurCh != LineEnd && CurCh != U'>' && CurCh != EndOfInput) {
      TokenText += CurCh;
      NextChar();
    }
    CurSym = EqualsIgnoringCase(TokenText, U"</TEXTAREA") ? symTextareaEnd : symUnknownTag;
  } else if (CurCh == U'&') {
    CurSym = symText;
    ScanEntity(TokenText);
  } else {
    ScanRawRun(true, true);
  }
}

void TTokenizer::NextScriptSymbol() {
  TokenText.clear();
  if (ScanRawBoundary()) return;
  if (CurCh == U'<') {
    TokenText += U'<';
    NextChar();
    for (int count = 0; count < 7 && (CurCh == U'/' || IsUpperLetter(CurChUpper)); ++count) {
      TokenText += CurCh;
      NextChar();
    }
    if (CurCh == U'>') {
      TokenText += U'>';
      NextChar();
    }
    CurSym = EqualsIgnoringCase(TokenText, U"</SCRIPT>") ? symScriptEnd : symUnknownTag;
  } else {
    ScanRawRun(false, false);
  }
}

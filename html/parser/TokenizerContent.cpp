// Elements the tokenizer reads whole: the content of one that is never shown is passed over,
// and inline SVG is handed on as the markup it is written in. Both end at the element's own
// end tag, counting the elements of the same name that open inside it.
#include "html/parser/Tokenizer.h"

#include "html/support/LetterCase.h"

namespace {

bool IsNameChar(char32_t upper) {
  return (upper >= U'A' && upper <= U'Z') || (upper >= U'0' && upper <= U'9') || upper == U'-';
}

}  // namespace

void TTokenizer::TMarkupSink::Keep(char32_t ch) {
  if (!Content) return;
  if (Content->size() < Limit)
    Content->push_back(ch);
  else
    Dropped = true;
}

void TTokenizer::GatherElement(std::string_view upperName) {
  std::u32string markup;
  TMarkupSink sink{&markup, MaxGatheredMarkup};
  sink.Keep(U'<');
  for (char c : upperName) sink.Keep(char32_t(LowerAscii(c)));
  SelfClosing = ReadRestOfTag(sink);
  if (!SelfClosing) ReadElementContent(upperName, sink);
  // Markup cut short would draw as something else; none at all stands for it.
  if (!sink.Dropped) TokenText = std::move(markup);
}

bool TTokenizer::ReadRestOfTag(TMarkupSink& sink) {
  char32_t quote = 0;
  bool slash = false;
  while (CurCh != EndOfInput && (quote || CurCh != U'>')) {
    if (quote && CurCh == quote)
      quote = 0;
    else if (!quote && (CurCh == U'"' || CurCh == U'\''))
      quote = CurCh;
    slash = !quote && CurCh == U'/';
    sink.Keep(CurCh);
    NextChar();
  }
  if (CurCh != U'>') return false;
  sink.Keep(CurCh);
  NextChar();
  return slash;
}

void TTokenizer::ReadElementContent(std::string_view upperName, TMarkupSink& sink) {
  int depth = 1;
  std::string name;
  while (CurCh != EndOfInput) {
    sink.Keep(CurCh);
    const bool tag = CurCh == U'<';
    NextChar();
    if (!tag) continue;
    const bool endTag = CurCh == U'/';
    if (endTag) {
      sink.Keep(CurCh);
      NextChar();
    }
    // Only the element's own name counts; any other tag is content like the rest.
    name.clear();
    while (IsNameChar(CurChUpper)) {
      if (name.size() <= upperName.size()) name += char(CurChUpper);
      sink.Keep(CurCh);
      NextChar();
    }
    if (name != upperName) continue;
    const bool closed = ReadRestOfTag(sink);
    if (endTag && --depth == 0) return;
    if (!endTag && !closed) ++depth;
  }
}

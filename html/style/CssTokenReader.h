#pragma once
// Reading a short run of tokens (a selector, a declaration's value, a media query) from the
// front. A block or function counts as one component with everything up to its closer.

#include <cstddef>
#include <span>

#include "html/style/CssTokenizer.h"

// The index just past the component that starts at index start: past its closer for a block
// or function (or the end of tokens when it has none), else start + 1. closed, when given,
// tells whether a block found its closer.
std::size_t ComponentEnd(std::span<const TCssToken> tokens, std::size_t start,
                         bool* closed = nullptr);

// tokens without white space at either end.
std::span<const TCssToken> TrimWhitespace(std::span<const TCssToken> tokens);

class TCssTokenReader {
 public:
  explicit TCssTokenReader(std::span<const TCssToken> tokens) : Tokens(tokens) {}

  bool AtEnd() const { return Pos >= Tokens.size(); }
  // The current token; an end-of-file token past the end.
  const TCssToken& Peek() const { return AtEnd() ? EndToken : Tokens[Pos]; }
  const TCssToken& Take() {
    const TCssToken& token = Peek();
    if (!AtEnd()) ++Pos;
    return token;
  }
  void SkipWhitespace() {
    while (!AtEnd() && Tokens[Pos].Kind == ctWhitespace) ++Pos;
  }
  // What is left to read.
  std::span<const TCssToken> Rest() const {
    return AtEnd() ? std::span<const TCssToken>() : Tokens.subspan(Pos);
  }
  // The current component, whole, and moves past it.
  std::span<const TCssToken> TakeComponent();
  // What stands between the opener and the closer of the current block or function, and
  // moves past the whole of it.
  std::span<const TCssToken> TakeContents();

 private:
  static const TCssToken EndToken;
  std::span<const TCssToken> Tokens;
  std::size_t Pos = 0;
};

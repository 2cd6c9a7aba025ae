#include "html/style/CssTokenReader.h"

#include <vector>

const TCssToken TCssTokenReader::EndToken{};

std::size_t ComponentEnd(std::span<const TCssToken> tokens, std::size_t start, bool* closed) {
  if (closed) *closed = false;
  if (start >= tokens.size()) return tokens.size();
  if (!tokens[start].OpensBlock()) return start + 1;
  // Closers that do not match the innermost open block are ordinary tokens inside it.
  std::vector<TCssTokenKind> closers{CloserOf(tokens[start])};
  for (std::size_t i = start + 1; i < tokens.size(); ++i) {
    if (tokens[i].Kind == closers.back()) {
      closers.pop_back();
      if (closers.empty()) {
        if (closed) *closed = true;
        return i + 1;
      }
    } else if (tokens[i].OpensBlock()) {
      closers.push_back(CloserOf(tokens[i]));
    }
  }
  return tokens.size();
}

std::span<const TCssToken> TrimWhitespace(std::span<const TCssToken> tokens) {
  while (!tokens.empty() && tokens.front().Kind == ctWhitespace) tokens = tokens.subspan(1);
  while (!tokens.empty() && tokens.back().Kind == ctWhitespace)
    tokens = tokens.first(tokens.size() - 1);
  return tokens;
}

std::span<const TCssToken> TCssTokenReader::TakeComponent() {
  const std::size_t start = Pos;
  Pos = ComponentEnd(Tokens, Pos);
  return Tokens.subspan(start, Pos - start);
}

std::span<const TCssToken> TCssTokenReader::TakeContents() {
  const std::size_t start = Pos;
  bool closed = false;
  Pos = ComponentEnd(Tokens, Pos, &closed);
  if (Pos == start || !Tokens[start].OpensBlock()) return {};
  // Without its opener, and without its closer when it has one.
  return Tokens.subspan(start + 1, Pos - start - 1 - (closed ? 1 : 0));
}

#pragma once
// Test helper: the symbols a document gives, read the way the builder reads them.

#include <string>
#include <string_view>
#include <vector>

#include "html/parser/Tokenizer.h"

struct TToken {
  TSymbol Sym;
  std::u32string Text;
  int Value = 0;
  bool operator==(const TToken&) const = default;
};

inline std::vector<TToken> Tokens(std::string_view html, bool preformatted = false) {
  TTokenizer tokens(html);
  tokens.InPreformatted = preformatted;
  tokens.Start();
  std::vector<TToken> result;
  while (tokens.CurSym != symEof) {
    result.push_back({tokens.CurSym, tokens.TokenText, tokens.TokenValue});
    tokens.NextSymbol();
  }
  return result;
}

// All text symbols joined, other symbols dropped.
inline std::u32string TextOf(std::string_view html, bool preformatted = false) {
  std::u32string text;
  for (const TToken& token : Tokens(html, preformatted))
    if (token.Sym == symText) text += token.Text;
  return text;
}

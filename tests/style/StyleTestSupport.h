#pragma once
// Elements for selector tests, and short readings of tokens and declarations.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "html/style/CssTokenizer.h"
#include "html/style/PlainStyleElement.h"
#include "html/style/StyleSheet.h"
#include "html/support/Utf8.h"

// An element of a hand-made tree; the tree owns none of them.
using TTestElement = TPlainStyleElement;

inline std::u32string U32(std::string_view ascii) {
  return std::u32string(ascii.begin(), ascii.end());
}

// A token as "kind:text", numbers with their value: "ident:a", "dim:12px", "num:1.5".
inline std::string Describe(const TCssToken& token) {
  static const char* const Names[] = {
      "ident", "function", "at",  "hash", "string", "bad-string", "url", "bad-url", "delim",
      "num",   "pct",      "dim", "ws",   "cdo",    "cdc",        ":",   ";",       ",",
      "[",     "]",        "(",   ")",    "{",      "}",          "eof"};
  std::string text = Names[token.Kind];
  if (token.Is(ctNumber) || token.Is(ctPercentage) || token.Is(ctDimension)) {
    char number[32];
    std::snprintf(number, sizeof number, "%g", token.Number);
    text += std::string(":") + number;
  } else if (!token.Text.empty()) {
    text += ":";
  }
  text += EncodeUtf8(token.Text);
  return text;
}

inline std::vector<std::string> TokenTexts(std::u32string_view css) {
  TCssTokenizer tokenizer(css);
  std::vector<std::string> texts;
  for (TCssToken token = tokenizer.Next(); !token.Is(ctEof); token = tokenizer.Next())
    texts.push_back(Describe(token));
  return texts;
}

inline std::vector<TCssToken> TokensOf(std::u32string_view css) {
  TCssTokenizer tokenizer(css);
  std::vector<TCssToken> tokens;
  for (TCssToken token = tokenizer.Next(); !token.Is(ctEof); token = tokenizer.Next())
    tokens.push_back(std::move(token));
  return tokens;
}

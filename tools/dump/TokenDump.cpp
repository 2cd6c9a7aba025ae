#include "tools/dump/TokenDump.h"

#include "html/parser/Tokenizer.h"
#include "tools/Json.h"

namespace {

std::string SymbolJson(TSymbol symbol) { return JsonString(SymbolName(symbol)); }

void PrintSymbol(const TTokenizer& tokens, std::ostream& out) {
  out << "{\"sym\":" << SymbolJson(tokens.CurSym) << ",\"value\":" << tokens.TokenValue
      << ",\"text\":" << JsonString(tokens.TokenText);
  if (tokens.StartTag) {
    out << ",\"attrs\":[";
    bool first = true;
    for (const auto& attribute : tokens.Attributes) {
      if (!first) out << ',';
      first = false;
      out << "{\"sym\":" << SymbolJson(attribute->Symbol) << ",\"int\":" << attribute->IntValue
          << ",\"str\":" << JsonString(attribute->StrValue) << '}';
    }
    out << ']';
  }
  out << "}\n";
}

}  // namespace

void DumpTokens(std::string_view documentBytes, std::ostream& out) {
  TTokenizer tokens(documentBytes);
  tokens.NextChar();
  for (;;) {
    tokens.NextSymbol();
    PrintSymbol(tokens, out);
    if (tokens.CurSym == symEof) break;
  }
}

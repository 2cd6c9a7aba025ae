// Reads arbitrary bytes as a document through every tokenizer mode. The first byte picks
// the modes; an include directive is answered with the start of the input itself. Bit 4
// streams the document through a byte source that gives (bits 5-7) + 1 bytes per read, so
// byte order marks, declarations and characters are met split between reads.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "html/parser/MemoryBytes.h"
#include "html/parser/Tokenizer.h"
#include "html/support/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t flags = data[0];
  std::string_view document(reinterpret_cast<const char*>(data + 1), size - 1);

  TMemoryBytes pieces(document, std::size_t(flags >> 5) + 1);
  try {
    TTokenizer tokens(flags & 16 ? TSourceText(pieces) : TSourceText(document));
    tokens.InPreformatted = flags & 1;
    if (flags & 2) {
      tokens.IncludeHandler = [&](TriruRedu*, const std::u32string&, TStringList,
                                  const char*& buffer, std::size_t& length) {
        buffer = document.data();
        length = std::min<std::size_t>(document.size(), 64);
      };
    }
    tokens.Start();
    // Symbols read: a bound that no input within the length limit can reach unless the
    // tokenizer stops consuming input.
    std::size_t budget = 16 * size + 1024;
    for (std::size_t step = 0; tokens.CurSym != symEof; ++step) {
      if (step > budget) __builtin_trap();
      switch ((flags >> 2) & 3) {
        case 1: tokens.NextTextareaSymbol(); break;
        case 2:
          tokens.InScript = true;
          tokens.NextScriptSymbol();
          break;
        default: tokens.NextSymbol(); break;
      }
      for (const auto& attribute : tokens.Attributes) (void)attribute->StrValue.size();
    }
  } catch (const EParseError&) {
  }
  return 0;
}

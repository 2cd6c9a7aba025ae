#include "html/style/StyleSheet.h"

#include <utility>

#include "html/style/CssTokenReader.h"
#include "html/style/PropertyValues.h"
#include "html/style/StyleLimits.h"
#include "html/support/LetterCase.h"

namespace {

// Reads a sheet or a declaration list token by token, keeping only the tokens of the
// selector, value or prelude at hand, so that memory stays bounded whatever the input.
class TSheetReader {
 public:
  TSheetReader(std::u32string_view text, const TMediaScreen& screen, TStyleSheetStats& stats)
      : Tokens(text), Screen(screen), Stats(stats) {
    Advance();
  }

  void ReadSheet(TStyleSheet& sheet) {
    Sheet = &sheet;
    ReadRules(true);
  }
  void ReadDeclarationList(TDeclarationList& list) { ReadDeclarations(list, false); }

 private:
  void Advance() { Current = Tokens.Next(); }
  // Whether the current token closes the block being read: a "}" inside a block. Outside
  // every block a "}" is an ordinary token.
  bool AtBlockEnd() const { return Current.Is(ctCloseCurly) && Depth > 0; }
  // Whether the current token ends a declaration or an at-rule's prelude.
  bool AtStatementEnd() const {
    return Current.Is(ctEof) || Current.Is(ctSemicolon) || AtBlockEnd();
  }
  // Moves past the current component, a block or function with all it holds, appending its
  // tokens to out while out holds fewer than limit (overflow is set when some did not fit).
  void TakeComponent(std::vector<TCssToken>* out = nullptr, std::size_t limit = 0,
                     bool* overflow = nullptr);

  void ReadRules(bool topLevel);
  void ReadAtRule(bool topLevel);
  void ReadImport(std::span<const TCssToken> prelude);
  void ReadStyleRule(bool topLevel);
  void ReadDeclarations(TDeclarationList& list, bool inBlock);
  void ReadDeclaration(TDeclarationList& list);
  void SkipAtRule();
  void SkipDeclaration();

  TCssTokenizer Tokens;
  TCssToken Current;
  const TMediaScreen& Screen;
  TStyleSheetStats& Stats;
  TStyleSheet* Sheet = nullptr;
  int Depth = 0;          // blocks open around what is being read
  bool SeenRule = false;  // imports are over
  bool Full = false;      // a limit was reached: the rest is not read
};

void TSheetReader::TakeComponent(std::vector<TCssToken>* out, std::size_t limit, bool* overflow) {
  auto keep = [&] {
    if (!out) return;
    if (out->size() < limit)
      out->push_back(std::move(Current));
    else
      *overflow = true;
  };
  if (!Current.OpensBlock()) {
    keep();
    Advance();
    return;
  }
  // Closers that do not match the innermost open block are ordinary tokens inside it.
  std::vector<TCssTokenKind> closers{CloserOf(Current)};
  keep();
  Advance();
  while (!Current.Is(ctEof)) {
    if (Current.Kind == closers.back()) {
      closers.pop_back();
      keep();
      Advance();
      if (closers.empty()) return;
      continue;
    }
    if (Current.OpensBlock()) closers.push_back(CloserOf(Current));
    keep();
    Advance();
  }
}

void TSheetReader::ReadRules(bool topLevel) {
  while (!Full) {
    switch (Current.Kind) {
      case ctWhitespace:
        Advance();
        continue;
      case ctEof:
        return;
      case ctCloseCurly:
        if (topLevel) break;  // a stray "}" begins a rule that will not be valid
        Advance();
        return;
      case ctCDO:
      case ctCDC:
        // The markers of an old HTML comment around a sheet.
        if (!topLevel) break;
        Advance();
        continue;
      case ctAtKeyword:
        ReadAtRule(topLevel);
        continue;
      default:
        break;
    }
    ReadStyleRule(topLevel);
  }
}

void TSheetReader::ReadAtRule(bool topLevel) {
  const std::u32string name = LowerAscii(Current.Text);
  Advance();
  std::vector<TCssToken> prelude;
  bool tooLong = false;
  while (!AtStatementEnd() && !Current.Is(ctOpenCurly))
    TakeComponent(&prelude, MaxPreludeTokens, &tooLong);
  const bool hasBlock = Current.Is(ctOpenCurly);
  if (Current.Is(ctSemicolon)) Advance();

  if (name == U"import") {
    // Only a well-formed import before every rule counts; an ill-formed one is dropped
    // without ending the imports.
    if (!hasBlock && topLevel && !SeenRule && !tooLong)
      ReadImport(prelude);
    else
      ++Stats.AtRulesSkipped;
    if (hasBlock) TakeComponent();
    return;
  }
  // @charset and @layer statements may stand before imports; anything else ends them.
  if (!hasBlock && (name == U"charset" || name == U"layer")) return;
  SeenRule = true;
  if (name == U"media" && hasBlock && !tooLong && Depth < MaxMediaNesting &&
      MediaListMatches(prelude, Screen)) {
    Advance();
    ++Depth;
    ReadRules(false);
    --Depth;
    return;
  }
  ++Stats.AtRulesSkipped;
  if (hasBlock) TakeComponent();
}

void TSheetReader::ReadImport(std::span<const TCssToken> prelude) {
  TCssTokenReader reader(prelude);
  reader.SkipWhitespace();
  const TCssToken& first = reader.Peek();
  std::u32string url;
  if (first.Is(ctUrl) || first.Is(ctString)) {
    url = reader.Take().Text;
  } else if (first.Is(ctFunction) && EqualsIgnoringCase(first.Text, U"url")) {
    const std::span<const TCssToken> argument = TrimWhitespace(reader.TakeContents());
    if (argument.size() != 1 || !argument[0].Is(ctString)) return;
    url = argument[0].Text;
  } else {
    return;
  }
  if (url.empty() || Sheet->Imports.size() >= MaxImports) return;
  if (MediaListMatches(reader.Rest(), Screen)) Sheet->Imports.push_back({std::move(url)});
}

void TSheetReader::ReadStyleRule(bool topLevel) {
  SeenRule = true;
  // The selectors, one by one as the commas between them come.
  std::vector<TSelector> selectors;
  std::vector<TCssToken> tokens;
  bool tooLong = false, invalid = false;
  std::size_t count = 0, unsupported = 0;
  auto endSelector = [&] {
    if (++count <= MaxSelectorsPerRule && !invalid) {
      TSelector selector;
      const TSelectorStatus status = tooLong ? ssUnsupported : ParseSelector(tokens, selector);
      if (status == ssValid) selectors.push_back(std::move(selector));
      unsupported += status == ssUnsupported;
      invalid = status == ssInvalid;
    }
    tokens.clear();
    tooLong = false;
  };
  for (;;) {
    // Without a block there is no rule; a "}" here ends the block around it.
    if (Current.Is(ctEof) || (!topLevel && AtBlockEnd())) {
      ++Stats.RulesDropped;
      return;
    }
    if (Current.Is(ctOpenCurly)) break;
    if (Current.Is(ctComma)) {
      endSelector();
      Advance();
      continue;
    }
    TakeComponent(&tokens, MaxSelectorTokens, &tooLong);
  }
  endSelector();
  if (!invalid) Stats.SelectorsDropped += unsupported;
  if (invalid || count > MaxSelectorsPerRule || selectors.empty()) {
    ++Stats.RulesDropped;
    TakeComponent();
    return;
  }

  TDeclarationList& declarations = Sheet->Declarations;
  TStyleRule rule;
  rule.FirstDeclaration = std::uint32_t(declarations.Items.size());
  Advance();
  ++Depth;
  ReadDeclarations(declarations, true);
  --Depth;
  rule.DeclarationCount = std::uint32_t(declarations.Items.size() - rule.FirstDeclaration);
  if (rule.DeclarationCount == 0) {
    ++Stats.RulesEmpty;
    return;
  }
  if (Sheet->Selectors.size() + selectors.size() > MaxSheetSelectors) {
    declarations.Items.resize(rule.FirstDeclaration);
    Full = Stats.Truncated = true;
    return;
  }
  for (std::size_t i = rule.FirstDeclaration; i < declarations.Items.size(); ++i)
    rule.HasImportant |= declarations.Items[i].Important;
  for (TSelector& selector : selectors) {
    selector.Rule = std::uint32_t(Sheet->Rules.size());
    Sheet->Selectors.push_back(std::move(selector));
  }
  Sheet->Rules.push_back(rule);
  ++Stats.RulesKept;
  Stats.SelectorsKept += selectors.size();
}

void TSheetReader::ReadDeclarations(TDeclarationList& list, bool inBlock) {
  while (!Full) {
    switch (Current.Kind) {
      case ctWhitespace:
      case ctSemicolon:
        Advance();
        continue;
      case ctEof:
        return;
      case ctCloseCurly:
        if (!inBlock) break;
        Advance();
        return;
      case ctAtKeyword:
        SkipAtRule();
        ++Stats.AtRulesSkipped;
        continue;
      case ctIdent:
        ReadDeclaration(list);
        continue;
      default:
        break;
    }
    SkipDeclaration();
    ++Stats.DeclarationsIgnored;
  }
}

void TSheetReader::ReadDeclaration(TDeclarationList& list) {
  const std::u32string name = std::move(Current.Text);
  Advance();
  std::vector<TCssToken> tokens;
  bool tooLong = false;
  while (!AtStatementEnd()) TakeComponent(&tokens, MaxValueTokens, &tooLong);

  // name, white space, ":", the value, perhaps "!important".
  std::span<const TCssToken> value = TrimWhitespace(tokens);
  if (tooLong || value.empty() || !value.front().Is(ctColon)) {
    ++Stats.DeclarationsIgnored;
    return;
  }
  value = TrimWhitespace(value.subspan(1));
  bool important = false;
  if (!value.empty() && value.back().IsIdent(U"important")) {
    const std::span<const TCssToken> before = TrimWhitespace(value.first(value.size() - 1));
    if (!before.empty() && before.back().IsDelim(U'!')) {
      important = true;
      value = TrimWhitespace(before.first(before.size() - 1));
    }
  }
  if (list.Items.size() >= MaxSheetDeclarations) {
    Full = Stats.Truncated = true;
    return;
  }
  if (ParseDeclarationValue(name, value, important, list))
    ++Stats.DeclarationsKept;
  else
    ++Stats.DeclarationsIgnored;
}

void TSheetReader::SkipAtRule() {
  Advance();
  while (!AtStatementEnd() && !Current.Is(ctOpenCurly)) TakeComponent();
  if (Current.Is(ctSemicolon) || Current.Is(ctOpenCurly)) TakeComponent();
}

void TSheetReader::SkipDeclaration() {
  // At least the current token goes, so that a stray "}" outside a block is passed.
  do {
    TakeComponent();
  } while (!AtStatementEnd());
}

}  // namespace

TStyleSheet ParseStyleSheet(std::u32string_view text, TStyleOrigin origin,
                            const TMediaScreen& screen) {
  TStyleSheet sheet;
  sheet.Origin = origin;
  TSheetReader(text, screen, sheet.Stats).ReadSheet(sheet);
  return sheet;
}

TDeclarationList ParseDeclarations(std::u32string_view text, TStyleSheetStats* stats) {
  TStyleSheetStats ownStats;
  TDeclarationList list;
  TSheetReader(text, TMediaScreen{}, stats ? *stats : ownStats).ReadDeclarationList(list);
  return list;
}

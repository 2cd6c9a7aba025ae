#include "html/style/MediaQueries.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "html/style/CssTokenReader.h"
#include "html/style/StyleLimits.h"
#include "html/support/LetterCase.h"

namespace {

// Conditions are true, false or unknown (a feature or form the engine does not know), as
// "not", "and" and "or" combine them; only a true query matches.
enum TTruth { trFalse, trTrue, trUnknown };

TTruth Not(TTruth value) {
  return value == trUnknown ? trUnknown : value == trTrue ? trFalse : trTrue;
}
TTruth And(TTruth a, TTruth b) {
  if (a == trFalse || b == trFalse) return trFalse;
  return a == trUnknown || b == trUnknown ? trUnknown : trTrue;
}
TTruth Or(TTruth a, TTruth b) {
  if (a == trTrue || b == trTrue) return trTrue;
  return a == trUnknown || b == trUnknown ? trUnknown : trFalse;
}
TTruth Truth(bool value) { return value ? trTrue : trFalse; }

constexpr int MaxConditionDepth = 16;
constexpr double DefaultFontPx = 16;  // em and rem in queries count the initial font size

enum TFeatureKind { fkLength, fkRatio, fkInteger, fkResolution, fkKeyword };

// What the fixed screen answers for a feature.
struct TFeature {
  std::u32string_view Name;
  TFeatureKind Kind;
  std::u32string_view Keyword;  // fkKeyword: the screen's value
  bool Boolean;                 // fkKeyword: the answer of "(name)"
};

constexpr TFeature Features[] = {
    {U"any-hover", fkKeyword, U"hover", true},
    {U"any-pointer", fkKeyword, U"fine", true},
    {U"aspect-ratio", fkRatio, U"", false},
    {U"color", fkInteger, U"", false},
    {U"color-gamut", fkKeyword, U"srgb", true},
    {U"color-index", fkInteger, U"", false},
    {U"device-aspect-ratio", fkRatio, U"", false},
    {U"device-height", fkLength, U"", false},
    {U"device-width", fkLength, U"", false},
    {U"display-mode", fkKeyword, U"browser", true},
    {U"dynamic-range", fkKeyword, U"standard", true},
    {U"forced-colors", fkKeyword, U"none", false},
    {U"grid", fkInteger, U"", false},
    {U"height", fkLength, U"", false},
    {U"hover", fkKeyword, U"hover", true},
    {U"inverted-colors", fkKeyword, U"none", false},
    {U"monochrome", fkInteger, U"", false},
    {U"orientation", fkKeyword, U"", true},  // from the screen's size
    {U"overflow-block", fkKeyword, U"scroll", true},
    {U"overflow-inline", fkKeyword, U"scroll", true},
    {U"pointer", fkKeyword, U"fine", true},
    {U"prefers-color-scheme", fkKeyword, U"light", true},
    {U"prefers-contrast", fkKeyword, U"no-preference", false},
    {U"prefers-reduced-data", fkKeyword, U"no-preference", false},
    {U"prefers-reduced-motion", fkKeyword, U"no-preference", false},
    {U"prefers-reduced-transparency", fkKeyword, U"no-preference", false},
    {U"resolution", fkResolution, U"", false},
    {U"scan", fkKeyword, U"", false},  // only television screens scan
    {U"scripting", fkKeyword, U"none", false},
    {U"update", fkKeyword, U"fast", true},
    {U"video-dynamic-range", fkKeyword, U"standard", true},
    {U"width", fkLength, U"", false},
};

const TFeature* FindFeature(std::u32string_view name) {
  for (const TFeature& feature : Features)
    if (feature.Name == name) return &feature;
  return nullptr;
}

// One part of a feature test: a value, a comparison or the colon.
struct TFeaturePart {
  enum TKind { fpValue, fpColon, fpLess, fpLessEqual, fpGreater, fpGreaterEqual, fpEqual } Kind;
  std::span<const TCssToken> Value;  // a component, or number "/" number
};

class TMediaEvaluator {
 public:
  explicit TMediaEvaluator(const TMediaScreen& screen) : Screen(screen) {}

  // One query of a list; none when it cannot be read.
  std::optional<TTruth> Query(std::span<const TCssToken> tokens) const;

 private:
  std::optional<TTruth> Condition(TCssTokenReader& reader, bool allowOr, int depth) const;
  std::optional<TTruth> InParens(TCssTokenReader& reader, int depth) const;
  TTruth Feature(std::span<const TCssToken> contents) const;
  TTruth Compare(const TFeature& feature, TFeaturePart::TKind op,
                 std::span<const TCssToken> value) const;
  std::optional<double> ScreenValue(const TFeature& feature) const;
  std::optional<double> ValueOf(const TFeature& feature, std::span<const TCssToken> value) const;
  std::optional<double> LengthPx(const TCssToken& token) const;

  const TMediaScreen& Screen;
};

std::optional<TTruth> TMediaEvaluator::Query(std::span<const TCssToken> tokens) const {
  TCssTokenReader reader(TrimWhitespace(tokens));
  if (reader.AtEnd()) return std::nullopt;
  // "not" or "only" before a media type, or "not" before a condition.
  bool negate = false;
  bool hasType = reader.Peek().Is(ctIdent);
  if (reader.Peek().IsIdent(U"not") || reader.Peek().IsIdent(U"only")) {
    TCssTokenReader ahead = reader;
    const bool isNot = ahead.Take().IsIdent(U"not");
    ahead.SkipWhitespace();
    hasType = ahead.Peek().Is(ctIdent);
    if (hasType) {
      negate = isNot;
      reader = ahead;
    } else if (!isNot) {
      return std::nullopt;
    }
  }
  if (!hasType) {
    const auto condition = Condition(reader, true, 0);
    reader.SkipWhitespace();
    if (!condition || !reader.AtEnd()) return std::nullopt;
    return condition;
  }
  const std::u32string type = LowerAscii(reader.Take().Text);
  if (type == U"and" || type == U"or" || type == U"not" || type == U"only" || type == U"layer")
    return std::nullopt;
  TTruth result = Truth(type == U"all" || type == U"screen");
  reader.SkipWhitespace();
  if (!reader.AtEnd()) {
    if (!reader.Take().IsIdent(U"and")) return std::nullopt;
    const auto condition = Condition(reader, false, 0);
    reader.SkipWhitespace();
    if (!condition || !reader.AtEnd()) return std::nullopt;
    result = And(result, *condition);
  }
  return negate ? Not(result) : result;
}

std::optional<TTruth> TMediaEvaluator::Condition(TCssTokenReader& reader, bool allowOr,
                                                 int depth) const {
  reader.SkipWhitespace();
  if (reader.Peek().IsIdent(U"not")) {
    reader.Take();
    reader.SkipWhitespace();
    const auto operand = InParens(reader, depth);
    if (!operand) return std::nullopt;
    return Not(*operand);
  }
  auto result = InParens(reader, depth);
  if (!result) return std::nullopt;
  // A chain of one kind: "and" throughout or "or" throughout.
  bool sawAnd = false, sawOr = false;
  for (;;) {
    TCssTokenReader ahead = reader;
    ahead.SkipWhitespace();
    const bool isAnd = ahead.Peek().IsIdent(U"and");
    const bool isOr = ahead.Peek().IsIdent(U"or");
    if (!isAnd && !isOr) return result;
    if ((isAnd && sawOr) || (isOr && (sawAnd || !allowOr))) return std::nullopt;
    sawAnd |= isAnd;
    sawOr |= isOr;
    ahead.Take();
    ahead.SkipWhitespace();
    const auto operand = InParens(ahead, depth);
    if (!operand) return std::nullopt;
    result = isAnd ? And(*result, *operand) : Or(*result, *operand);
    reader = ahead;
  }
}

std::optional<TTruth> TMediaEvaluator::InParens(TCssTokenReader& reader, int depth) const {
  if (reader.Peek().Is(ctFunction)) {
    reader.TakeComponent();
    return trUnknown;  // something newer than the engine: neither true nor false
  }
  if (!reader.Peek().Is(ctOpenParen)) return std::nullopt;
  const std::span<const TCssToken> contents = reader.TakeContents();
  if (depth >= MaxConditionDepth) return trUnknown;
  TCssTokenReader inner(contents);
  inner.SkipWhitespace();
  if (inner.Peek().Is(ctOpenParen) || inner.Peek().IsIdent(U"not")) {
    const auto condition = Condition(inner, true, depth + 1);
    inner.SkipWhitespace();
    return condition && inner.AtEnd() ? *condition : trUnknown;
  }
  return Feature(contents);
}

TTruth TMediaEvaluator::Feature(std::span<const TCssToken> contents) const {
  std::vector<TFeaturePart> parts;
  TCssTokenReader reader(contents);
  for (reader.SkipWhitespace(); !reader.AtEnd(); reader.SkipWhitespace()) {
    const TCssToken& token = reader.Peek();
    if (token.Is(ctColon)) {
      reader.Take();
      parts.push_back({TFeaturePart::fpColon, {}});
    } else if (token.IsDelim(U'<') || token.IsDelim(U'>')) {
      const bool less = reader.Take().IsDelim(U'<');
      const bool equal = reader.Peek().IsDelim(U'=');
      if (equal) reader.Take();
      parts.push_back({less ? (equal ? TFeaturePart::fpLessEqual : TFeaturePart::fpLess)
                            : (equal ? TFeaturePart::fpGreaterEqual : TFeaturePart::fpGreater),
                       {}});
    } else if (token.IsDelim(U'=')) {
      reader.Take();
      parts.push_back({TFeaturePart::fpEqual, {}});
    } else {
      const std::span<const TCssToken> value = reader.TakeComponent();
      // A ratio, "16/9" or "16 / 9", is one value: the "/" and the second number join the
      // first number.
      const bool afterValue = !parts.empty() && parts.back().Kind == TFeaturePart::fpValue;
      const bool joins =
          afterValue && ((value.front().IsDelim(U'/') && parts.back().Value.size() == 1 &&
                          parts.back().Value[0].Is(ctNumber)) ||
                         (value.front().Is(ctNumber) && parts.back().Value.back().IsDelim(U'/')));
      if (joins)
        parts.back().Value = std::span(parts.back().Value.data(), value.data() + 1);
      else
        parts.push_back({TFeaturePart::fpValue, value});
    }
  }
  auto isName = [&](std::size_t index) {
    return index < parts.size() && parts[index].Kind == TFeaturePart::fpValue &&
           parts[index].Value.size() == 1 && parts[index].Value[0].Is(ctIdent);
  };
  auto isValue = [&](std::size_t index) {
    return index < parts.size() && parts[index].Kind == TFeaturePart::fpValue;
  };
  auto isComparison = [&](std::size_t index) {
    return index < parts.size() && parts[index].Kind >= TFeaturePart::fpLess;
  };
  // The comparison the other way round: "600px < width" is "width > 600px".
  auto flipped = [](TFeaturePart::TKind op) {
    switch (op) {
      case TFeaturePart::fpLess:
        return TFeaturePart::fpGreater;
      case TFeaturePart::fpLessEqual:
        return TFeaturePart::fpGreaterEqual;
      case TFeaturePart::fpGreater:
        return TFeaturePart::fpLess;
      case TFeaturePart::fpGreaterEqual:
        return TFeaturePart::fpLessEqual;
      default:
        return op;
    }
  };

  if (parts.size() == 1 && isName(0)) {
    const TFeature* feature = FindFeature(LowerAscii(parts[0].Value[0].Text));
    if (!feature) return trUnknown;
    if (feature->Kind == fkKeyword) return Truth(feature->Boolean);
    const auto value = ScreenValue(*feature);
    return value ? Truth(*value != 0) : trUnknown;
  }
  if (parts.size() == 3 && isName(0) && parts[1].Kind == TFeaturePart::fpColon && isValue(2)) {
    std::u32string name = LowerAscii(parts[0].Value[0].Text);
    TFeaturePart::TKind op = TFeaturePart::fpEqual;
    if (name.starts_with(U"min-") || name.starts_with(U"max-")) {
      op = name[1] == U'i' ? TFeaturePart::fpGreaterEqual : TFeaturePart::fpLessEqual;
      name.erase(0, 4);
    }
    const TFeature* feature = FindFeature(name);
    if (!feature || (op != TFeaturePart::fpEqual && feature->Kind == fkKeyword)) return trUnknown;
    return Compare(*feature, op, parts[2].Value);
  }
  if (parts.size() == 3 && isComparison(1) && (isName(0) || isName(2))) {
    const bool nameFirst = isName(0);
    const TFeature* feature = FindFeature(LowerAscii(parts[nameFirst ? 0 : 2].Value[0].Text));
    if (!feature || feature->Kind == fkKeyword) return trUnknown;
    const TFeaturePart::TKind op = nameFirst ? parts[1].Kind : flipped(parts[1].Kind);
    return Compare(*feature, op, parts[nameFirst ? 2 : 0].Value);
  }
  if (parts.size() == 5 && isValue(0) && isComparison(1) && isName(2) && isComparison(3) &&
      isValue(4)) {
    // "a < name < b" or "a > name > b": both comparisons point the same way.
    const bool lessFirst = parts[1].Kind <= TFeaturePart::fpLessEqual;
    const bool lessSecond = parts[3].Kind <= TFeaturePart::fpLessEqual;
    if (parts[1].Kind == TFeaturePart::fpEqual || parts[3].Kind == TFeaturePart::fpEqual ||
        lessFirst != lessSecond)
      return trUnknown;
    const TFeature* feature = FindFeature(LowerAscii(parts[2].Value[0].Text));
    if (!feature || feature->Kind == fkKeyword) return trUnknown;
    return And(Compare(*feature, flipped(parts[1].Kind), parts[0].Value),
               Compare(*feature, parts[3].Kind, parts[4].Value));
  }
  return trUnknown;
}

TTruth TMediaEvaluator::Compare(const TFeature& feature, TFeaturePart::TKind op,
                                std::span<const TCssToken> value) const {
  if (feature.Kind == fkKeyword) {
    if (value.size() != 1 || !value[0].Is(ctIdent)) return trUnknown;
    std::u32string_view screenValue = feature.Keyword;
    if (feature.Name == U"orientation")
      screenValue = Screen.Height >= Screen.Width ? U"portrait" : U"landscape";
    return Truth(EqualsIgnoringCase(value[0].Text, screenValue));
  }
  const auto wanted = ValueOf(feature, value);
  const auto actual = ScreenValue(feature);
  if (!wanted || !actual) return trUnknown;
  switch (op) {
    case TFeaturePart::fpLess:
      return Truth(*actual < *wanted);
    case TFeaturePart::fpLessEqual:
      return Truth(*actual <= *wanted);
    case TFeaturePart::fpGreater:
      return Truth(*actual > *wanted);
    case TFeaturePart::fpGreaterEqual:
      return Truth(*actual >= *wanted);
    default:
      return Truth(*actual == *wanted);
  }
}

std::optional<double> TMediaEvaluator::ScreenValue(const TFeature& feature) const {
  const std::u32string_view name = feature.Name;
  if (name == U"width" || name == U"device-width") return Screen.Width;
  if (name == U"height" || name == U"device-height") return Screen.Height;
  if (name == U"aspect-ratio" || name == U"device-aspect-ratio")
    return Screen.Height > 0 ? Screen.Width / Screen.Height : 0;
  if (name == U"color") return 8;       // bits per colour component
  if (name == U"resolution") return 1;  // dots per CSS pixel
  if (name == U"color-index" || name == U"monochrome" || name == U"grid") return 0;
  return std::nullopt;
}

std::optional<double> TMediaEvaluator::LengthPx(const TCssToken& token) const {
  if (token.Is(ctNumber) && token.Number == 0) return 0.0;
  if (!token.Is(ctDimension)) return std::nullopt;
  const std::u32string unit = LowerAscii(token.Text);
  const double n = token.Number;
  if (unit == U"px") return n;
  if (unit == U"em" || unit == U"rem") return n * DefaultFontPx;
  if (unit == U"ex" || unit == U"ch") return n * DefaultFontPx / 2;
  if (unit == U"pt") return n * 96 / 72;
  if (unit == U"pc") return n * 16;
  if (unit == U"in") return n * 96;
  if (unit == U"cm") return n * 96 / 2.54;
  if (unit == U"mm") return n * 96 / 25.4;
  if (unit == U"q") return n * 96 / 101.6;
  if (unit == U"vw") return n * Screen.Width / 100;
  if (unit == U"vh") return n * Screen.Height / 100;
  if (unit == U"vmin") return n * std::min(Screen.Width, Screen.Height) / 100;
  if (unit == U"vmax") return n * std::max(Screen.Width, Screen.Height) / 100;
  return std::nullopt;
}

std::optional<double> TMediaEvaluator::ValueOf(const TFeature& feature,
                                               std::span<const TCssToken> value) const {
  switch (feature.Kind) {
    case fkLength:
      if (value.size() != 1) return std::nullopt;
      return LengthPx(value[0]);
    case fkRatio: {
      if (value.empty() || !value.front().Is(ctNumber)) return std::nullopt;
      if (value.size() == 1) return value[0].Number;
      // number, "/", number, perhaps with white space between
      const TCssToken& denominator = value.back();
      if (!denominator.Is(ctNumber) || denominator.Number == 0) return std::nullopt;
      return value.front().Number / denominator.Number;
    }
    case fkInteger:
      if (value.size() != 1 || !value[0].Is(ctNumber) || !value[0].IsInteger) return std::nullopt;
      return value[0].Number;
    case fkResolution: {
      if (value.size() != 1 || !value[0].Is(ctDimension)) return std::nullopt;
      const std::u32string unit = LowerAscii(value[0].Text);
      if (unit == U"dppx" || unit == U"x") return value[0].Number;
      if (unit == U"dpi") return value[0].Number / 96;
      if (unit == U"dpcm") return value[0].Number * 2.54 / 96;
      return std::nullopt;
    }
    case fkKeyword:
      break;
  }
  return std::nullopt;
}

}  // namespace

bool MediaListMatches(std::span<const TCssToken> tokens, const TMediaScreen& screen) {
  tokens = TrimWhitespace(tokens);
  if (tokens.empty()) return true;
  const TMediaEvaluator evaluator(screen);
  // Queries are separated by commas outside any block.
  std::size_t start = 0;
  for (std::size_t i = 0;;) {
    const bool end = i >= tokens.size();
    if (!end && !tokens[i].Is(ctComma)) {
      i = ComponentEnd(tokens, i);
      continue;
    }
    if (evaluator.Query(tokens.subspan(start, i - start)) == trTrue) return true;
    if (end) return false;
    start = ++i;
  }
}

bool MediaListMatches(std::u32string_view text, const TMediaScreen& screen) {
  TCssTokenizer tokenizer(text);
  std::vector<TCssToken> tokens;
  for (TCssToken token = tokenizer.Next(); !token.Is(ctEof); token = tokenizer.Next()) {
    if (tokens.size() >= MaxPreludeTokens) return false;
    tokens.push_back(std::move(token));
  }
  return MediaListMatches(tokens, screen);
}

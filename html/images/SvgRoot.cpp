#include "html/images/SvgRoot.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace {

// The size of a picture that says nothing about its own, as browsers have it.
constexpr double DefaultWidth = 300;
constexpr double DefaultHeight = 150;

std::string_view AsText(TImageBytes data) {
  return {reinterpret_cast<const char*>(data.data()), data.size()};
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return LowerAscii(x) == LowerAscii(y);
         });
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// Past a DOCTYPE that starts at pos: its closing '>' outside quotes and outside the internal
// subset in brackets; npos when it never closes.
std::size_t SkipDoctype(std::string_view text, std::size_t pos) {
  char quote = 0;
  int depth = 0;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '[') {
      ++depth;
    } else if (c == ']') {
      depth = std::max(depth - 1, 0);
    } else if (c == '>' && depth == 0) {
      return pos + 1;
    }
  }
  return std::string_view::npos;
}

// Past what closes at the first end after pos; npos when nothing does.
std::size_t SkipPast(std::string_view text, std::size_t pos, std::string_view end) {
  const std::size_t found = text.find(end, pos);
  return found == std::string_view::npos ? found : found + end.size();
}

bool EndsName(char c) { return IsBlank(c) || c == '>' || c == '/'; }

// The element name that starts at pos (just after '<').
std::string_view NameAt(std::string_view text, std::size_t pos) {
  std::size_t end = pos;
  while (end < text.size() && !EndsName(text[end])) ++end;
  return text.substr(pos, end - pos);
}

// The attributes of the start tag whose name ends at pos that size a picture.
struct TRootAttributes {
  std::string_view Width, Height, ViewBox;
  bool HasWidth = false, HasHeight = false, HasViewBox = false;
};

TRootAttributes ReadRootAttributes(std::string_view text, std::size_t pos) {
  TRootAttributes result;
  while (pos < text.size()) {
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    if (pos >= text.size() || text[pos] == '>' || text[pos] == '/') break;
    const std::size_t nameStart = pos;
    while (pos < text.size() && !IsBlank(text[pos]) && text[pos] != '=' && text[pos] != '>' &&
           text[pos] != '/')
      ++pos;
    const std::string_view name = text.substr(nameStart, pos - nameStart);
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    std::string_view value;
    if (pos < text.size() && text[pos] == '=') {
      ++pos;
      while (pos < text.size() && IsBlank(text[pos])) ++pos;
      if (pos < text.size() && (text[pos] == '"' || text[pos] == '\'')) {
        const char quote = text[pos++];
        const std::size_t end = text.find(quote, pos);
        if (end == std::string_view::npos) break;
        value = text.substr(pos, end - pos);
        pos = end + 1;
      } else {
        const std::size_t valueStart = pos;
        while (pos < text.size() && !IsBlank(text[pos]) && text[pos] != '>') ++pos;
        value = text.substr(valueStart, pos - valueStart);
      }
    }
    // The first of repeated attributes counts, as in XML's readers that accept them.
    if (EqualsIgnoringCase(name, "width") && !result.HasWidth) {
      result.Width = value;
      result.HasWidth = true;
    } else if (EqualsIgnoringCase(name, "height") && !result.HasHeight) {
      result.Height = value;
      result.HasHeight = true;
    } else if (EqualsIgnoringCase(name, "viewBox") && !result.HasViewBox) {
      result.ViewBox = value;
      result.HasViewBox = true;
    }
  }
  return result;
}

// A number as XML attributes write one (sign, digits, fraction, exponent) at the start of
// text; text is moved past it. Nothing for anything else, infinities and NaN included.
std::optional<double> TakeNumber(std::string_view& text) {
  // The number's reader takes '-' but not '+', and would take "inf" and "nan".
  const std::size_t start = text.starts_with('+') ? 1 : 0;
  const std::size_t first = start == 0 && text.starts_with('-') ? 1 : start;
  if (first >= text.size() || !((text[first] >= '0' && text[first] <= '9') || text[first] == '.'))
    return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), value);
  if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
  text.remove_prefix(std::size_t(end - text.data()));
  return value;
}

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// An absolute length in CSS pixels; nothing for anything that is not one, or not above 0.
std::optional<double> AbsoluteLength(std::string_view text) {
  text = TrimBlanks(text);
  const std::optional<double> number = TakeNumber(text);
  if (!number || *number <= 0) return std::nullopt;
  struct TUnit {
    std::string_view Name;
    double Pixels;
  };
  static constexpr std::array<TUnit, 8> Units{{{"", 1},
                                               {"px", 1},
                                               {"in", 96},
                                               {"cm", 96 / 2.54},
                                               {"mm", 96 / 25.4},
                                               {"q", 96 / 101.6},
                                               {"pt", 96.0 / 72},
                                               {"pc", 16}}};
  for (const TUnit& unit : Units)
    if (EqualsIgnoringCase(text, unit.Name)) return *number * unit.Pixels;
  return std::nullopt;
}

struct TViewBox {
  double Width, Height;
};

// Four numbers apart by blanks or a comma; usable only with a width and height above 0.
std::optional<TViewBox> ViewBoxOf(std::string_view text) {
  std::array<double, 4> numbers{};
  for (std::size_t i = 0; i < numbers.size(); ++i) {
    text = TrimBlanks(text);
    if (i > 0 && !text.empty() && text[0] == ',') text = TrimBlanks(text.substr(1));
    const std::optional<double> number = TakeNumber(text);
    if (!number) return std::nullopt;
    numbers[i] = *number;
  }
  if (!TrimBlanks(text).empty() || numbers[2] <= 0 || numbers[3] <= 0) return std::nullopt;
  return TViewBox{numbers[2], numbers[3]};
}

// Whole pixels within the limits of every picture, proportions kept.
TSvgSize Fitted(double width, double height) {
  const double largest = std::numeric_limits<double>::max();
  width = std::isfinite(width) ? width : largest;
  height = std::isfinite(height) ? height : largest;
  double scale = 1;
  if (width > MaxImageSide) scale = MaxImageSide / width;
  if (height * scale > MaxImageSide) scale = MaxImageSide / height;
  const double pixels = (width * scale) * (height * scale);
  if (pixels > double(MaxImagePixels)) scale *= std::sqrt(double(MaxImagePixels) / pixels);
  const auto whole = [](double value) {
    return std::clamp(int(std::lround(value)), 1, MaxImageSide);
  };
  TSvgSize size{whole(width * scale), whole(height * scale)};
  // Rounding up may pass the pixel limit by a row or a column.
  while (!ImageSizeAllowed(size.Width, size.Height)) {
    if (size.Width >= size.Height) --size.Width;
    else --size.Height;
  }
  return size;
}

}  // namespace

std::optional<std::size_t> FindSvgRoot(TImageBytes data) {
  const std::string_view text = AsText(data);
  std::size_t pos = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  while (pos < text.size()) {
    if (IsBlank(text[pos])) {
      ++pos;
    } else if (text.substr(pos).starts_with("<?")) {
      pos = SkipPast(text, pos + 2, "?>");
    } else if (text.substr(pos).starts_with("<!--")) {
      pos = SkipPast(text, pos + 4, "-->");
    } else if (StartsWithIgnoringCase(text.substr(pos), "<!DOCTYPE")) {
      pos = SkipDoctype(text, pos + 9);
    } else if (text[pos] == '<') {
      std::string_view name = NameAt(text, pos + 1);
      if (const std::size_t colon = name.find(':'); colon != std::string_view::npos)
        name.remove_prefix(colon + 1);
      if (name == "svg") return pos;
      return std::nullopt;
    } else {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

std::optional<TSvgSize> SvgPictureSize(TImageBytes data) {
  const std::optional<std::size_t> root = FindSvgRoot(data);
  if (!root) return std::nullopt;
  const std::string_view text = AsText(data);
  const TRootAttributes attributes =
      ReadRootAttributes(text, *root + 1 + NameAt(text, *root + 1).size());
  const std::optional<double> width = AbsoluteLength(attributes.Width);
  const std::optional<double> height = AbsoluteLength(attributes.Height);
  const std::optional<TViewBox> viewBox = ViewBoxOf(attributes.ViewBox);
  if (width && height) return Fitted(*width, *height);
  if (width)
    return Fitted(*width, viewBox ? *width * (viewBox->Height / viewBox->Width) : DefaultHeight);
  if (height)
    return Fitted(viewBox ? *height * (viewBox->Width / viewBox->Height) : DefaultWidth, *height);
  if (viewBox) return Fitted(viewBox->Width, viewBox->Height);
  return Fitted(DefaultWidth, DefaultHeight);
}

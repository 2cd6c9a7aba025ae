#include "html/parser/CharsetDeclaration.h"

#include <optional>
#include <string>

#include "html/support/LetterCase.h"

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

struct TTagAttribute {
  std::string Name;  // lower case
  std::string_view Value;
};

// Reads the tag text of one page head, attribute by attribute.
class TTagReader {
 public:
  explicit TTagReader(std::string_view text) : Text(text) {}

  bool AtEnd() const { return Pos >= Text.size(); }
  std::size_t Position() const { return Pos; }
  void MoveTo(std::size_t pos) {
    Pos = pos;
    Closed = false;
  }
  // Whether the tag's ">" was reached.
  bool TagClosed() const { return Closed; }
  bool Follows(std::string_view word) const {
    return EqualsIgnoringCase(Text.substr(Pos, word.size()), word);
  }

  // The next attribute of the tag being read; nothing at its ">" (consumed) or where the text
  // ends first, which also leaves the reader at its end.
  std::optional<TTagAttribute> NextAttribute() {
    while (!AtEnd() && (IsSpace(Text[Pos]) || Text[Pos] == '/')) ++Pos;
    if (AtEnd()) return std::nullopt;
    if (Text[Pos] == '>') {
      ++Pos;
      Closed = true;
      return std::nullopt;
    }
    TTagAttribute attribute;
    do attribute.Name += LowerAscii(Text[Pos++]);
    while (!AtEnd() && !IsSpace(Text[Pos]) && Text[Pos] != '/' && Text[Pos] != '>' &&
           Text[Pos] != '=');
    SkipSpaces();
    if (AtEnd() || Text[Pos] != '=') return Complete(attribute);
    ++Pos;
    SkipSpaces();
    if (AtEnd()) return std::nullopt;
    const char quote = Text[Pos];
    if (quote == '"' || quote == '\'') {
      const std::size_t close = Text.find(quote, Pos + 1);
      if (close == std::string_view::npos) return Finish();
      attribute.Value = Text.substr(Pos + 1, close - Pos - 1);
      Pos = close + 1;
      return attribute;
    }
    const std::size_t start = Pos;
    while (!AtEnd() && !IsSpace(Text[Pos]) && Text[Pos] != '>') ++Pos;
    attribute.Value = Text.substr(start, Pos - start);
    return Complete(attribute);
  }

 private:
  void SkipSpaces() {
    while (!AtEnd() && IsSpace(Text[Pos])) ++Pos;
  }
  // What reaches the end of the text may go on past it.
  std::optional<TTagAttribute> Complete(const TTagAttribute& attribute) {
    if (AtEnd()) return std::nullopt;
    return attribute;
  }
  std::optional<TTagAttribute> Finish() {
    Pos = Text.size();
    return std::nullopt;
  }

  std::string_view Text;
  std::size_t Pos = 0;
  bool Closed = false;
};

// The label after "charset=" in a Content-Type value, or "".
std::string_view CharsetInContent(std::string_view content) {
  const std::string lower = LowerAscii(content);
  for (std::size_t at = lower.find("charset"); at != std::string::npos;
       at = lower.find("charset", at + 1)) {
    std::size_t pos = at + 7;
    while (pos < content.size() && IsSpace(content[pos])) ++pos;
    if (pos == content.size() || content[pos] != '=') continue;
    ++pos;
    while (pos < content.size() && IsSpace(content[pos])) ++pos;
    if (pos == content.size()) return {};
    if (content[pos] == '"' || content[pos] == '\'') {
      const std::size_t close = content.find(content[pos], pos + 1);
      if (close == std::string_view::npos) return {};
      return content.substr(pos + 1, close - pos - 1);
    }
    std::size_t end = pos;
    while (end < content.size() && !IsSpace(content[end]) && content[end] != ';') ++end;
    return content.substr(pos, end - pos);
  }
  return {};
}

// The character set a META tag declares, read from just after its name.
const TCharset* MetaCharset(TTagReader& tag) {
  std::optional<std::string_view> charset, content;
  bool contentType = false;
  // The first of each attribute counts, as for any tag.
  while (auto attribute = tag.NextAttribute()) {
    if (attribute->Name == "charset" && !charset) charset = attribute->Value;
    if (attribute->Name == "content" && !content) content = attribute->Value;
    if (attribute->Name == "http-equiv")
      contentType = contentType || EqualsIgnoringCase(attribute->Value, "content-type");
  }
  if (!tag.TagClosed()) return nullptr;
  std::string_view label;
  if (charset)
    label = *charset;
  else if (contentType && content)
    label = CharsetInContent(*content);
  const TCharset* declared = CharsetForLabel(label);
  if (declared == &Utf16LeCharset || declared == &Utf16BeCharset) return &Utf8Charset;
  return declared;
}

}  // namespace

const TCharset* DeclaredCharset(std::string_view head) {
  head = head.substr(0, DeclarationReach);
  for (std::size_t i = 0; i < head.size(); ++i) {
    const auto byte = static_cast<unsigned char>(head[i]);
    if (byte >= 0x80 || byte == 26) {
      head = head.substr(0, i);
      break;
    }
  }

  TTagReader tag(head);
  for (;;) {
    const std::size_t open = head.find('<', tag.Position());
    if (open == std::string_view::npos) return nullptr;
    tag.MoveTo(open + 1);
    if (tag.Follows("!--")) {
      const std::size_t close = head.find("-->", open + 4);
      if (close == std::string_view::npos) return nullptr;
      tag.MoveTo(close + 3);
    } else if (tag.Follows("meta") && open + 5 < head.size() &&
               (IsSpace(head[open + 5]) || head[open + 5] == '/')) {
      tag.MoveTo(open + 5);
      if (const TCharset* declared = MetaCharset(tag)) return declared;
    } else if (!tag.AtEnd() && (IsLetter(head[open + 1]) || head[open + 1] == '/')) {
      // Another tag: its attributes are read past, so a ">" inside a quoted value does not
      // end it.
      while (!tag.AtEnd() && !IsSpace(head[tag.Position()]) && head[tag.Position()] != '>')
        tag.MoveTo(tag.Position() + 1);
      while (tag.NextAttribute()) {
      }
    }
  }
}

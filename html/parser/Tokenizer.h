#pragma once
// The tokenizer: turns the characters of one document into the symbols the builder reads.
// It normalises line ends (every line end becomes the single character 13), skips comments,
// declarations and processing instructions, splices in text the host supplies for include
// directives, collapses white space outside preformatted text, decodes entities and scans
// tags with their attributes into the attribute list. What an element that is never shown
// holds (a style sheet, a template, a formula) is passed over with its start tag, and inline
// SVG comes whole, as one symbol. A start tag written self-closed ("<p/>") is followed by its
// end tag's symbol when the element has an end form.
//
// One tokenizer is one parse. Only one parse runs at a time on a stack: making a tokenizer
// while another lives on the same stack (for instance from an include handler) throws
// EParseError. A parse suspended on a stack of its own (Fiber.h) lets others run meanwhile.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "html/parser/Attributes.h"
#include "html/parser/SourceText.h"
#include "html/parser/Symbols.h"
#include "html/support/LetterCase.h"

class TriruRedu;

using TStringList = std::vector<std::u32string>;

// Answers an include directive <!--#command NAME="value" ...-->. The handler owns Params.
// It may set Buffer and Size to text that then stands in place of the directive; the
// buffer stays the handler's and must remain valid until the parse ends.
using TIncludeHandler = std::function<void(TriruRedu* sender, const std::u32string& command,
                                           TStringList params, const char*& buffer,
                                           std::size_t& size)>;

class TTokenizer {
 public:
  // Reads the document from these bytes (a memory buffer), which must outlive the tokenizer.
  explicit TTokenizer(std::string_view bytes) : TTokenizer(TSourceText(bytes)) {}
  // Reads the document from source (a file's, say).
  explicit TTokenizer(TSourceText source);
  ~TTokenizer();
  TTokenizer(const TTokenizer&) = delete;
  TTokenizer& operator=(const TTokenizer&) = delete;

  // Loads the first character, then the first symbol.
  void Start();

  // The next character after comments, declarations and include directives.
  void NextChar() {
    if (!HasPushedBack && !ReadingInclude && !InDirective) {
      if (char32_t ch = Source.NextPlainAscii()) {
        CurCh = ch;
        CurChUpper = UpperAscii(ch);
        CurChIsTab = false;
        return;
      }
    }
    NextCharSlow();
  }
  void SkipWhiteSpace();
  void NextSymbol();
  // The raw content of TEXTAREA (tabs kept as "\t") and of SCRIPT.
  void NextTextareaSymbol();
  void NextScriptSymbol();

  // State the builder reads and sets.
  char32_t CurCh = 0;
  char32_t CurChUpper = 0;
  bool CurChIsTab = false;      // CurCh is the space a tab reads as
  TSymbol CurSym = symEof;
  // The text of the current symbol; for inline SVG its whole markup, "<svg" to "</svg>" (empty
  // when it is longer than MaxGatheredMarkup).
  std::u32string TokenText;
  int TokenValue = 0;           // the level of an H tag, else 0
  TAttributeList Attributes;    // of the last start tag
  std::string TagName;          // of the last tag, in upper case (unknown tags included)
  bool StartTag = false;        // the current symbol is a start tag
  bool SelfClosing = false;     // ... written self-closed: the element holds nothing
  bool EndTag = false;          // the current symbol is an end tag
  bool InPreformatted = false;  // white space is kept
  bool InScript = false;        // comment skipping is off
  bool AfterParagraph = false;  // the builder's flag against stacking paragraph spaces
  // A STYLE element's content comes as the TokenText of its start tag (comment openers in
  // it are text, as in any style sheet) rather than being passed over.
  bool KeepStyleSheets = false;

  TIncludeHandler IncludeHandler;
  TriruRedu* Viewer = nullptr;  // passed as sender to the handlers

  // StrValue of the first attribute with this symbol in the current list, or "".
  std::u32string AttributeText(TSymbol symbol) const;

  // Gathered markup longer than this many characters is dropped.
  static constexpr std::size_t MaxGatheredMarkup = std::size_t(1) << 21;

 private:
  void NextCharSlow();
  char32_t ReadSourceChar();
  void PushBack(char32_t ch);
  void ReadChar();
  void SkipComment();
  void ProcessInclude();

  void SkipProcessingInstruction();
  void ScanTag();
  // --- Whole elements (TokenizerContent.cpp).
  // Characters read as they stand, kept up to a limit.
  struct TMarkupSink {
    std::u32string* Content = nullptr;  // none: nothing is kept
    std::size_t Limit = 0;
    bool Dropped = false;  // some did not fit
    void Keep(char32_t ch);
  };
  // Just past the name of a tcGathered element's start tag: the element as written, from "<"
  // to its end tag, into TokenText.
  void GatherElement(std::string_view upperName);
  // The content of the element whose start tag was just read, up to and with its end tag.
  // Elements of the same name inside it nest.
  void ReadElementContent(std::string_view upperName, TMarkupSink& sink);
  // The rest of a tag, up to and with its ">" (a quoted value may hold one); true when the
  // tag ends with "/>".
  bool ReadRestOfTag(TMarkupSink& sink);
  bool ScanAttribute(TSymbol& symbol, std::int32_t& intValue, std::u32string& value,
                     std::string& name);
  // Just past a STYLE start tag, with comment openers read as text: its content, as
  // written, into TokenText.
  void GatherStyleSheet();
  void ScanAttributeValue(TSymbol symbol, std::int32_t& intValue, std::u32string& value);
  void ScanQuotedValue(std::u32string& value);
  // inAttribute: in a quoted attribute value, where a legacy name without ";" before "=",
  // a letter or a digit stays as written.
  void ScanEntity(std::u32string& out, bool inAttribute = false);
  void ScanNumericEntity(std::u32string& out);
  void ScanNamedEntity(std::u32string& out, bool inAttribute);
  bool ScanTextRun();
  void ScanRawRun(bool stopAtAmpersand, bool keepTabs);
  bool ScanRawBoundary();

  TSourceText Source;
  TSourceText IncludeSource;
  bool ReadingInclude = false;  // characters come from IncludeSource until it is used up
  char32_t PushedBackCh = 0;
  bool HasPushedBack = false;
  bool InDeclaration = false;
  bool InDirective = false;     // reading the attributes of an include directive
  TSymbol PendingEnd = symUnknownTag;  // the end symbol a self-closed start tag implies
  int PendingEndValue = 0;
};

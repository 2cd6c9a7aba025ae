#pragma once
// The document builder: a recursive-descent parser over the tokenizer's symbols that appends
// sections to a document in the order it meets them. There is no element tree; a section is
// closed by adding it to the current cell. One builder is one parse and owns all its state:
// the tokenizer, the font stack, the open section and link, and the style switches.
//
// Every start tag passes through NextSymbol, which meets the element once: its ID becomes an
// anchor of the section that receives the element's first content. What the builder does with
// an element then follows its kind (ElementKinds.h) or, for elements with code of their own,
// its symbol.

#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "html/builder/Builder.h"
#include "html/builder/ElementKinds.h"
#include "html/document/MyFont.h"
#include "html/document/Section.h"
#include "html/document/UrlTarget.h"
#include "html/parser/Symbols.h"
#include "html/parser/Tables.h"
#include "html/parser/Tokenizer.h"

class TCell;
class TListBoxFormControlObj;
class TSectionList;
class TTextAreaFormControlObj;
class ThtmlForm;

class THtmlBuilder {
 public:
  // Reads source, which must outlive the builder; head is reset. The document's sections go to
  // the document itself until a table cell takes them.
  THtmlBuilder(std::string_view source, TSectionList& document, TAnchorList& anchorList,
               TDocumentHead& head)
      : THtmlBuilder(TSourceText(source), document, anchorList, head) {}
  // Reads source (a file's, say).
  THtmlBuilder(TSourceText source, TSectionList& document, TAnchorList& anchorList,
               TDocumentHead& head);
  THtmlBuilder(const THtmlBuilder&) = delete;
  THtmlBuilder& operator=(const THtmlBuilder&) = delete;

  TMetaType MetaHandler;
  TSoundType SoundHandler;
  TScriptEvent ScriptHandler;
  void SetViewer(TriruRedu* viewer) { Tokens.Viewer = viewer; }
  void SetIncludeHandler(const TIncludeHandler& handler) { Tokens.IncludeHandler = handler; }

  // The whole source as HTML, or as plain text.
  void BuildHtml();
  void BuildPlainText();
  // Adds the open section to its cell and drops the parse's fonts and link. Called once the
  // parse has ended, normally or not.
  void Finish();

  // Fonts the stack holds at most; tags that push beyond it are ignored.
  static constexpr std::size_t MaxFontStack = 25;
  // Lists, blockquotes and centred or aligned blocks nest at most this deep; further start
  // tags are skipped, so hostile nesting cannot exhaust the stack.
  static constexpr int MaxNesting = 100;

 private:
  // --- The body loop (HtmlBuilder.cpp).
  void ParseBody(int level, const TSymbolSet& stopSet);
  // The inline and block symbols of bodies, list items and cells; false when the current
  // symbol is not one of them. A block inside ends at the end tag of any block or at a symbol
  // of stopSet.
  bool ParseCommonSymbol(int level, const TSymbolSet& stopSet);
  // Reads the next symbol and meets the element a start tag opens.
  void NextSymbol();
  TSymbol Sym() const { return Tokens.CurSym; }

  // --- Sections, fonts and links (HtmlBuilder.cpp).
  // Adds the open section to the current cell; there is none afterwards.
  void CloseSection();
  // Opens a section if none is open.
  void EnsureSection(int level);
  // Closes the open section, if any, and opens a new text section with the current link and
  // top font.
  void StartSection(int level, TJustify justify);
  void StartSection(std::unique_ptr<TSection> section);
  TMyFont& TopFont() { return *FontStack.back(); }
  bool PushNewFont();
  // Pushes a copy of the top font in the fixed-pitch face, scale 10; false when the stack is
  // full.
  bool PushFixedFont();
  void PopFont();
  // Starts a run with the top font in the open section.
  void RefreshFont();
  void EndLink();
  // Anchors for the IDs of the elements met since the last section began, at the open section.
  void PlacePendingAnchors();

  // --- Inline markup (InlineMarkup.cpp).
  // Switches a style bit for B, I, U, S and their kin and their end tags; false for any
  // other symbol.
  bool ParseStyleSymbol();
  // The start or end tag of an ekInline element: its style bits and its font.
  void ParseInlineElement(const TElementAction& element);
  // WBR: a character of no width after which the line may break.
  void ParseBreakOpportunity(int level);
  void ParseParagraph(int level);
  void ParseBreak(int level);
  void ParseHeading(int level);
  void ParseHeadingEnd();
  void ParseAddress(int level);
  void ParseAnchor(int level);
  bool ParseFontTag(TSymbol symbol, const std::array<int, 7>& scales);
  bool ParseBigSmall(TSymbol symbol);
  // Justification of a P or H tag: its ALIGN, else the side its DIR starts from, else
  // CurrentAlign.
  TJustify ParagraphAlign(TSymbol symbol) const;
  // The current tag's DIR, when it names a direction (true: right to left).
  std::optional<bool> TagDirection() const;
  // Direction of a P, H or LI tag: its DIR, else CurrentRightToLeft.
  bool TagRightToLeft(TSymbol symbol) const;
  // The DIR of a block tag (HTML, BODY, DIV) sets the direction of what follows and aligns it
  // to the side that direction starts from; an ALIGN read afterwards overrides that.
  void EnterDirection();

  // --- Blocks and lists (BlockMarkup.cpp).
  // A block element up to any block's end tag (which it consumes) or a symbol of stopSet.
  void ParseBlock(int level, const TSymbolSet& stopSet, const TElementAction& block);
  // The open section is a list item with no text yet.
  bool ItemAwaitsText() const;
  // A list or blockquote start tag: the list, then its end tag. Beyond MaxNesting the start
  // tag is skipped instead.
  void ParseNestedList(int level, const TSymbolSet& stopSet);
  void ParseList(int level, TSymbol listSymbol, const TSymbolSet& stopSet);
  void ParsePreformatted(int level, const TElementAction& element);
  void ParsePlainText();
  // Starts a new preformatted line section at the level.
  void StartPreLine(int level);
  // Preformatted text gathers in PreText until a tag, a line end or its length sends it to
  // the open section. A tab advances to the next tab stop of the line.
  void AppendPreChar(char32_t ch, bool tab);
  void FlushPreText();
  // Ends the line: its text goes to its section, and the next line's section opens.
  void NextPreLine(int level);
  // XMP: plain text up to its end tag.
  void ReadPlainTextLines(int level);

  // --- Forms (FormMarkup.cpp).
  // FORM and its end tag, INPUT, SELECT with its options, TEXTAREA with its text, and a
  // stray TEXTAREA end tag. Leaves the last symbol of the markup current (the caller reads
  // on); false for any other symbol, and for controls when the document has no control
  // factory.
  bool ParseFormSymbol(int level);
  void ParseSelectOptions(TListBoxFormControlObj& list);
  void ParseTextareaContent(TTextAreaFormControlObj& textArea);
  // --- Tables (TableMarkup.cpp). A TABLE start tag: the table up to its end tag (or the end
  // of input), then added to the cell that was current. Beyond MaxNesting the tag is skipped.
  void ParseTable(int level);
  // --- Images and image maps (ImageMarkup.cpp).
  void ParseImage(int level);
  void ParseMap();
  // Inline SVG: markup is the element as written, "<svg ...>" to "</svg>", or empty when it
  // was too long to keep. Inline SVG is not drawn yet; this is where it will become a picture
  // of the open section. Until then the markup is dropped.
  void ParseInlineSvg(int level, std::u32string markup);

  // --- Head elements (HeadElements.cpp).
  void ParseTitle();
  void ParseHtmlTag();
  void ParseBodyTag(int level);
  void ParseHorzLine();
  void ParseBase();
  void ParseMeta();
  void ParseSound();
  void ParseScript();

  // Counts one level of nesting for as long as it lives.
  class TNesting {
   public:
    explicit TNesting(int& depth) : Depth(depth) { ++Depth; }
    ~TNesting() { --Depth; }
    TNesting(const TNesting&) = delete;
    TNesting& operator=(const TNesting&) = delete;

   private:
    int& Depth;
  };
  bool CanNest() const { return Nesting < MaxNesting; }

  // Gives a variable back its value when it goes out of scope.
  template <typename T>
  class TRestore {
   public:
    explicit TRestore(T& variable) : Variable(variable), Saved(variable) {}
    ~TRestore() { Variable = Saved; }
    TRestore(const TRestore&) = delete;
    TRestore& operator=(const TRestore&) = delete;

   private:
    T& Variable;
    T Saved;
  };

  TTokenizer Tokens;
  TSectionList& Document;
  TAnchorList& AnchorList;
  TDocumentHead& Head;
  TCell* CurrentCell;
  std::unique_ptr<TSection> CurrentSection;
  std::vector<std::unique_ptr<TMyFont>> FontStack;  // [0] is the document's base font
  TUrlTarget CurrentUrlTarget;
  bool InLink = false;
  TJustify CurrentAlign = jLeft;
  bool CurrentRightToLeft = false;  // direction of new sections: the enclosing block's DIR
  TFontStyles CurrentStyle = 0;
  int CurrentScript = skNormal;
  int BaseFontSize = 3;
  int Nesting = 0;
  // The level of the innermost list (0 outside lists, and in table cells); a list inside
  // starts one deeper, also from a block inside an item.
  int ListLevel = 0;
  ThtmlForm* CurrentForm = nullptr;  // owned by the document
  std::vector<std::u32string> PendingAnchors;  // IDs waiting for their section
  std::u32string PreText;
};

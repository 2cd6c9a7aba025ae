#pragma once
// The text section: a paragraph of flowing text. One character buffer holds the text, with
// inline images (character 4) and form controls (character 2) standing in it as single
// characters; font runs give it its appearance. Layout breaks it into lines for the width the
// indent manager leaves free at each height; drawing paints the lines, the selection and the
// embedded objects. Every line break and block boundary of the source starts a new section.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "html/document/BidiText.h"
#include "html/document/FontObj.h"
#include "html/document/InlineObjects.h"
#include "html/document/SectionBase.h"
#include "html/document/SectionText.h"
#include "html/parser/Attributes.h"
#include "html/parser/Symbols.h"

// One laid-out line.
struct LineRec {
  int Start = 0;        // index of the first character
  int SpaceAbove = 0;   // room above the text for objects that rise above it
  int SpaceBelow = 0;   // room below the text for objects that hang below it
  int TextHeight = 0;   // largest LineHeight of the runs on the line (0: objects only)
  int PaintHeight = 0;  // height to paint: at least the line's height, more below floats
  int Count = 0;        // characters on the line
  int Descent = 0;      // largest Descent of the runs on the line
  int LineX = 0;        // x of the first character from the cell's left edge
  int DrawX = 0;        // x at which the line was last drawn (document coordinates)
  int DrawTop = 0;      // y of the top of the line's text at the last draw

  int Height() const { return SpaceAbove + TextHeight + SpaceBelow; }
};

// How the lines of a section, or a table, stand across the room they have.
enum TJustify { jLeft = 1, jCentre = 2, jRight = 3 };
// The marker a section hangs before its first line.
enum TListKind : std::uint8_t { lkNone, lkOrdered, lkUnordered, lkDefinition };
// The floats a line break waits for: the text after it starts below them.
enum TClearKind : std::uint8_t { ckNone, ckLeft, ckRight, ckBoth };
// A character of no width after which a line may break (the zero-width space; WBR in a page).
inline constexpr char32_t BreakOpportunity = 0x200B;

class TSection : public TSectionBase {
 public:
  // A section at list level level with justification justify (jLeft, jCentre, jRight), whose
  // runs take their fonts from fonts, the table of the document it goes into. Its first run
  // is a copy of font with the style bits currentStyle added (the builder's bold, italic,
  // underline and strike-out switches) and the link copied when one is given.
  TSection(TFontTable& fonts, int level, TJustify justify, const TUrlTarget* link,
           const TMyFont& font, TFontStyles currentStyle = 0);
  ~TSection() override;

  TSectionText Text;    // PosCount is its length once laid out
  TFontList Fonts;      // at least one run
  TImageObjList Images;
  TFormControlList FormControls;
  int Level;            // list nesting level, 0 outside lists
  int Indent;           // Level * 35; added to the widths the section reports
  int ListNumber = 0;   // number of an ordered-list item
  int MarkerX = 0;      // left indent at the section's top; list markers hang from it
  std::vector<LineRec> Lines;  // rebuilt by every layout
  std::unique_ptr<TMyFont> MarkerFont;  // ordered-list items only: draws the number
  // A page has many sections: the small fields go together.
  TJustify Justify;
  TListKind ListKind = lkNone;
  TClearKind ClearKind = ckNone;
  // The base direction of the text (DIR=RTL): lines are read from the right, and spaces at a
  // line's end stand at its left. The builder aligns such sections right unless told otherwise.
  bool RightToLeft = false;

  const char* KindName() const override { return "TSection"; }

  // --- Building.
  // Appends text. A leading space is dropped when the section is empty, ends with a space or
  // holds nothing but floating images. All of the text is kept, however long.
  virtual void AppendText(std::u32string_view text);
  // Starts a run with a copy of font at the current end of the text (or re-uses the last run
  // when nothing was added since it started). A new run keeps the previous run's link.
  // currentStyle is added to the run's style, currentScript (skNormal, skSubscript,
  // skSuperscript) becomes its ScriptKind, and scripts are drawn at 3/4 of the scale.
  void ChangeFont(TSectionList& document, const TMyFont& font, TFontStyles currentStyle = 0,
                  int currentScript = skNormal);
  // ChangeFont, then the new run's link: link when symbol is symHref, else none.
  void SetLink(TSymbol symbol, TSectionList& document, const TMyFont& font,
               const TUrlTarget* link, TFontStyles currentStyle = 0,
               int currentScript = skNormal);
  // An empty section receives one space, so an empty line keeps the height of one line of
  // text. Returns Justify.
  TJustify EnsureText();
  // Reads CLEAR of a BR: "left" ckLeft, "right" ckRight, any other value ckBoth; no CLEAR
  // leaves ClearKind.
  void ReadClear(const TAttributeList& attributes);
  // Places an image at the end of the text (its marker is appended; Pos is set).
  TInlineImage& InsertImage(std::unique_ptr<TInlineImage> image);
  // Places a windowed form control at the end of the text (its marker is appended).
  void InsertControl(TInlineControl& control);

  // --- Section operations.
  int Arrange(TCanvas& canvas, int y, IndentManager& indent, int& maxWidth, int& curs) override;
  int Render(TCanvas& canvas, const TRect& clip, IndentManager& indent, int x, int y) override;
  void RefreshFonts() override;
  void MeasureWidths(TCanvas& canvas, int& minWidth, int& maxWidth) override;

  // --- Queries, in document coordinates (SectionBase.h): lines are found from Top down and
  // across from the DrawX of the last draw. Sections answer nothing for points or positions
  // outside them, so a container goes on with the next one.
  // The position at the point, or -1 below the last line. The caret goes before the character
  // under x, or after it when x lies on its right half; caretX and caretY are those of the
  // caret (caretY the top of the line's text) and caretHeight the height of the line's text.
  // inText is false left of the line and beyond its end.
  int PositionAt(TCanvas& canvas, int x, int y, int& caretX, int& caretY, int& caretHeight,
                 TCell*& cell, bool& inText) override;
  // Where the caret of a position of this section stands: x as the line was last drawn, y the
  // top of its line's text (the caretY that PositionAt gives for the same line). A position
  // before the section answers its start; false when the section has no text or the position
  // lies beyond its last character.
  bool PositionToPoint(TCanvas& canvas, int position, int& x, int& y) override;
  // The character at a position of this section, and the section.
  bool CharAt(int position, char32_t& ch, TSectionBase*& section) override;
  // The link under the point: the image there decides first (see TInlineImage::AnswersClick;
  // other images take the link of the text at their position, with "?x,y" appended for a
  // server-side map), else the font run of the character under x.
  bool LinkAt(TCanvas& canvas, int x, int y, TInlineControl*& formControl,
              std::optional<TUrlTarget>& urlTarget) override;
  bool ImageAt(int x, int y, TInlineImage*& image, int& xInImage, int& yInImage) override;
  // The first match of text at or after start, exact or ignoring letter case; a match never
  // runs on into the next section. -1 for none and for empty text.
  int SearchText(int start, std::u32string_view text, bool matchCase) override;
  // Appends the selected characters, line by line: a selected line start first gets its
  // indentation as spaces, a selected line end a line break.
  void CopySelection() override;

  // --- Measuring (positions are indexes into Text; runs must be measured).
  // Width of count characters from start; with trim, trailing spaces are left out but at
  // least one character is kept. Floating images take no width.
  int TextWidth(int start, int count, bool trim) const;
  // How many characters from start (at most limit) fit in width as the line is drawn, without
  // layout side effects: floating images take no room.
  int FitChars(int width, int start, int limit) const;
  // The characters of a line in the order they are drawn, left to right, mirrored where they
  // read right to left; the stored text itself for a line drawn as stored.
  std::u32string VisualText(const LineRec& line) const;
  // The runs of a line of this section in drawing order, or null when the line is drawn as
  // stored.
  const std::vector<TVisualRun>* VisualRuns(const LineRec& line) const;

 protected:
  // The layout state of the line being built.
  struct TLineLayout;
  // FitChars for the line being laid out: registers the floating images met while the line is
  // still empty and defers the others to the line's end. Without a line it is FitChars.
  int FitLine(TLineLayout* line, int width, int start, int limit) const;
  void FinishLine(TLineLayout& line, int count);
  // Before a line that starts with a float of this room: when it does not fit beside the
  // floats already there, the line moves down below them.
  void MoveBelowFloats(TLineLayout& line, int room);
  // Free width of every line.
  virtual int FreeWidth(const IndentManager& indent, int y) const;
  // Whether a text draw may move runs by their script offset.
  virtual bool UsesScriptOffsets() const { return true; }
  // Clip for the text of a line drawn from lineTop to lineBottom, or none.
  virtual std::optional<TRect> LineClip(const IndentManager& indent, int x, int lineTop,
                                        int lineBottom) const;
  // Appends text without the leading-space rule.
  void AppendRaw(std::u32string_view text);
  // The object at position, if any.
  TInlineImage* ImageAtPos(int pos) const { return Images.FindImage(pos); }
  TInlineControl* ControlAtPos(int pos) const { return FormControls.FindControl(pos); }
  bool ObjectAt(int pos) const { return ImageAtPos(pos) || ControlAtPos(pos); }
  // Index of the first character at or after start where a text piece must end: the next
  // run start, image or control (Text.size() at most).
  int PieceEnd(int start) const;
  // The clear height for a layout at y.
  int ClearHeight(const IndentManager& indent, int y) const;
  // The first line whose bottom lies below y, with its top; null below the last.
  const LineRec* LineAtY(int y, int& lineTop) const;
  // Draws one line whose text ends at textBottom (document coordinates).
  void DrawLine(TCanvas& canvas, const IndentManager& indent, const LineRec& line, int x,
                int baseline, int textBottom);

  // --- Lines in drawing order (SectionVisual.cpp).
  // One character of a reordered line as drawn: its index, its left edge from the line's
  // drawn left end, its width, and whether it reads right to left.
  struct TVisualChar {
    int Pos = 0;
    int Left = 0;
    int Width = 0;
    bool RightToLeft = false;
  };
  // Calls visit with the characters of a reordered line, left to right, until it answers
  // true; whether it did.
  bool WalkVisual(const LineRec& line, const std::function<bool(const TVisualChar&)>& visit) const;
  // Where a line's drawing starts: its DrawX, moved left in right-to-left text past the spaces
  // that end the line, which stand at its left end.
  int VisualLeft(const LineRec& line) const;
  // The position before which the caret at x of a reordered line stands, with the caret's x
  // and whether x lies on a character; the line's position count reaching beyond its end.
  int VisualPositionAt(const LineRec& line, int x, int& caretX, bool& inText) const;
  // The character under x of a reordered line, or -1.
  int VisualCharAt(const LineRec& line, int x) const;
  // The x of the caret before the character at index pos of a reordered line: its left edge,
  // or its right edge when it reads right to left.
  int VisualCaretX(const LineRec& line, int pos) const;

  // --- What the text needs beyond spaces, left-to-right order and one form per letter.
  // Finds it when the text has changed since it was last found (ScriptNeeds.h).
  void AnalyseText() {
    if (AnalysedLength != int(Text.size())) FindScriptNeeds();
  }
  // The characters measured and drawn for the text are Text, or its letters in their joined
  // forms (JoinedForms.h). The advances in face of count of them from start:
  int GlyphsWidth(TFontFace& face, int start, int count) const;
  // And count of them from start, to draw.
  std::u32string GlyphsAt(int start, int count) const;
  // Whether a line may start at index pos by the Unicode line-breaking rules.
  bool RuleBreak(int pos) const {
    return Scripts && std::size_t(pos) < Scripts->RuleBreakAt.size() &&
           Scripts->RuleBreakAt[std::size_t(pos)];
  }
  // Rebuilds the drawing order of the lines just laid out; only for a section with Scripts.
  void ReorderLines();

 private:
  // What a section keeps for text that needs more than spaces, left-to-right order and one
  // form per letter, or that reads right to left.
  struct TScriptLayout {
    std::vector<bool> RuleBreakAt;  // by index; empty when only spaces and objects break lines
    std::u32string JoinedText;      // the text's joined forms; empty when no letter joins
    bool Reorders = false;          // whether lines may be drawn in another order than stored
    std::vector<std::vector<TVisualRun>> LineRuns;  // each line's runs by line index, when
                                                    // reordered
  };
  std::unique_ptr<TScriptLayout> Scripts;  // none for text that needs none of it
  int AnalysedLength = -1;                 // the text's length when Scripts was made
  void FindScriptNeeds();
};

// Block structure: centred and aligned blocks, lists, preformatted text and plain text.
#include <climits>

#include "html/builder/HtmlBuilder.h"
#include "html/builder/AlignValue.h"
#include "html/document/ListItems.h"
#include "html/document/PreFormated.h"
#include "html/document/SectionList.h"
#include "html/parser/SourceText.h"

namespace {

constexpr char32_t LineEnd = 13;
// Pending preformatted text goes to the section once it is longer than this.
constexpr std::size_t PreFlushLength = 200;

const TSymbolSet ListEnds{symOlEnd, symUlEnd, symDirEnd, symMenuEnd, symDlEnd, symBlockquoteEnd};

bool IsListStart(TSymbol symbol) {
  return symbol == symOl || symbol == symUl || symbol == symDir || symbol == symMenu ||
         symbol == symDl;
}

}  // namespace

void THtmlBuilder::ParseAlignedBlock(int level, const TSymbolSet& stopSet) {
  if (!CanNest()) {
    NextSymbol();
    return;
  }
  TNesting nesting(Nesting);
  CloseSection();
  const TJustify savedAlign = CurrentAlign;
  const bool savedRightToLeft = CurrentRightToLeft;
  if (Sym() == symCenter) {
    CurrentAlign = jCentre;
  } else {
    EnterDirection();
    CurrentAlign = AlignFromText(Tokens.AttributeText(symAlign)).value_or(CurrentAlign);
  }
  StartSection(level, CurrentAlign);
  NextSymbol();
  // Either end tag closes either block.
  ParseBody(level, stopSet + TSymbolSet{symCenterEnd, symDivEnd});
  CloseSection();
  CurrentAlign = savedAlign;
  CurrentRightToLeft = savedRightToLeft;
  StartSection(level, CurrentAlign);
  if (Sym() == symCenterEnd || Sym() == symDivEnd) NextSymbol();
}

void THtmlBuilder::ParseNestedList(int level, const TSymbolSet& stopSet) {
  if (!CanNest()) {
    NextSymbol();
    return;
  }
  if (Sym() == symBlockquote) CloseSection();
  ParseList(level, Sym(), stopSet);
  // Any list end closes the innermost list. A list that stopped at a symbol of the stop set
  // (a table cell boundary, the end of a centred block) leaves that symbol to its owner.
  if (ListEnds.Contains(Sym())) NextSymbol();
}

void THtmlBuilder::ParseList(int level, TSymbol listSymbol, const TSymbolSet& stopSet) {
  TNesting nesting(Nesting);
  int number = 1;
  char32_t numberStyle = U'1';
  bool plain = false;
  if (listSymbol == symOl) {
    const TAttribute* start = FindAttribute(Tokens.Attributes, symStart);
    if (start && start->IntValue >= 0) number = start->IntValue;
    const std::u32string type = Tokens.AttributeText(symType);
    if (!type.empty()) numberStyle = type[0];
  } else if (listSymbol == symUl) {
    plain = FindAttribute(Tokens.Attributes, symPlain) != nullptr;
  }
  CloseSection();
  NextSymbol();

  int itemLevel = level;
  while (!ListEnds.Contains(Sym()) && Sym() != symEof) {
    if (IsListStart(Sym()) || Sym() == symBlockquote) {
      ParseNestedList(level + 1, stopSet);
      continue;
    }
    switch (Sym()) {
      case symHr: ParseHorzLine(); break;
      case symLi: {
        CloseSection();
        if (listSymbol == symOl) {
          StartSection(std::make_unique<TOListItem>(Document.RunFonts, level, &CurrentUrlTarget,
                                                    TopFont(), numberStyle, number, CurrentStyle));
          if (number < INT_MAX) ++number;
        } else {
          auto item = std::make_unique<TUListItem>(Document.RunFonts, level, &CurrentUrlTarget,
                                                   TopFont(), CurrentStyle);
          item->NoBullet = plain;
          StartSection(std::move(item));
        }
        // Items are read from the side their direction starts from.
        CurrentSection->RightToLeft = TagRightToLeft(symLi);
        if (CurrentSection->RightToLeft) CurrentSection->Justify = jRight;
        itemLevel = level;
        Tokens.SkipWhiteSpace();
        NextSymbol();
        if (Sym() == symPara) NextSymbol();
        break;
      }
      case symDt:
      case symDd:
        CloseSection();
        // The term stands one level left of its definition.
        itemLevel = Sym() == symDt ? level - 1 : level;
        StartSection(
            std::make_unique<TDListItem>(Document.RunFonts, itemLevel, &CurrentUrlTarget,
                                         TopFont(), CurrentStyle));
        if (CurrentRightToLeft) CurrentSection->Justify = jRight;
        NextSymbol();
        break;
      case symTable:
        // A list item that starts with a table keeps its marker line.
        if (CurrentSection) CurrentSection->EnsureText();
        ParseTable(itemLevel);
        break;
      case symCenter:
      case symDiv:
        // The body loop handles the block, then goes on up to the list's end; items met there
        // are unknown to it and skipped.
        ParseBody(itemLevel, stopSet + ListEnds + TSymbolSet{symEof});
        break;
      default:
        if (ParseCommonSymbol(itemLevel)) break;
        if (stopSet.Contains(Sym())) return;
        NextSymbol();
    }
  }
  CloseSection();
}

void THtmlBuilder::StartPreLine(int level) {
  StartSection(std::make_unique<TPreFormated>(Document.RunFonts, level, jLeft, &CurrentUrlTarget,
                                              TopFont(), CurrentStyle));
}

void THtmlBuilder::ParsePreformatted(int level) {
  CloseSection();
  // With a full stack the text keeps the font it is in; only a font pushed here is popped.
  const bool pushed = PushNewFont();
  if (pushed) {
    TopFont().Fixed = true;
    TopFont().SetName(Document.PreFontName);
    TopFont().SetScale(Document, 10);
  }
  StartPreLine(level);
  Tokens.InPreformatted = true;
  std::u32string pending;
  auto flush = [&] {
    CurrentSection->AppendText(pending);
    pending.clear();
  };
  auto newLine = [&] {
    flush();
    CloseSection();
    StartPreLine(level);
  };

  // Characters are read one by one so that every space and line end stays; only tags and
  // entities go through the symbol reader.
  bool ended = false;
  while (!ended && Tokens.CurCh != EndOfInput) {
    const char32_t ch = Tokens.CurCh;
    if (ch == LineEnd) {
      newLine();
      Tokens.NextChar();
      continue;
    }
    if (ch == U'&') {
      NextSymbol();
      pending += Tokens.TokenText;
      continue;
    }
    if (ch != U'<') {
      pending += ch;
      if (pending.size() > PreFlushLength) flush();
      Tokens.NextChar();
      continue;
    }
    NextSymbol();
    if (ParseStyleSymbol()) {
      flush();
      RefreshFont();
      continue;
    }
    switch (Sym()) {
      case symPara:
      case symBr:
        newLine();
        if (Tokens.CurCh == LineEnd) Tokens.NextChar();
        break;
      case symPreEnd:
      case symTdEnd:
      case symThEnd: ended = true; break;
      case symText:
        // A "<" that begins no tag is text, as in a comparison written in a code sample.
        pending += Tokens.TokenText;
        break;
      case symAnchor:
        flush();
        ParseAnchor(level);
        break;
      case symAnchorEnd:
        flush();
        EndLink();
        break;
      case symScript:
        flush();
        ParseScript();
        break;
      case symFont:
      case symBasefont:
        flush();
        if (ParseFontTag(Sym(), PreFontSizeScales)) RefreshFont();
        break;
      case symFontEnd:
        PopFont();
        flush();
        RefreshFont();
        break;
      case symForm:
      case symFormEnd:
      case symInput:
      case symSelect:
      case symTextarea:
        flush();
        ParseFormSymbol(level);
        break;
      case symImg:
        flush();
        ParseImage(level);
        break;
      default: break;
    }
  }
  flush();
  CloseSection();
  Tokens.InPreformatted = false;
  if (pushed) PopFont();
  NextSymbol();
}

void THtmlBuilder::ParsePlainText() {
  // A text file has no body section before its first line.
  CurrentSection.reset();
  PushNewFont();
  TopFont().Fixed = true;
  TopFont().SetName(Document.PreFontName);
  TopFont().SetScale(Document, 10);
  StartPreLine(0);
  Tokens.InPreformatted = true;
  std::u32string pending;
  for (char32_t ch = Tokens.CurCh; ch != EndOfInput; ch = Tokens.CurCh) {
    if (ch == LineEnd) {
      CurrentSection->AppendText(pending);
      pending.clear();
      CloseSection();
      StartPreLine(0);
    } else {
      pending += ch;
      if (pending.size() > PreFlushLength) {
        CurrentSection->AppendText(pending);
        pending.clear();
      }
    }
    Tokens.NextChar();
  }
  CurrentSection->AppendText(pending);
  CloseSection();
  Tokens.InPreformatted = false;
  PopFont();
}

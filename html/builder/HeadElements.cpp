// Elements of the document head and the BODY tag: title, body colours, base, meta,
// background sound and script, and the rule of HR.
#include "html/builder/HtmlBuilder.h"
#include "html/document/HorzLine.h"
#include "html/document/SectionList.h"
#include "html/forms/FormControlObj.h"
#include "html/forms/HtmlForm.h"
#include "html/parser/Colors.h"

void THtmlBuilder::ParseTitle() {
  Head.Title.clear();
  NextSymbol();
  while (Sym() == symText) {
    Head.Title += Tokens.TokenText;
    NextSymbol();
  }
}

void THtmlBuilder::ParseHtmlTag() {
  // Its DIR is the page's direction, given to the section that is open before any text.
  if (CurrentCell->Count() == 0 && CurrentSection && CurrentSection->Text.empty()) {
    EnterDirection();
    CurrentSection->RightToLeft = CurrentRightToLeft;
    CurrentSection->Justify = CurrentAlign;
  }
  NextSymbol();
}

void THtmlBuilder::ParseBodyTag(int level) {
  // Only a BODY before the first section sets the page up; any later one is ignored.
  if (CurrentCell->Count() == 0) {
    EnterDirection();
    // Text that stood before BODY is dropped with its section; anchors entered for that
    // section move to the one that replaces it.
    const TSection* dropped = CurrentSection.get();
    // Its form controls go with it (HtmlForm.h).
    const TReleasedControls controls =
        dropped ? TakeFormControls(Document, dropped) : TReleasedControls();
    CurrentSection.reset();  // before the new one opens, so that it is not kept
    for (const auto& attribute : Tokens.Attributes) {
      const std::u32string& text = attribute->StrValue;
      switch (attribute->Symbol) {
        case symText:
          if (auto color = ColorFromString(text)) {
            TopFont().SetColor(*color | DocumentColorFlag);
            Document.FontColor = *color | DocumentColorFlag;
          }
          break;
        case symLink:
          if (auto color = ColorFromString(text)) Document.HotSpotColor = *color | DocumentColorFlag;
          break;
        case symBgcolor:
          if (auto color = ColorFromString(text)) Document.SetBackground(*color | DocumentColorFlag);
          break;
        case symBackground: Document.SetBackgroundImageName(text); break;
        default: break;
      }
    }
    StartSection(std::make_unique<TSection>(Document.RunFonts, level, CurrentAlign, nullptr,
                                            *FontStack.front(), CurrentStyle));
    if (dropped) AnchorList.Replace(dropped, CurrentSection.get());
  }
  NextSymbol();
}

void THtmlBuilder::ParseHorzLine() {
  CloseSection();
  CurrentCell->AddSection(std::make_unique<THorzLine>(Tokens.Attributes));
  NextSymbol();
}

void THtmlBuilder::ParseBase() {
  for (const auto& attribute : Tokens.Attributes) {
    if (attribute->Symbol == symHref) Head.BaseUrl = attribute->StrValue;
    if (attribute->Symbol == symTarget) Head.BaseTarget = attribute->StrValue;
  }
  NextSymbol();
}

void THtmlBuilder::ParseMeta() {
  if (MetaHandler)
    MetaHandler(Tokens.Viewer, Tokens.AttributeText(symHttpEquiv), Tokens.AttributeText(symName),
                Tokens.AttributeText(symContent));
  NextSymbol();
}

void THtmlBuilder::ParseSound() {
  const TAttribute* src = FindAttribute(Tokens.Attributes, symSrc);
  if (SoundHandler && src) {
    const TAttribute* loop = FindAttribute(Tokens.Attributes, symLoop);
    SoundHandler(Tokens.Viewer, src->StrValue, loop ? loop->IntValue : 1, false);
  }
  NextSymbol();
}

void THtmlBuilder::ParseScript() {
  // "<script .../>" holds nothing; the handler hears of it as of an empty script.
  const bool empty = Tokens.SelfClosing;
  if (!ScriptHandler) {
    if (empty) return;
    do Tokens.NextScriptSymbol();
    while (Sym() != symEof && Sym() != symScriptEnd);
    return;
  }
  // While the script is collected a comment opener is content, not a comment.
  struct TScriptMode {
    explicit TScriptMode(TTokenizer& tokens) : Tokens(tokens) { Tokens.InScript = true; }
    ~TScriptMode() { Tokens.InScript = false; }
    TTokenizer& Tokens;
  };
  const std::u32string language = Tokens.AttributeText(symLanguage);
  std::u32string script;
  if (!empty) {
    TScriptMode mode(Tokens);
    for (Tokens.NextScriptSymbol(); Sym() != symEof && Sym() != symScriptEnd;
         Tokens.NextScriptSymbol())
      script += Sym() == symEol ? std::u32string_view(U"\r\n") : Tokens.TokenText;
  }
  ScriptHandler(Tokens.Viewer, language, std::move(script));
}

// Building forms: FORM, INPUT, SELECT with its OPTIONs, and TEXTAREA with its text.
#include <memory>

#include "html/builder/HtmlBuilder.h"
#include "html/builder/TabStops.h"
#include "html/document/SectionList.h"
#include "html/forms/AddFormControl.h"
#include "html/forms/FormControlObj.h"
#include "html/forms/HtmlForm.h"
#include "html/support/Trim.h"

bool THtmlBuilder::ParseFormSymbol(int level) {
  switch (Sym()) {
    case symForm:
      CurrentForm =
          Document.Forms.emplace_back(std::make_unique<ThtmlForm>(Document, &Tokens.Attributes)).get();
      return true;
    case symFormEnd:
      CurrentForm = nullptr;
      return true;
    case symTextareaEnd: return true;  // outside a TEXTAREA's text it means nothing
    default: break;
  }
  if (!Document.ControlFactory) return false;
  EnsureSection(level);
  // Controls outside any FORM share one form until the next FORM or FORM end tag.
  if (!CurrentForm)
    CurrentForm = Document.Forms.emplace_back(std::make_unique<ThtmlForm>(Document, nullptr)).get();
  const TSymbol tag = Sym();
  TFormControlObj& control =
      AddFormControl(*CurrentSection, tag, Document, *CurrentForm, Tokens.Attributes);
  if (auto* radio = dynamic_cast<TRadioButtonFormControlObj*>(&control)) radio->Cell = CurrentCell;
  if (tag == symSelect)
    ParseSelectOptions(static_cast<TListBoxFormControlObj&>(control));
  else if (tag == symTextarea)
    ParseTextareaContent(static_cast<TTextAreaFormControlObj&>(control));
  return true;
}

void THtmlBuilder::ParseSelectOptions(TListBoxFormControlObj& list) {
  std::u32string text;
  TOptionObj option;
  bool open = false;
  auto addOpen = [&] {
    text = TrimControls(text);
    if (open && !text.empty()) list.AddOption(text, option);
  };
  NextSymbol();
  while (Sym() != symEof && Sym() != symSelectEnd) {
    if (Sym() == symText) {
      if (open && text.size() < MaxOptionLength)
        text += std::u32string_view(Tokens.TokenText).substr(0, MaxOptionLength - text.size());
    } else if (Sym() == symOption || Sym() == symOptionEnd) {
      addOpen();
      // Each option starts afresh: nothing of an option left empty passes to the next.
      text.clear();
      option = TOptionObj();
      open = Sym() == symOption;
      if (open) {
        option.Selected = FindAttribute(Tokens.Attributes, symSelected) != nullptr;
        option.Value = Tokens.AttributeText(symValue).substr(0, MaxOptionLength);
      }
    }
    NextSymbol();
  }
  addOpen();
  list.ResetToValue();
}

void THtmlBuilder::ParseTextareaContent(TTextAreaFormControlObj& textArea) {
  if (Tokens.SelfClosing) {
    textArea.ResetToValue();
    return;
  }
  std::u32string line;
  Tokens.NextTextareaSymbol();
  // A line end right after the start tag only sets the text apart from it.
  if (Sym() == symEol) Tokens.NextTextareaSymbol();
  for (; Sym() != symTextareaEnd && Sym() != symEof; Tokens.NextTextareaSymbol()) {
    if (Sym() == symEol) {
      textArea.TheText.push_back(std::move(line));
      line.clear();
      continue;
    }
    for (char32_t ch : Tokens.TokenText) {
      if (ch == U'\t')
        AppendTab(line, line.size());
      else
        line += ch;
    }
  }
  while (Tokens.CurCh != U'>' && Tokens.CurCh != EndOfInput) Tokens.NextChar();
  if (Tokens.CurCh == U'>') Tokens.NextChar();
  if (!line.empty()) textArea.TheText.push_back(std::move(line));
  textArea.ResetToValue();
}

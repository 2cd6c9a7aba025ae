#include "html/forms/AddFormControl.h"

#include <memory>

#include "html/document/Section.h"
#include "html/document/SectionList.h"
#include "html/forms/FormControlObj.h"
#include "html/forms/FormImage.h"
#include "html/forms/HtmlForm.h"
#include "html/parser/Attributes.h"
#include "html/support/LetterCase.h"
#include "platform/Screen.h"

namespace {

constexpr std::size_t TypeLength = 20;
// Controls show their text in the document's fixed-pitch face at this size.
constexpr int ControlFontSize = 10;

std::u32string TypeWord(const TAttributeList& attributes) {
  return LowerAscii(AttributeText(attributes, symType).substr(0, TypeLength));
}

std::unique_ptr<TFormControlObj> MakeControl(TSymbol tag, TSectionList& document,
                                             ThtmlForm& form, const TAttributeList& attributes) {
  if (tag == symTextarea) return std::make_unique<TTextAreaFormControlObj>(document, form, attributes);
  if (tag == symSelect) {
    const TAttribute* size = FindAttribute(attributes, symSize);
    if (FindAttribute(attributes, symMultiple) || (size && size->IntValue > 1))
      return std::make_unique<TListBoxFormControlObj>(document, form, attributes);
    return std::make_unique<TComboFormControlObj>(document, form, attributes);
  }
  const std::u32string type = TypeWord(attributes);
  if (type == U"submit" || type == U"reset" || type == U"button")
    return std::make_unique<TButtonFormControlObj>(document, form, attributes, type);
  if (type == U"radio") return std::make_unique<TRadioButtonFormControlObj>(document, form, attributes);
  if (type == U"checkbox") return std::make_unique<TCheckBoxFormControlObj>(document, form, attributes);
  if (type == U"hidden") return std::make_unique<THiddenFormControlObj>(document, form, attributes);
  if (type == U"image") return std::make_unique<TImageFormControlObj>(document, form, attributes);
  return std::make_unique<TEditFormControlObj>(document, form, attributes, type);
}

}  // namespace

TFormControlObj& AddFormControl(TSection& section, TSymbol tag, TSectionList& document,
                                ThtmlForm& form, const TAttributeList& attributes) {
  TFontDesc font;
  font.Name = document.PreFontName;
  font.Size = ControlFontSize;
  font.CharSet = document.CharSet;
  document.ControlFactory->SetFont(font);
  TFormControlObj& control = form.InsertControl(MakeControl(tag, document, form, attributes));
  control.Section = &section;
  if (auto* image = dynamic_cast<TImageFormControlObj*>(&control)) {
    control.Pos = section.InsertImage(std::make_unique<TFormImage>(*image, attributes)).Pos;
  } else if (control.GetControl()) {
    section.InsertControl(control);
    document.FormControls.push_back(&control);
  } else {
    control.Pos = int(section.Text.size());
  }
  return control;
}

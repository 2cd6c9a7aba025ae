#include "tools/dump/FormsJson.h"

#include <algorithm>
#include <vector>

#include "html/document/Section.h"
#include "html/document/SectionList.h"
#include "html/forms/FormControlObj.h"
#include "html/forms/FormImage.h"
#include "html/forms/HtmlForm.h"

namespace {

TJson ControlJson(const TFormControlObj& control, int width, int height) {
  return TJson::MakeObject()
      .Set("class", control.ClassName())
      .Set("pos", control.Pos)
      .Set("name", std::u32string_view(control.Name))
      .Set("value", std::u32string_view(control.Value))
      .Set("width", width)
      .Set("height", height)
      .Set("onBaseline", control.OnBaseline);
}

}  // namespace

bool HasFormControls(const TSection& section) {
  return !section.FormControls.Empty() ||
         std::any_of(section.Images.begin(), section.Images.end(), [](const auto& image) {
           return dynamic_cast<const TFormImage*>(image.get()) != nullptr;
         });
}

TJson ControlsJson(const TSection& section) {
  std::vector<std::pair<int, TJson>> found;
  for (const TInlineControl* control : section.FormControls)
    if (const auto* object = dynamic_cast<const TFormControlObj*>(control))
      found.emplace_back(object->Pos, ControlJson(*object, object->Width(), object->Height()));
  for (const auto& image : section.Images)
    if (const auto* picture = dynamic_cast<const TFormImage*>(image.get()))
      found.emplace_back(picture->Pos,
                         ControlJson(picture->Control, picture->ImageWidth, picture->ImageHeight));
  std::stable_sort(found.begin(), found.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  TJson list = TJson::MakeArray();
  for (auto& [pos, json] : found) list.Push(std::move(json));
  return list;
}

TJson FormsJson(TSectionList& document) {
  TJson list = TJson::MakeArray();
  for (const auto& form : document.Forms) {
    TJson submission = TJson::MakeArray();
    for (const std::u32string& entry : form->Submission(std::u32string()))
      submission.Push(TJson(std::u32string_view(entry)));
    list.Push(TJson::MakeObject()
                  .Set("method", std::u32string_view(form->Method))
                  .Set("action", std::u32string_view(form->Action))
                  .Set("target", std::u32string_view(form->Target))
                  .Set("encType", std::u32string_view(form->EncType))
                  .Set("nonHiddenCount", form->NonHiddenCount)
                  .Set("submission", std::move(submission)));
  }
  return list;
}

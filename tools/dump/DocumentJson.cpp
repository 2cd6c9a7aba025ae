#include "tools/dump/DocumentJson.h"

#include <map>

#include "html/builder/AnchorList.h"
#include "html/document/BlockSpaces.h"
#include "html/document/HorzLine.h"
#include "html/document/ListItems.h"
#include "html/document/Section.h"
#include "html/document/SectionList.h"
#include "html/support/Utf8.h"
#include "tools/dump/FormsJson.h"
#include "html/tables/Table.h"
#include "tools/dump/TableJson.h"
#include "tools/dump/ImageJson.h"

namespace {

TJson RunJson(const TFontObj& run) {
  const TMyFont& font = run.Font();
  return TJson::MakeObject()
      .Set("pos", run.Pos)
      .Set("face", font.Name())
      .Set("scale", font.Scale)
      .Set("points", font.Size())
      .Set("bold", (font.Style() & fsBold) != 0)
      .Set("italic", (font.Style() & fsItalic) != 0)
      .Set("underline", (font.Style() & fsUnderline) != 0)
      .Set("strike", (font.Style() & fsStrikeOut) != 0)
      .Set("color", ColorString(font.Color()))
      .Set("script", int(run.ScriptKind))
      .Set("url", std::u32string_view(run.UrlTarget().Url))
      .Set("target", std::u32string_view(run.UrlTarget().Target))
      .Set("lineHeight", run.LineHeight())
      .Set("descent", run.Descent());
}

TJson LineJson(const LineRec& line) {
  return TJson::MakeObject()
      .Set("start", line.Start)
      .Set("count", line.Count)
      .Set("lineX", line.LineX)
      .Set("spaceAbove", line.SpaceAbove)
      .Set("textHeight", line.TextHeight)
      .Set("spaceBelow", line.SpaceBelow)
      .Set("descent", line.Descent)
      .Set("paintHeight", line.PaintHeight);
}

void AddTextFields(TJson& json, const TSection& section) {
  json.Set("level", section.Level)
      .Set("justify", section.Justify)
      .Set("clear", section.ClearKind);
  if (section.RightToLeft) json.Set("rtl", true);
  json.Set("text", section.Text.str());
  TJson runs = TJson::MakeArray();
  for (const TFontObj& run : section.Fonts) runs.Push(RunJson(run));
  json.Set("runs", std::move(runs));
  TJson lines = TJson::MakeArray();
  for (const LineRec& line : section.Lines) {
    TJson lineJson = LineJson(line);
    // A line drawn in another order than stored shows what is drawn, left to right.
    if (section.VisualRuns(line))
      lineJson.Set("visual", std::u32string_view(section.VisualText(line)));
    lines.Push(std::move(lineJson));
  }
  json.Set("lines", std::move(lines));
  if (HasFormControls(section)) json.Set("controls", ControlsJson(section));
  AddImageFields(json, section);

  if (const auto* item = dynamic_cast<const TUListItem*>(&section)) {
    json.Set("number", section.ListNumber);
    const auto* ordered = dynamic_cast<const TOListItem*>(&section);
    json.Set("style", ordered ? std::u32string(1, ordered->NumberStyle) : std::u32string());
    json.Set("noBullet", item->NoBullet);
  }
}

void AddRuleFields(TJson& json, const THorzLine& rule) {
  json.Set("thickness", rule.Thickness)
      .Set("ruleWidth", rule.RuleWidth)
      .Set("percent", rule.Percent)
      .Set("align", rule.Align)
      .Set("noShade", rule.NoShade)
      .Set("hasColor", rule.HasColor)
      .Set("color", ColorString(rule.RuleColor));
}

class TSectionNumbering {
 public:
  TJson Sections(const TCell& cell) {
    TJson list = TJson::MakeArray();
    for (const auto& section : cell) list.Push(SectionJson(*section));
    return list;
  }
  const std::map<const TSectionBase*, int>& Ids() const { return IdOf; }

 private:
  TJson SectionJson(const TSectionBase& section) {
    int id = NextId++;
    IdOf[&section] = id;
    TJson json = TJson::MakeObject()
                     .Set("id", id)
                     .Set("kind", section.KindName())
                     .Set("top", section.Top)
                     .Set("flowHeight", section.FlowHeight)
                     .Set("paintHeight", section.PaintHeight)
                     .Set("firstPos", section.FirstPos)
                     .Set("posCount", section.PosCount);
    if (const auto* text = dynamic_cast<const TSection*>(&section))
      AddTextFields(json, *text);
    else if (const auto* heading = dynamic_cast<const THeadingSpace*>(&section))
      json.Set("level", heading->HeadingLevel);
    else if (const auto* rule = dynamic_cast<const THorzLine*>(&section))
      AddRuleFields(json, *rule);
    else if (const auto* table = dynamic_cast<const ThtmlTable*>(&section))
      AddTableFields(json, *table, [this](const TCell& cell) { return Sections(cell); });
    return json;
  }

  int NextId = 0;
  std::map<const TSectionBase*, int> IdOf;
};

}  // namespace

TJson DocumentJson(const TSectionList& document, const TAnchorList& anchors,
                   const TDocumentSummary& summary) {
  TSectionNumbering numbering;
  TJson sections = numbering.Sections(document);

  TJson anchorIds = TJson::MakeObject();
  for (const auto& [name, section] : anchors) {
    auto found = numbering.Ids().find(section);
    anchorIds.Set(EncodeUtf8(name), found == numbering.Ids().end() ? -1 : found->second);
  }

  TJson json = TJson::MakeObject();
  json.Set("title", std::u32string_view(summary.Title))
      .Set("base", std::u32string_view(summary.Base))
      .Set("baseTarget", std::u32string_view(summary.BaseTarget))
      .Set("height", summary.Height)
      .Set("maxWidth", summary.MaxWidth)
      .Set("background", ColorString(document.Background))
      .Set("anchors", std::move(anchorIds))
      .Set("sections", std::move(sections));
  AddMapFields(json, document);
  return json;
}

#include "tools/dump/ImageJson.h"

#include "html/document/Section.h"
#include "html/document/SectionList.h"
#include "html/images/ImageObj.h"
#include "html/images/MapItem.h"
#include "tools/Json.h"

namespace {

const char* PictureName(TPictureKind kind) {
  switch (kind) {
    case pkBitmap: return "bitmap";
    case pkGif: return "gif";
    case pkError: return "error";
    case pkDefault: return "default";
  }
  return "";
}

const char* ShapeName(TMapItem::TShape shape) {
  switch (shape) {
    case TMapItem::shRect: return "rect";
    case TMapItem::shCircle: return "circle";
    case TMapItem::shPoly: return "poly";
  }
  return "";
}

TJson ImageJson(const TInlineImage& image) {
  TJson json = TJson::MakeObject();
  json.Set("pos", image.Pos)
      .Set("align", int(image.Align))
      .Set("imageWidth", image.ImageWidth)
      .Set("imageHeight", image.ImageHeight);
  const auto* object = dynamic_cast<const TImageObj*>(&image);
  if (object) json.Set("objWidth", object->ObjWidth).Set("objHeight", object->ObjHeight);
  json.Set("hspace", image.HSpace).Set("floatOffset", image.FloatOffset);
  if (!object) return json;
  json.Set("source", object->Source)
      .Set("alt", object->Alt)
      .Set("isMap", object->IsMap)
      .Set("useMap", object->UseMap)
      .Set("mapName", object->MapName)
      .Set("hasBorder", object->HasBorder)
      .Set("sizeKnown", object->SizeKnown)
      .Set("transparent", int(object->Transparent))
      .Set("picture", PictureName(object->PictureKind()));
  return json;
}

}  // namespace

void AddImageFields(TJson& json, const TSection& section) {
  if (section.Images.Empty()) return;
  TJson images = TJson::MakeArray();
  for (const auto& image : section.Images) images.Push(ImageJson(*image));
  json.Set("images", std::move(images));
}

void AddMapFields(TJson& json, const TSectionList& document) {
  if (document.ImageMaps.empty()) return;
  TJson maps = TJson::MakeArray();
  for (const auto& map : document.ImageMaps) {
    TJson areas = TJson::MakeArray();
    for (const TMapItem::TArea& area : map->Areas)
      areas.Push(TJson::MakeObject()
                     .Set("href", area.Href)
                     .Set("target", area.Target)
                     .Set("shape", ShapeName(area.Shape)));
    maps.Push(TJson::MakeObject().Set("name", map->Name).Set("areas", std::move(areas)));
  }
  json.Set("maps", std::move(maps));
}

#pragma once
// The images and image maps of a laid-out document, as `tamblin-dump doc` prints them.

class TJson;
class TSection;
class TSectionList;

// Adds "images" to a text section that holds images: for each its pos, align (0-4),
// imageWidth, imageHeight, objWidth, objHeight, hspace, floatOffset, source, alt, isMap,
// useMap, mapName, hasBorder, sizeKnown, transparent (0-3) and picture ("bitmap", "gif",
// "error" or "default").
void AddImageFields(TJson& json, const TSection& section);
// Adds "maps" to a document that has image maps: for each its name and areas (href, target,
// shape "rect", "circle" or "poly").
void AddMapFields(TJson& json, const TSectionList& document);

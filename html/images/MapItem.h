#pragma once
// A client-side image map: one MAP element with its AREAs, kept by the document. An image
// whose USEMAP names the map asks it which link a point of the picture leads to.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "html/document/UrlTarget.h"
#include "html/parser/Attributes.h"

// The form in which map names are kept and compared: ASCII and Latin-1 letters upper-cased.
std::u32string MapNameKey(std::u32string_view name);

class TMapItem {
 public:
  enum TShape { shRect, shCircle, shPoly };
  // One area: its link (empty for NOHREF), its target and its shape, in picture pixels. The
  // shape is kept as its numbers and a point is tested against it when asked, so an area costs
  // its numbers whatever size it spans.
  struct TArea {
    std::u32string Href;
    std::u32string Target;
    TShape Shape = shRect;
    std::vector<int> Coords;  // as read, at least as many as the shape needs

    // Whether the pixel (x, y) belongs to the shape, by the rules of regions (Region.h): its
    // centre (x + 0.5, y + 0.5) lies inside. A rectangle covers left..right by top..bottom,
    // both corners included; a circle is the ellipse inscribed in the box from (x - r, y - r)
    // to (x + r + 1, y + r + 1); a polygon is filled with the winding rule.
    bool Contains(int x, int y) const;
  };

  std::u32string Name;  // the MAP's NAME, upper-cased by the builder
  std::vector<TArea> Areas;  // in the order written

  // Reads one AREA tag. SHAPE's first four letters choose "circ" (a circle: x, y, r), "poly"
  // (a polygon of the number count div 2 points, filled with the winding rule) or anything
  // else a rectangle (left, top, right, bottom, both corners inside). COORDS are numbers
  // separated by commas: each piece cut to 20 characters and its trailing blanks dropped, 0
  // when it is no number; the first empty piece ends them; at most 201 are used. NOHREF
  // clears the link read so far. An area with too few numbers for its shape is dropped.
  void AddArea(const TAttributeList& attributes);
  // The link of the first area, in the order written, that holds (x, y), a point relative to
  // the picture. Nothing when no area holds it, or when that area has no link (a NOHREF area
  // hides the areas below it).
  std::optional<TUrlTarget> HitArea(int x, int y) const;
};

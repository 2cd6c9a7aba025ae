#pragma once
// What the engine itself reads of an SVG document: whether bytes are one, and the size its
// picture takes in a page. Drawing it is the platform's (platform/SvgRenderer.h).
//
// Data is an SVG document when, after an optional UTF-8 byte order mark, blanks, the XML
// declaration, processing instructions, comments and a DOCTYPE (with or without its internal
// subset), the first element is named "svg" (with or without a namespace prefix). Any other
// first element (XHTML, another XML language) or anything malformed before it is not SVG.
//
// The size comes from the root element's width, height and viewBox, in CSS pixels (96 per
// inch), as browsers size an SVG picture:
// - A length is a number with no unit or px, in, cm, mm, Q, pt or pc. A percentage, a length
//   relative to a font (em, ex), zero, a negative or anything else counts as not given.
// - Both given: that size. One given: the other from the viewBox's proportions, or 300 wide
//   and 150 high without a usable viewBox. Neither: the viewBox's size, else 300 x 150.
// - Rounded to whole pixels (at least 1), then scaled down, proportions kept, to the limits of
//   every picture (ImageTypes.h) when larger.

#include <cstddef>
#include <optional>

#include "html/images/ImageTypes.h"

// The offset of the '<' that opens the root svg element, or nothing when data is no SVG.
std::optional<std::size_t> FindSvgRoot(TImageBytes data);

inline bool IsSvg(TImageBytes data) { return FindSvgRoot(data).has_value(); }

struct TSvgSize {
  int Width = 0;
  int Height = 0;
  friend bool operator==(const TSvgSize&, const TSvgSize&) = default;
};

// The picture size by the rules above; nothing when data is no SVG.
std::optional<TSvgSize> SvgPictureSize(TImageBytes data);

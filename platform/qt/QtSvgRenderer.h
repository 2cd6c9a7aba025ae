#pragma once
// SVG pictures on Qt 6, through Qt's SVG module.
//
// Qt's renderer would load the file or URL an image element names, so a document is first
// copied through Qt's XML reader into one that holds only what it draws from itself: every
// href (of any prefix) that does not point inside the document ("#id") or carry a PNG, JPEG,
// GIF or BMP picture in a data: URL is dropped, and the DOCTYPE (its entities already
// expanded by the reader), comments and processing instructions go. The copy is refused
// beyond MaxSvgBytes of input, MaxSvgDepth levels of elements or MaxSvgElements elements,
// and when the reader finds it malformed. Where the root element leaves them unset, its colour
// (for currentColor) is the one asked for and its font is a browser's first: 16 pixels, serif.
//
// Drawing time is bounded by an estimate made during the copy, in pixels touched: each drawn
// element (each instance through use counted) may fill the whole picture, and a path of n
// segments may cost SvgPathWeight * n * n per row it spans, as anti-aliased filling of long
// crossing edges does. A picture whose estimate passes SvgDrawingBudget is drawn at the largest scale that
// keeps within it and then scaled up smoothly to the size asked for; one that would need a
// scale below MinSvgScale is not drawn.

#include "platform/SvgRenderer.h"

#include <cstddef>

inline constexpr std::size_t MaxSvgBytes = 8u << 20;
inline constexpr int MaxSvgDepth = 256;
inline constexpr int MaxSvgElements = 50000;
inline constexpr double SvgDrawingBudget = 1e9;
inline constexpr double SvgPathWeight = 8;
inline constexpr double MinSvgScale = 1.0 / 8;

class TQtSvgRenderer : public TSvgRenderer {
public:
  std::unique_ptr<TBitmap> Render(std::span<const std::uint8_t> svg, int width, int height,
                                  TColor color) const override;
};

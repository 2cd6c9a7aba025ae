#pragma once
// Tiling a page's background picture over the part of the panel being painted. The tiles
// scroll with the document: the tile grid is offset by the vertical and horizontal scroll
// positions, so the picture moves with the text.

#include "platform/Geometry.h"

class TBitmap;
class TCanvas;

// The top-left corner of the first tile drawn for clip: one tile left of and above the first
// whole tile inside the clip, so that partial tiles along the clip's left and top edges are
// covered. tileWidth and tileHeight must be above 0.
TPoint FirstTile(const TRect& clip, int tileWidth, int tileHeight, int vScroll, int hScroll);

// Covers clip (panel coordinates) with copies of picture, which must not be empty. A picture
// with an alpha channel is laid over what the canvas holds there.
void TileBackground(TCanvas& canvas, const TRect& clip, const TBitmap& picture, int vScroll,
                    int hScroll);

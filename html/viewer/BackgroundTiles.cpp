#include "html/viewer/BackgroundTiles.h"

#include "platform/Bitmap.h"
#include "platform/Canvas.h"

namespace {

// Tiles smaller than this are first repeated into a block at least this large, so that a
// picture of a few pixels is not copied once per few pixels of the panel.
constexpr int MinBlock = 64;

// The first tile edge at or after edge on the grid that scroll offsets by step.
int FirstEdgeAtOrAfter(int edge, int step, int scroll) {
  int first = -(scroll % step);
  if (first < edge) first += (edge - first + step - 1) / step * step;
  return first;
}

TBitmap RepeatedBlock(const TBitmap& picture) {
  const int w = picture.Width(), h = picture.Height();
  const int across = (MinBlock + w - 1) / w;
  const int down = (MinBlock + h - 1) / h;
  TBitmap block(w * across, h * down);
  block.SetAlphaChannel(picture.HasAlpha());
  for (int y = 0; y < block.Height(); ++y) {
    const std::uint32_t* from = picture.ScanLine(y % h);
    std::uint32_t* to = block.ScanLine(y);
    for (int x = 0; x < block.Width(); ++x) to[x] = from[x % w];
  }
  return block;
}

}  // namespace

TPoint FirstTile(const TRect& clip, int tileWidth, int tileHeight, int vScroll, int hScroll) {
  return {FirstEdgeAtOrAfter(clip.Left, tileWidth, hScroll) - tileWidth,
          FirstEdgeAtOrAfter(clip.Top, tileHeight, vScroll) - tileHeight};
}

void TileBackground(TCanvas& canvas, const TRect& clip, const TBitmap& picture, int vScroll,
                    int hScroll) {
  const bool small = picture.Width() < MinBlock || picture.Height() < MinBlock;
  const TBitmap block = small ? RepeatedBlock(picture) : TBitmap(0, 0);
  const TBitmap& tile = small ? block : picture;
  const int w = tile.Width(), h = tile.Height();
  // A block is a whole number of pictures, so its grid lines up with the picture's: start
  // from the picture's grid and step by the block.
  const TPoint first = FirstTile(clip, picture.Width(), picture.Height(), vScroll, hScroll);
  int top = first.Y;
  do {
    int left = first.X;
    do {
      canvas.Draw(left, top, tile);
      left += w;
    } while (left < clip.Right);
    top += h;
  } while (top < clip.Bottom);
}

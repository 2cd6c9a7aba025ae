#pragma once
// TGIFImage reads a GIF (GIF87a or GIF89a) held in memory, decodes every image of it into a
// bitmap with a transparency mask, composes the frames into a picture of the logical screen,
// draws that picture scaled into a page, and steps an animation on the document's timer.
// TFrame is one image of the GIF. The decoder is our own.
//
// Reading. Every length is checked before it is read and nothing outside the data is ever
// read. A read fails (false, and the image is empty) when the data does not start with
// "GIF", when its logical screen descriptor is cut short, when it holds no image, or when it
// needs more memory than it may have (below). Otherwise every frame read so far counts:
// truncated image data ends that frame's decoding early, a block cut short ends the parse,
// and an extension other than plain text (0x01), graphic control (0xF9), comment (0xFE) and
// application (0xFF) ends it too. After 256 frames the rest of the data is ignored. Pixels
// that truncated data never reaches are transparent in a frame with a transparent colour, and
// take colour 0 of the frame's table otherwise.
//
// Memory. The bitmaps one GIF holds (each frame's picture and mask, the composed screen with
// its mask, and the copy of what the largest restore-previous frame covers) may together have
// at most GifPixelFloor pixels plus GifPixelsPerByte for each byte of the data (the most LZW
// can expand one byte into), and never more than MaxGifPixels; the composed screen itself must
// pass the size limit of every picture (ImageTypes.h). A GIF that needs more is refused like a failed read, before anything is
// allocated: a screen of 65535 x 65535 claimed in 40 bytes takes nothing. Pixels are 4 bytes,
// so MaxGifPixels is 256 MB at the very most.
//
// Sharing. Frames never change once decoded, so a copy of an image (CreateCopy, made for every
// further picture of an animated GIF on the pages) shares them and owns only its composed
// screen, mask and the saved copy of a restore-previous frame.
//
// Coordinates. Draw takes document coordinates, as all drawing of a page does (Canvas.h), and
// the document's ScrollTop, so the timer can find the picture again after a scroll.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "html/images/ImageTypes.h"
#include "platform/Bitmap.h"
#include "platform/Color.h"
#include "platform/Geometry.h"

class TCanvas;
class TGIFImage;
class TWindow;

inline constexpr int MaxGifFrames = 256;
inline constexpr std::int64_t GifPixelsPerByte = 16384;
inline constexpr std::int64_t GifPixelFloor = std::int64_t(1) << 16;
inline constexpr std::int64_t MaxGifPixels = std::int64_t(64) << 20;

// One image of a GIF.
class TFrame {
 public:
  int Left = 0;  // the image descriptor's place and size on the logical screen
  int Top = 0;
  int Width = 0;
  int Height = 0;
  int ColorBits = 0;  // bits of the local colour table; 0 without one
  int Delay = 0;      // milliseconds: the graphic control extension's hundredths x 10
  // 0 none, 1 leave in place, 2 restore to background, 3 restore previous; an extension's
  // disposal field 0, 1 and 3 mean themselves, 2 and every other value mean 2.
  std::uint8_t Disposal = 0;
  bool Interlaced = false;
  bool HasTransparency = false;
  std::uint8_t TransparentIndex = 0;
  TColor TransparentColor = clBlack;  // that index's colour in the table in use
  bool HasLocalColors = false;
  std::string Comment;  // the comment extensions read since the previous frame (bytes)
  // Decoded frames only: the picture (black at transparent pixels) and, for a frame with a
  // transparent colour, its monochrome mask (white where transparent).
  std::unique_ptr<TBitmap> Picture;
  std::unique_ptr<TBitmap> Mask;

 private:
  friend class TGIFImage;
  std::size_t DataStart = 0;  // the LZW minimum code size byte in the data
  std::array<std::uint8_t, 768> LocalColors{};
};

class TGIFImage {
 public:
  TGIFImage() = default;
  TGIFImage(const TGIFImage&) = delete;
  TGIFImage& operator=(const TGIFImage&) = delete;

  // Parses data, describing the frames without decoding a pixel.
  bool Scan(TImageBytes data) { return Read(data, true); }
  // Parses and decodes data: every frame's picture, and frame 1 composed.
  bool Load(TImageBytes data) { return Read(data, false); }
  // A decoded image sharing source's frames with its own composition, at frame 1, not
  // animating. Made for every image object after the first that shows a cached GIF.
  std::unique_ptr<TGIFImage> CreateCopy() const;

  bool IsAnimated() const { return IsAnimatedFlag; }  // more than one frame
  bool Empty() const { return EmptyFlag; }            // no successful read
  bool ScanOnly() const { return ScanOnlyFlag; }      // the last read decoded nothing
  bool IsTransparent() const { return IsTransparentFlag; }  // some frame has a transparent colour
  bool IsCopy() const { return IsCopyFlag; }
  int ScreenWidth() const { return ScreenWidthValue; }  // widened to cover every frame
  int ScreenHeight() const { return ScreenHeightValue; }
  int FrameCount() const { return int(Frames.size()); }
  const TFrame& Frame(int n) const { return *Frames[std::size_t(n - 1)]; }  // 1-based
  int CurrentFrame() const { return CurrentFrameValue; }
  // Passes to play: 1 by default, the NETSCAPE2.0 value when there is one; 0 loops for ever.
  int LoopCount() const { return LoopCountValue; }
  int ColorBits() const { return ColorBitsValue; }  // of the largest colour table seen
  int Speed = 100;                                   // playback speed in percent

  // The composed picture of the current frame (black where transparent) and, for a
  // transparent GIF, its mask (white where transparent); empty before a full read.
  const TBitmap& Composed() const { return Compose; }
  const TBitmap* ComposedMask() const { return IsTransparentFlag ? &ComposeMask : nullptr; }

  // Shows frame n: the current frame is disposed of and n composed. n above the frame count
  // becomes 1, n below 1 the last frame; composing frame 1 starts from an empty screen.
  void SetCurrentFrame(int n);
  // Starts or stops the animation; starting restarts the pass count and the timing.
  void SetAnimate(bool animate);
  void SetVisible(bool visible) { Visible = visible; }

  // Draws the current picture scaled to dest (document coordinates) through its mask when the
  // GIF is transparent; records where, and marks the image as shown. Nothing is painted while
  // invisible or before a full read.
  void Draw(TCanvas& canvas, const TRect& dest, int scrollTop);
  // Whether Draw ran since the document was last laid out (the document clears it).
  bool ShownInPaint = false;
  // Where the picture was last drawn, in window coordinates when the view is scrolled to
  // (scrollLeft, scrollTop).
  TRect DrawnRect(int scrollLeft, int scrollTop) const;
  // Advances the animation when its frame is due at now (milliseconds) and invalidates the
  // picture's rectangle on window. Answers whether the frame changed.
  bool Step(TWindow& window, std::int64_t now, int scrollLeft, int scrollTop);

  // The current picture for the host's image commands, transparent pixels in frame 1's
  // transparent colour; owned by the image and remade by every call; null before a full read.
  const TBitmap* HostPicture();

 private:
  bool Read(TImageBytes data, bool scanOnly);
  void Clear();
  // Parses the block structure; false when nothing usable was found.
  bool Parse(TImageBytes data);
  bool ReadFrame(TImageBytes data, std::size_t& pos, std::uint8_t controlPacked, int delay,
                 std::uint8_t transparentIndex, bool hasControl, std::string& comment);
  bool WithinBudget(TImageBytes data) const;
  void Decode(TImageBytes data, TFrame& frame) const;
  void ComposeFrame(int n);
  void DisposeFrame(int n);
  const std::uint8_t* ColorsOf(const TFrame& frame) const;

  bool IsAnimatedFlag = false;
  bool EmptyFlag = true;
  bool ScanOnlyFlag = false;
  bool IsTransparentFlag = false;
  bool IsCopyFlag = false;
  int CurrentFrameValue = 1;
  int ScreenWidthValue = 0;
  int ScreenHeightValue = 0;
  int LoopCountValue = 1;
  int ColorBitsValue = 0;
  bool Visible = true;
  bool Animate = false;
  int LoopNumber = 1;
  std::int64_t LastStep = -1;  // -1: the next due step only starts the timing
  int Interval = 0;
  TRect Drawn;  // document coordinates
  std::array<std::uint8_t, 768> GlobalColors{};
  // Written only while a read decodes them; shared with copies from then on.
  std::vector<std::shared_ptr<TFrame>> Frames;
  TBitmap Compose{0, 0};
  TBitmap ComposeMask{0, 0, true};
  // What the current frame covered before it was composed, when its disposal is 3.
  TBitmap Saved{0, 0};
  TBitmap SavedMask{0, 0, true};
  std::unique_ptr<TBitmap> HostCopy;
};

// GIF parsing, the memory budget, composition, drawing and stepping. The LZW decoding of one
// frame is in GifDecode.cpp.
#include "html/images/GIFImage.h"

#include <algorithm>
#include <cstring>

#include "platform/Canvas.h"
#include "platform/Window.h"

namespace {

constexpr std::size_t HeaderSize = 6;
constexpr std::size_t ScreenDescriptorSize = 7;
constexpr std::size_t ImageDescriptorSize = 10;
constexpr std::uint8_t ExtensionIntroducer = 0x21;
constexpr std::uint8_t ImageSeparator = 0x2C;
constexpr std::uint8_t PlainTextLabel = 0x01;
constexpr std::uint8_t GraphicControlLabel = 0xF9;
constexpr std::uint8_t CommentLabel = 0xFE;
constexpr std::uint8_t ApplicationLabel = 0xFF;

std::uint16_t U16(TImageBytes data, std::size_t pos) {
  return std::uint16_t(data[pos] | data[pos + 1] << 8);
}

bool Has(TImageBytes data, std::size_t pos, std::size_t count) {
  return pos <= data.size() && count <= data.size() - pos;
}

// Moves pos past a chain of sub-blocks and its zero-length terminator (or to the end of the
// data when the chain is cut short), appending the blocks' bytes to collected when given.
void SkipSubBlocks(TImageBytes data, std::size_t& pos, std::string* collected = nullptr) {
  while (pos < data.size()) {
    const std::size_t length = data[pos++];
    if (length == 0) return;
    const std::size_t taken = std::min(length, data.size() - pos);
    if (collected) collected->append(reinterpret_cast<const char*>(data.data() + pos), taken);
    pos += taken;
  }
}

// Copies rect of source into target at (x, y), pixels as stored.
void CopyPixels(const TBitmap& source, const TRect& rect, TBitmap& target, int x, int y) {
  for (int row = 0; row < rect.Height(); ++row)
    std::copy_n(source.ScanLine(rect.Top + row) + rect.Left, rect.Width(),
                target.ScanLine(y + row) + x);
}

// Gives the bitmap the size, keeping its kind; its pixels are to be overwritten.
void FitSize(TBitmap& bitmap, int width, int height) {
  if (bitmap.Width() != width || bitmap.Height() != height)
    bitmap = TBitmap(width, height, bitmap.Monochrome());
}

void FillPixels(TBitmap& target, const TRect& rect, TColor color) {
  const std::uint32_t word = TBitmap::ToWord(color);
  for (int row = rect.Top; row < rect.Bottom; ++row)
    std::fill_n(target.ScanLine(row) + rect.Left, rect.Width(), word);
}

}  // namespace

// --- Reading.

void TGIFImage::Clear() {
  Frames.clear();
  EmptyFlag = true;
  IsAnimatedFlag = false;
  IsTransparentFlag = false;
  ScanOnlyFlag = false;
  CurrentFrameValue = 1;
  LoopCountValue = 1;
  LoopNumber = 1;
  LastStep = -1;
  ColorBitsValue = 0;
  ScreenWidthValue = ScreenHeightValue = 0;
  GlobalColors.fill(0);
  Compose = TBitmap(0, 0);
  ComposeMask = TBitmap(0, 0, true);
  Saved = TBitmap(0, 0);
  SavedMask = TBitmap(0, 0, true);
  HostCopy.reset();
}

bool TGIFImage::Read(TImageBytes data, bool scanOnly) {
  Clear();
  if (!Parse(data) || !WithinBudget(data)) {
    Clear();
    return false;
  }
  ScanOnlyFlag = scanOnly;
  IsAnimatedFlag = Frames.size() > 1;
  EmptyFlag = false;
  if (scanOnly) return true;
  for (const auto& frame : Frames) Decode(data, *frame);
  Compose = TBitmap(ScreenWidthValue, ScreenHeightValue);
  if (IsTransparentFlag) {
    ComposeMask = TBitmap(ScreenWidthValue, ScreenHeightValue, true);
    ComposeMask.Fill(clWhite);
  }
  ComposeFrame(CurrentFrameValue);
  return true;
}

bool TGIFImage::Parse(TImageBytes data) {
  if (!Has(data, 0, HeaderSize + ScreenDescriptorSize) || std::memcmp(data.data(), "GIF", 3) != 0)
    return false;
  ScreenWidthValue = U16(data, 6);
  ScreenHeightValue = U16(data, 8);
  const std::uint8_t packed = data[10];
  std::size_t pos = HeaderSize + ScreenDescriptorSize;
  if (packed & 0x80) {
    ColorBitsValue = (packed & 7) + 1;
    const std::size_t tableSize = std::size_t(3) << ColorBitsValue;
    if (!Has(data, pos, tableSize)) return false;
    std::copy_n(data.data() + pos, tableSize, GlobalColors.begin());
    pos += tableSize;
  }

  // The graphic control extension and the comments apply to the next image only.
  bool hasControl = false;
  std::uint8_t controlPacked = 0, transparentIndex = 0;
  int delay = 0;
  std::string comment;
  while (pos < data.size()) {
    const std::uint8_t introducer = data[pos];
    if (introducer == ImageSeparator) {
      if (Frames.size() >= std::size_t(MaxGifFrames)) break;
      if (!ReadFrame(data, pos, controlPacked, delay, transparentIndex, hasControl, comment))
        break;
      hasControl = false;
      controlPacked = transparentIndex = 0;
      delay = 0;
      comment.clear();
      continue;
    }
    if (introducer != ExtensionIntroducer || !Has(data, pos, 2)) break;
    const std::uint8_t label = data[pos + 1];
    pos += 2;
    if (label == GraphicControlLabel) {
      if (Has(data, pos, 5) && data[pos] >= 4) {
        hasControl = true;
        controlPacked = data[pos + 1];
        delay = U16(data, pos + 2) * 10;
        transparentIndex = data[pos + 4];
      }
      SkipSubBlocks(data, pos);
    } else if (label == CommentLabel) {
      SkipSubBlocks(data, pos, &comment);
    } else if (label == ApplicationLabel) {
      const std::size_t first = pos;
      if (Has(data, first, 12) && data[first] >= 11 &&
          std::memcmp(data.data() + first + 1, "NETSCAPE2.0", 11) == 0) {
        const std::size_t second = first + 1 + data[first];
        if (Has(data, second, 4) && data[second] >= 3) LoopCountValue = U16(data, second + 2);
      }
      SkipSubBlocks(data, pos);
    } else if (label == PlainTextLabel) {
      SkipSubBlocks(data, pos);
    } else {
      break;
    }
  }
  return !Frames.empty();
}

bool TGIFImage::ReadFrame(TImageBytes data, std::size_t& pos, std::uint8_t controlPacked,
                          int delay, std::uint8_t transparentIndex, bool hasControl,
                          std::string& comment) {
  if (!Has(data, pos, ImageDescriptorSize)) return false;
  auto frame = std::make_shared<TFrame>();
  frame->Left = U16(data, pos + 1);
  frame->Top = U16(data, pos + 3);
  frame->Width = U16(data, pos + 5);
  frame->Height = U16(data, pos + 7);
  const std::uint8_t packed = data[pos + 9];
  pos += ImageDescriptorSize;
  frame->Interlaced = (packed & 0x40) != 0;
  if (packed & 0x80) {
    frame->HasLocalColors = true;
    frame->ColorBits = (packed & 7) + 1;
    const std::size_t tableSize = std::size_t(3) << frame->ColorBits;
    if (!Has(data, pos, tableSize)) return false;
    std::copy_n(data.data() + pos, tableSize, frame->LocalColors.begin());
    pos += tableSize;
  }
  if (hasControl) {
    const int disposal = controlPacked >> 2 & 7;
    frame->Disposal = std::uint8_t(disposal == 0 || disposal == 1 || disposal == 3 ? disposal : 2);
    frame->Delay = delay;
    frame->HasTransparency = (controlPacked & 1) != 0;
    frame->TransparentIndex = transparentIndex;
  }
  const std::uint8_t* colors = frame->HasLocalColors ? frame->LocalColors.data() : GlobalColors.data();
  const std::size_t index = std::size_t(frame->TransparentIndex) * 3;
  frame->TransparentColor = Rgb(colors[index], colors[index + 1], colors[index + 2]);
  frame->Comment = std::move(comment);
  // The image data: the code size byte, its sub-blocks, and any stray terminators after them.
  frame->DataStart = pos;
  if (pos < data.size()) {
    ++pos;
    SkipSubBlocks(data, pos);
    while (pos < data.size() && data[pos] == 0) ++pos;
  }
  ColorBitsValue = std::max(ColorBitsValue, frame->ColorBits);
  IsTransparentFlag = IsTransparentFlag || frame->HasTransparency;
  ScreenWidthValue = std::max(ScreenWidthValue, frame->Left + frame->Width);
  ScreenHeightValue = std::max(ScreenHeightValue, frame->Top + frame->Height);
  Frames.push_back(std::move(frame));
  return true;
}

bool TGIFImage::WithinBudget(TImageBytes data) const {
  if (!ImageSizeAllowed(ScreenWidthValue, ScreenHeightValue)) return false;
  const std::int64_t budget =
      std::min(MaxGifPixels, GifPixelFloor + GifPixelsPerByte * std::int64_t(data.size()));
  const int layers = IsTransparentFlag ? 2 : 1;  // a picture, and a mask when transparent
  std::int64_t pixels = std::int64_t(ScreenWidthValue) * ScreenHeightValue * layers;
  std::int64_t largestRestore = 0;
  for (const auto& frame : Frames) {
    const std::int64_t area = std::int64_t(frame->Width) * frame->Height;
    pixels += area * (1 + (frame->HasTransparency ? 1 : 0));
    if (frame->Disposal == 3) largestRestore = std::max(largestRestore, area);
    if (pixels > budget) return false;
  }
  return pixels + largestRestore * layers <= budget;
}

const std::uint8_t* TGIFImage::ColorsOf(const TFrame& frame) const {
  return frame.HasLocalColors ? frame.LocalColors.data() : GlobalColors.data();
}

std::unique_ptr<TGIFImage> TGIFImage::CreateCopy() const {
  auto copy = std::make_unique<TGIFImage>();
  copy->IsAnimatedFlag = IsAnimatedFlag;
  copy->EmptyFlag = EmptyFlag;
  copy->ScanOnlyFlag = ScanOnlyFlag;
  copy->IsTransparentFlag = IsTransparentFlag;
  copy->ScreenWidthValue = ScreenWidthValue;
  copy->ScreenHeightValue = ScreenHeightValue;
  copy->LoopCountValue = LoopCountValue;
  copy->ColorBitsValue = ColorBitsValue;
  copy->Speed = Speed;
  copy->Visible = Visible;
  copy->GlobalColors = GlobalColors;
  copy->Frames = Frames;
  copy->IsCopyFlag = true;
  if (!EmptyFlag && !ScanOnlyFlag) {
    copy->Compose = TBitmap(ScreenWidthValue, ScreenHeightValue);
    if (IsTransparentFlag) copy->ComposeMask = TBitmap(ScreenWidthValue, ScreenHeightValue, true);
    copy->ComposeFrame(1);
  }
  return copy;
}

// --- Composition.

void TGIFImage::ComposeFrame(int n) {
  if (EmptyFlag || ScanOnlyFlag || n < 1 || n > FrameCount()) return;
  if (n == 1) {
    Compose.Fill(clBlack);
    if (IsTransparentFlag) ComposeMask.Fill(clWhite);
  }
  const TFrame& frame = *Frames[std::size_t(n - 1)];
  if (!frame.Picture || frame.Picture->IsEmpty()) return;
  const TRect rect{frame.Left, frame.Top, frame.Left + frame.Width, frame.Top + frame.Height};
  if (frame.Disposal == 3) {
    FitSize(Saved, frame.Width, frame.Height);
    CopyPixels(Compose, rect, Saved, 0, 0);
    if (IsTransparentFlag) {
      FitSize(SavedMask, frame.Width, frame.Height);
      CopyPixels(ComposeMask, rect, SavedMask, 0, 0);
    }
  }
  const std::uint32_t white = TBitmap::ToWord(clWhite), black = TBitmap::ToWord(clBlack);
  for (int row = 0; row < frame.Height; ++row) {
    const std::uint32_t* picture = frame.Picture->ScanLine(row);
    const std::uint32_t* mask = frame.Mask ? frame.Mask->ScanLine(row) : nullptr;
    std::uint32_t* composed = Compose.ScanLine(frame.Top + row) + frame.Left;
    std::uint32_t* composedMask =
        IsTransparentFlag ? ComposeMask.ScanLine(frame.Top + row) + frame.Left : nullptr;
    for (int x = 0; x < frame.Width; ++x) {
      if (mask && mask[x] == white) continue;
      composed[x] = picture[x];
      if (composedMask) composedMask[x] = black;
    }
  }
}

void TGIFImage::DisposeFrame(int n) {
  if (EmptyFlag || ScanOnlyFlag || n < 1 || n > FrameCount()) return;
  const TFrame& frame = *Frames[std::size_t(n - 1)];
  const TRect rect{frame.Left, frame.Top, frame.Left + frame.Width, frame.Top + frame.Height};
  if (frame.Disposal == 2) {
    FillPixels(Compose, rect, clBlack);
    if (IsTransparentFlag) FillPixels(ComposeMask, rect, clWhite);
  } else if (frame.Disposal == 3 && Saved.Width() == frame.Width &&
             Saved.Height() == frame.Height && !Saved.IsEmpty()) {
    CopyPixels(Saved, {0, 0, frame.Width, frame.Height}, Compose, frame.Left, frame.Top);
    if (IsTransparentFlag)
      CopyPixels(SavedMask, {0, 0, frame.Width, frame.Height}, ComposeMask, frame.Left, frame.Top);
  }
}

void TGIFImage::SetCurrentFrame(int n) {
  if (n == CurrentFrameValue || Frames.empty()) return;
  DisposeFrame(CurrentFrameValue);
  if (n > FrameCount()) n = 1;
  if (n < 1) n = FrameCount();
  CurrentFrameValue = n;
  ComposeFrame(n);
}

// --- Drawing and stepping.

void TGIFImage::Draw(TCanvas& canvas, const TRect& dest, int scrollTop) {
  Drawn = dest;
  ShownInPaint = true;
  if (!Visible || EmptyFlag || ScanOnlyFlag || Frames.empty() || Compose.IsEmpty()) return;
  const TRect shown = dest.Offset(0, -scrollTop);
  if (!IsTransparentFlag) {
    canvas.StretchDraw(shown, Compose);
    return;
  }
  // The mask clears the opaque pixels, and the picture, black where transparent, is ORed in.
  const TColor text = canvas.TextColor(), back = canvas.BackColor();
  canvas.SetTextColor(clBlack);
  canvas.SetBackColor(clWhite);
  canvas.StretchDraw(shown, ComposeMask, ropAnd);
  canvas.StretchDraw(shown, Compose, ropOr);
  canvas.SetTextColor(text);
  canvas.SetBackColor(back);
}

TRect TGIFImage::DrawnRect(int scrollLeft, int scrollTop) const {
  return Drawn.Offset(-scrollLeft, -scrollTop);
}

void TGIFImage::SetAnimate(bool animate) {
  if (animate == Animate) return;
  Animate = animate;
  LoopNumber = 1;
  if (animate && FrameCount() > 1) {
    Interval = std::max(1, Frame(CurrentFrameValue).Delay * 100 / std::max(Speed, 1));
    LastStep = -1;
  }
}

bool TGIFImage::Step(TWindow& window, std::int64_t now, int scrollLeft, int scrollTop) {
  if (!Animate || EmptyFlag || ScanOnlyFlag || Frames.size() < 2) return false;
  if (LastStep < 0) {
    LastStep = now;
    return false;
  }
  if (now - LastStep < Interval) return false;
  LastStep = now;
  if (CurrentFrameValue == FrameCount() && LoopCountValue > 0) {
    if (LoopNumber >= LoopCountValue) {
      Animate = false;
      return false;
    }
    ++LoopNumber;
  }
  SetCurrentFrame(CurrentFrameValue % FrameCount() + 1);
  window.Invalidate(DrawnRect(scrollLeft, scrollTop));
  Interval = std::max(1, Frame(CurrentFrameValue).Delay * 100 / std::max(Speed, 1));
  return true;
}

const TBitmap* TGIFImage::HostPicture() {
  if (EmptyFlag || ScanOnlyFlag || Compose.IsEmpty()) return nullptr;
  HostCopy = std::make_unique<TBitmap>(Compose);
  if (IsTransparentFlag) {
    const TColor background = Frames.front()->HasTransparency ? Frames.front()->TransparentColor
                                                               : clWhite;
    for (int y = 0; y < HostCopy->Height(); ++y)
      for (int x = 0; x < HostCopy->Width(); ++x)
        if (ComposeMask.Pixel(x, y) == clWhite) HostCopy->SetPixel(x, y, background);
  }
  return HostCopy.get();
}

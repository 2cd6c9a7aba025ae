#include "html/document/SectionList.h"

#include <algorithm>

#include "html/document/InlineObjects.h"
#include "html/document/SelectionText.h"
#include "html/forms/FormControlObj.h"
#include "html/forms/HtmlForm.h"
#include "html/images/GIFImage.h"
#include "html/images/ImageCache.h"
#include "html/images/ImageLoad.h"
#include "html/images/MapItem.h"
#include "platform/Canvas.h"
#include "platform/Graphics.h"

TSectionList::TSectionList(TGraphicsFactory& graphics, TriruRedu* viewer)
    : TCell(this), Graphics(graphics), RunFonts(graphics), Viewer(viewer) {}

TSectionList::~TSectionList() { Clear(); }

void TSectionList::Clear() {
  // The image cache owns the background picture; letting go of it is all the list does.
  ReleaseBackground();
  BackgroundImageName.clear();
  BackgroundTried = false;
  AnimatedImages.clear();
  SelectionStart = SelectionEnd = 0;
  ImageMaps.clear();
  PendingImages.clear();
  {
    // Out of every list first, freed after the sections that refer to them and before their
    // forms (HtmlForm.h).
    const TReleasedControls controls = TakeFormControls(*this, nullptr);
    ClearSections();
  }
  Forms.clear();
  RunFonts.Clear();
  FControlsComplete = FControlsSized = FAnimationsStarted = 0;
  ++DocumentNumber;
}

void TSectionList::ReleaseBackground() {
  BackgroundImage = nullptr;
  if (!BackgroundKey.empty()) ImageCache().ReleaseImage(BackgroundKey);
  BackgroundKey.clear();
}

void TSectionList::SetScrollTop(int y) {
  if (y == ScrollTop) return;
  ScrollTop = y;
  ControlsMoved = true;
  for (TInlineControl* control : FormControls) control->Shown = false;
}

void TSectionList::RefreshFonts() {
  RunFonts.BeginRefresh();
  TCell::RefreshFonts();
  RunFonts.EndRefresh();
}

void TSectionList::SetDefaults(const std::string& fontName, const std::string& preFontName,
                               int fontSize, TColor fontColor, TColor hotSpotColor,
                               TColor background) {
  FontName = fontName.substr(0, MaxFontNameLength);
  PreFontName = preFontName.substr(0, MaxFontNameLength);
  FontSize = fontSize;
  FontColor = fontColor;
  HotSpotColor = hotSpotColor;
  SetBackground(background);
  RefreshFonts();
}

void TSectionList::SetBackground(TColor color) {
  Background = color;
  if (OnBackgroundChange) OnBackgroundChange(*this);
}

void TSectionList::SetBackgroundImageName(const std::u32string& name) {
  ReleaseBackground();
  BackgroundImageName = name;
  BackgroundTried = false;
}

const TBitmap* TSectionList::GetBackgroundImage() {
  if (!ImagesEnabled || BackgroundTried || BackgroundImageName.empty() || BackgroundImage)
    return BackgroundImage;
  BackgroundTried = true;
  TTransparency transparency = trNone;
  TLoadedImage loaded = LoadImage(ImageSource, BackgroundImageName, transparency, &Graphics.SvgRenderer());
  if (loaded.Picture.Bitmap) {
    BackgroundImage = loaded.Picture.Bitmap;
    BackgroundKey = loaded.Key;
  } else {
    // An animated GIF is no background; the entry it took is given back at once.
    if (!loaded.Key.empty()) ImageCache().ReleaseImage(loaded.Key);
    if (loaded.Delayed) PendingImages.push_back(TStringBitmapList::KeyOf(BackgroundImageName));
  }
  return BackgroundImage;
}

TMapItem* TSectionList::FindMap(std::u32string_view name) const {
  for (const auto& map : ImageMaps)
    if (map->Name == name) return map.get();
  return nullptr;
}

int TSectionList::HeightAbove(int index) const {
  const auto arranged = Arranged();
  if (arranged.empty()) return 0;
  const std::size_t last = std::min(std::size_t(std::max(index, 0)), arranged.size() - 1);
  int y = 0;
  for (std::size_t i = 0; i < last; ++i) y += arranged[i]->FlowHeight;
  return y;
}

void TSectionList::HideControls() {
  if (FormControls.empty()) return;
  const bool focusInside = std::any_of(FormControls.begin(), FormControls.end(),
                                       [](const TInlineControl* c) { return c->HasFocus(); });
  for (TInlineControl* control : FormControls) {
    if (control->Shown) continue;
    if (focusInside)
      control->MoveOutOfSight();
    else
      control->Hide();
  }
}

void TSectionList::PlaceControls(int x, int viewHeight) {
  ViewHeight = viewHeight;
  PageLeft = x;
  ControlsMoved = false;
  for (TInlineControl* control : FormControls) {
    const int top = control->LayoutTop - ScrollTop;
    control->Shown = top + control->Height() > 0 && top < viewHeight;
    if (control->Shown) control->Place(x + control->LayoutX - ScrollLeft, top, Background);
  }
  HideControls();
}

int TSectionList::Arrange(TCanvas& canvas, int y, int width, int& maxWidth, int& curs) {
  AnimationTimerEnabled = false;
  for (const auto& form : Forms)
    for (const auto& control : form->ControlList) control->SetSize(canvas);
  // A control whose section is not laid out (a dropped table's) stays out of view.
  for (TInlineControl* control : FormControls) control->LayoutTop = TInlineControl::NotLaidOut;
  ++LayoutGeneration;
  const int height = TCell::Arrange(canvas, y, width, maxWidth, curs);
  // Positions moved: an animation steps again once its picture is drawn where it now is.
  RestartAnimations(0);
  AnimationTimerEnabled = !AnimatedImages.empty();
  HideControls();
  // The windows have new places; the next draw puts them there unless PlaceControls does.
  ControlsMoved = true;
  return height;
}

void TSectionList::RestartAnimations(std::size_t from) {
  for (std::size_t i = from; i < AnimatedImages.size(); ++i) {
    TGIFImage* image = AnimatedImages[i];
    image->ShownInPaint = false;
    image->SetCurrentFrame(1);
    image->SetAnimate(false);
    image->SetAnimate(true);
  }
}

void TSectionList::SectionAdded() { FControlsComplete = FormControls.size(); }

void TSectionList::StartArrange(int y, int width) {
  AnimationTimerEnabled = false;
  for (TInlineControl* control : FormControls) control->LayoutTop = TInlineControl::NotLaidOut;
  ++LayoutGeneration;
  FFlowHeight = 0;
  FMaxWidth = 0;
  FControlsSized = 0;
  FAnimationsStarted = 0;
  BeginArrange(y, width, 0);
  ControlsMoved = true;
}

bool TSectionList::ArrangeNext(TCanvas& canvas) {
  if (!Waiting()) return false;
  // A control is measured once complete (a list counts its options), before the section that
  // holds it is laid out, as Arrange measures every control first.
  for (; FControlsSized < std::min(FControlsComplete, FormControls.size()); ++FControlsSized)
    if (auto* control = dynamic_cast<TFormControlObj*>(FormControls[FControlsSized]))
      control->SetSize(canvas);
  const std::size_t controls = FormControls.size();
  ArrangeSection(canvas, FFlowHeight, FMaxWidth);
  // A dropped section takes its controls, all measured already, and its animations with it.
  const std::size_t dropped = controls - FormControls.size();
  FControlsSized -= dropped;
  FControlsComplete -= dropped;
  FAnimationsStarted = std::min(FAnimationsStarted, AnimatedImages.size());
  RestartAnimations(FAnimationsStarted);
  FAnimationsStarted = AnimatedImages.size();
  AnimationTimerEnabled = !AnimatedImages.empty();
  ControlsMoved = true;
  return true;
}

int TSectionList::Render(TCanvas& canvas, const TRect& clip, int clipWidth, int x, int y) {
  AnimationTimerEnabled = false;
  PageLeft = x;
  const TPoint origin = canvas.Origin();
  struct TOriginBack {
    TCanvas& Canvas;
    TPoint Origin;
    ~TOriginBack() { Canvas.SetOrigin(Origin); }
  } originBack{canvas, origin};
  canvas.SetOrigin({origin.X + ScrollLeft, origin.Y});
  const int bottom = TCell::Render(canvas, clip.Offset(ScrollLeft, 0), clipWidth, x, y);
  // A draw may cover only part of the view; the controls are placed for the whole of it.
  // Without a view (tools, tests) the draw's clip stands for it.
  if (ControlsMoved) PlaceControls(x, ViewHeight > 0 ? ViewHeight : clip.Bottom);
  AnimationTimerEnabled = !AnimatedImages.empty();
  return bottom;
}

void TSectionList::GatherSelection(SelTextBuf& buffer) {
  // Clipboard must not outlive the buffer, also when a section fails while copying.
  struct TBufferInUse {
    TSectionList& Document;
    ~TBufferInUse() { Document.Clipboard = nullptr; }
  } inUse{*this};
  Clipboard = &buffer;
  CopySelection();
  buffer.Finish();
}

std::u32string TSectionList::SelectedText() {
  if (SelectionStart >= SelectionEnd) return {};
  SelTextBuf buffer;
  GatherSelection(buffer);
  return std::move(buffer.Text);
}

void TSectionList::CopyToClipboard(TClipboard& clipboard) {
  if (SelectionStart >= SelectionEnd) return;
  ClipBuffer buffer(clipboard);
  GatherSelection(buffer);
}

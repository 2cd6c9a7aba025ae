#include "html/document/SectionList.h"

#include <algorithm>

#include "html/document/InlineObjects.h"
#include "html/document/SelectionText.h"
#include "platform/Canvas.h"

TSectionList::TSectionList(TGraphicsFactory& graphics, TriruRedu* viewer)
    : TCell(this), Graphics(graphics), Viewer(viewer) {}

TSectionList::~TSectionList() { Clear(); }

void TSectionList::Clear() {
  // The image cache owns the background picture; letting go of it is all the list does.
  BackgroundImage = nullptr;
  BackgroundImageName.clear();
  BackgroundTried = false;
  FormControls.clear();
  AnimatedImages.clear();
  SelectionStart = SelectionEnd = 0;
  ClearSections();
}

void TSectionList::SetScrollTop(int y) {
  if (y == ScrollTop) return;
  ScrollTop = y;
  ControlsMoved = true;
  for (TInlineControl* control : FormControls) control->Shown = false;
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
  BackgroundImage = nullptr;
  BackgroundImageName = name;
  BackgroundTried = false;
}

int TSectionList::HeightAbove(int index) const {
  if (Sections.empty()) return 0;
  const std::size_t last = std::min(std::size_t(std::max(index, 0)), Sections.size() - 1);
  int y = 0;
  for (std::size_t i = 0; i < last; ++i) y += Sections[i]->FlowHeight;
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

int TSectionList::Arrange(TCanvas& canvas, int y, int width, int& maxWidth, int& curs) {
  AnimationTimerEnabled = false;
  ++LayoutGeneration;
  const int height = TCell::Arrange(canvas, y, width, maxWidth, curs);
  AnimationTimerEnabled = !AnimatedImages.empty();
  HideControls();
  return height;
}

int TSectionList::Render(TCanvas& canvas, const TRect& clip, int clipWidth, int x, int y) {
  AnimationTimerEnabled = false;
  const TPoint origin = canvas.Origin();
  struct TOriginBack {
    TCanvas& Canvas;
    TPoint Origin;
    ~TOriginBack() { Canvas.SetOrigin(Origin); }
  } originBack{canvas, origin};
  canvas.SetOrigin({origin.X + ScrollLeft, origin.Y});
  const int bottom = TCell::Render(canvas, clip.Offset(ScrollLeft, 0), clipWidth, x, y);
  if (ControlsMoved) {
    HideControls();
    ControlsMoved = false;
  }
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

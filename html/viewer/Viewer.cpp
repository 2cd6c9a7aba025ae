// The viewer's make-up: construction, the window notifications it receives, and its
// properties.
#include "html/viewer/Viewer.h"

#include <algorithm>

#include "html/document/MyFont.h"
#include "html/document/SectionList.h"
#include "html/images/ImageCache.h"
#include "html/images/ImageSource.h"
#include "html/images/ScreenColors.h"
#include "html/support/LetterCase.h"
#include "html/viewer/LinkPath.h"
#include "platform/FormControls.h"
#include "platform/Graphics.h"
#include "platform/Windowing.h"

namespace {

constexpr int AutoScrollInterval = 100;
constexpr int AnimationInterval = 50;

}  // namespace

// The drawing panel's notifications, passed to the viewer.
class TriruRedu::TPanelEvents : public TWindowEvents {
 public:
  explicit TPanelEvents(TriruRedu& viewer) : Viewer(viewer) {}

  void Paint(TCanvas& canvas, const TRect& area) override {
    Viewer.PaintBackground(canvas, area);
    Viewer.PanelPaint(canvas, area);
  }
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
    Viewer.PanelMouseDown(button, shift, x, y);
  }
  void MouseMove(TShiftState shift, int x, int y) override { Viewer.PanelMouseMove(shift, x, y); }
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override {
    Viewer.PanelMouseUp(button, shift, x, y);
  }
  void DoubleClick(TMouseButton button, TShiftState, int x, int y) override {
    Viewer.PanelDoubleClick(button, x, y);
  }
  bool KeyDown(TKey key, TShiftState shift) override { return Viewer.PanelKeyDown(key, shift); }
  bool Wheel(int delta, TShiftState, int, int) override { return Viewer.PanelWheel(delta); }
  void FocusIn() override { Viewer.DrawBorder(); }
  void FocusOut() override { Viewer.DrawBorder(); }

 private:
  TriruRedu& Viewer;
};

// The host window's notifications: its size, its focus and the border it shows.
class TriruRedu::THostEvents : public TWindowEvents {
 public:
  explicit THostEvents(TriruRedu& viewer) : Viewer(viewer) {}

  void Paint(TCanvas& canvas, const TRect& area) override { Viewer.PaintHost(canvas, area); }
  void Resized() override { Viewer.Resized(); }
  // The panel is where keys and the caret live; a host that is given the focus hands it on.
  void FocusIn() override { Viewer.FPanel->SetFocus(); }

 private:
  TriruRedu& Viewer;
};

// How the document's image sources lead to pictures: the host's OnImageRequest when it has
// one, else files named by the viewer's link expansion.
class TriruRedu::TImageRequests : public TImageSource {
 public:
  explicit TImageRequests(TriruRedu& viewer) : Viewer(viewer) {}

  bool AnswersImageRequests() const override { return bool(Viewer.OnImageRequest); }
  const TMemoryStream* RequestImage(const std::u32string& source) override {
    const TMemoryStream* stream = nullptr;
    if (Viewer.OnImageRequest) Viewer.OnImageRequest(&Viewer, source, stream);
    return stream;
  }
  std::string ImageFileName(std::u32string_view source) const override {
    return Viewer.ExpandLink(source);
  }

 private:
  TriruRedu& Viewer;
};

TriruRedu::TriruRedu(TWindowing& windowing, TWindow& host)
    : FWindowing(windowing),
      FHost(host),
      FDefBackground(DefaultBackground),
      FDefFontName(DefaultFontName),
      FDefPreFontName(DefaultPreFontName),
      FDefFontSize(DefaultFontSize),
      FDefFontColor(DefaultFontColor),
      FDefHotSpotColor(DefaultHotSpotColor),
      FCharSet(DefaultCharSet),
      FPanelColor(DefaultBackground) {
  FPanelEvents = std::make_unique<TPanelEvents>(*this);
  FHostEvents = std::make_unique<THostEvents>(*this);

  FPanel = windowing.CreateWindow(host);
  FPanel->SetCursor(crIBeam);
  FVScrollBar = windowing.CreateScrollBar(host, sbVertical);
  FVScrollBar->SetSmallChange(TScrollGeometry::VerticalSmallChange);
  FVScrollBar->OnScroll = [this](TScrollCode code, int& position) { VScroll(code, position); };
  FScroll.BarBreadth = FVScrollBar->Thickness();
  FHScrollBar = windowing.CreateScrollBar(host, sbHorizontal);
  FHScrollBar->SetSmallChange(TScrollGeometry::HorizontalSmallChange);
  FHScrollBar->OnScroll = [this](TScrollCode code, int& position) { HScroll(code, position); };
  FAutoScrollTimer = windowing.CreateTimer();
  FAutoScrollTimer->SetInterval(AutoScrollInterval);
  FAutoScrollTimer->OnTimer = [this] { AutoScrollStep(); };
  FAnimationTimer = windowing.CreateTimer();
  FAnimationTimer->SetInterval(AnimationInterval);
  FAnimationTimer->OnTimer = [this] { StepAnimations(); };
  SetDisplayColorBits(windowing.Graphics().Screen().ColorBits);
  FImageRequests = std::make_unique<TImageRequests>(*this);

  FMeasureBitmap = std::make_unique<TBitmap>(1, 1);
  FMeasureCanvas = windowing.Graphics().CanvasFor(*FMeasureBitmap);

  FSections = std::make_unique<TSectionList>(windowing.Graphics(), this);
  FSections->OnBackgroundChange = [this](TSectionList&) { BackgroundChanged(); };
  FSections->OnProcessError = [this](const std::string& message) {
    FWindowing.MessageBox(message, "Error", mkError, bsOk);
  };
  FFormControls = windowing.CreateFormControls(*FPanel);
  FSections->ControlFactory = FFormControls.get();
  FSections->OnFormSubmit = [this](const std::u32string& action, const std::u32string& target,
                                   const std::u32string& encType, const std::u32string& method,
                                   TStringList results) {
    QueueFormSubmit(action, target, encType, method, std::move(results));
  };
  FSections->OnObjectClick = [this](TFormControlObj& control, const std::u32string& onClick) {
    if (OnObjectClick) OnObjectClick(this, &control, onClick);
  };
  FSections->OnControlEnter = [this](TInlineControl& control) { ScrollControlIntoView(control); };
  FSections->OnSectionDropped = [this](const TSectionBase& section) {
    FAnchorList.RemoveWithin(section);
  };
  FSections->ImagesEnabled = FViewImages;
  FSections->ImageSource = FImageRequests.get();
  FSections->CharSet = FCharSet;
  FSections->SetDefaults(FDefFontName, FDefPreFontName, DocumentFontSize(), FDefFontColor,
                         FDefHotSpotColor, FDefBackground);

  FPanel->SetEvents(FPanelEvents.get());
  FHost.SetEvents(FHostEvents.get());
  FPanel->SetVisible(true);
  FScroll.SetLaidOutWidth(FHost.Width());
  LayoutDocument();
}

TriruRedu::~TriruRedu() {
  // The builder lets go of the document before anything else goes; no host hears of it.
  if (FLoad) FLoad->Cancel();
  FLoad.reset();
  FAutoScrollTimer->SetEnabled(false);
  FAnimationTimer->SetEnabled(false);
  FHost.SetEvents(nullptr);
  FPanel->SetEvents(nullptr);
  FVScrollBar->OnScroll = nullptr;
  FHScrollBar->OnScroll = nullptr;
}

// --- Processing and relayout.

void TriruRedu::SetProcessing(bool value) {
  if (FProcessing == value) return;
  FProcessing = value;
  if (OnProcessing) OnProcessing(this, value);
}

std::uint64_t TriruRedu::CurrentDocument() const { return FSections->DocumentNumber; }

void TriruRedu::LayoutKeepingPosition() {
  const std::int64_t position = DocPosition();
  LayoutDocument();
  SetDocPosition(position);
}

void TriruRedu::RelayoutKeepPosition() {
  if (FProcessing) return;
  TProcessingScope processing(*this);
  LayoutKeepingPosition();
}

void TriruRedu::ChangeLayout(const std::function<void()>& change) {
  TBusyCursor busy(FWindowing);
  TProcessingScope processing(*this);
  change();
  if (FSections->Count() > 0) {
    LayoutKeepingPosition();
    InvalidatePanel();
  }
}

// The default fonts or colours changed: let the sections take them again.
void TriruRedu::RefreshDefaults(bool relayout) {
  // The builder's open sections would keep fonts that the refresh lets go of.
  if (Building()) {
    FDefaultsDue = true;
    FRelayoutDue = FRelayoutDue || relayout;
    return;
  }
  FSections->RefreshFonts();
  if (relayout && FSections->Count() > 0) RelayoutKeepPosition();
  InvalidatePanel();
}

// --- Properties.

void TriruRedu::SetViewImages(bool value) {
  if (value == FViewImages) return;
  FinishLoadFirst();
  if (FProcessing) return;
  // The relayout measures the images that are now shown or hidden, fetching those that were
  // never shown.
  ChangeLayout([&] {
    FViewImages = value;
    FSections->ImagesEnabled = value;
    FSections->GetBackgroundImage();
  });
}

void TriruRedu::SetUsePageStyles(bool value) {
  if (value == FUsePageStyles || FProcessing) return;
  FUsePageStyles = value;
  ReloadDocument();
}

void TriruRedu::SetDefBackground(TColor value) {
  FinishLoadFirst();
  if (FProcessing) return;
  FDefBackground = value;
  FSections->Background = value;  // without the change handler: the panel is set right here
  FPanelColor = value;
  InvalidatePanel();
}

void TriruRedu::SetBorderStyle(THTMLBorderStyle value) {
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  FScroll.Bordered = value != htNone;
  // The border's breadth moves the panel, so the bars are arranged again with it.
  ArrangeScrollBars();
  DrawBorder();
}

void TriruRedu::SetHistoryMaxCount(int value) {
  if (value == FHistoryMaxCount || value < 0) return;
  if (value < FHistoryMaxCount) ClearHistory();
  FHistoryMaxCount = value;
}

void TriruRedu::SetDefFontName(const std::string& value) {
  const std::string name = value.substr(0, MaxFontNameLength);
  if (EqualsIgnoringCase(name, FSections->FontName)) return;
  FinishLoadFirst();
  FDefFontName = name;
  FSections->FontName = name;
  RefreshDefaults(true);
}

void TriruRedu::SetDefPreFontName(const std::string& value) {
  const std::string name = value.substr(0, MaxFontNameLength);
  if (EqualsIgnoringCase(name, FSections->PreFontName)) return;
  FinishLoadFirst();
  FDefPreFontName = name;
  FSections->PreFontName = name;
  RefreshDefaults(true);
}

void TriruRedu::SetDefFontSize(int value) {
  FinishLoadFirst();
  // Sizes past the upper bound would overflow the pixel arithmetic of the fonts.
  FDefFontSize = std::clamp(value, MinFontSize, MaxFontSize);
  FSections->FontSize = DocumentFontSize();
  RefreshDefaults(true);
}

int TriruRedu::DocumentFontSize() const {
  return std::clamp(MulDiv(FDefFontSize, FZoom, 100), 1, MaxFontSize);
}

void TriruRedu::SetZoom(int percent) {
  percent = std::clamp(percent, MinZoom, MaxZoom);
  if (percent == FZoom) return;
  FinishLoadFirst();
  if (FProcessing) return;
  TBusyCursor busy(FWindowing);
  TProcessingScope processing(*this);
  ChangeKeepingProportion([&] {
    FZoom = percent;
    FSections->FontSize = DocumentFontSize();
    FSections->RefreshFonts();
  });
  InvalidatePanel();
}

void TriruRedu::ChangeKeepingProportion(const std::function<void()>& change) {
  // Measured before the change, which alters the heights of spacing sections at once.
  const int y = VScrollPos();
  int top = 0, index = 0;
  const TSectionBase* section = FSections->SectionAtY(y, top, index);
  const int oldHeight = section ? section->FlowHeight : 0;
  change();
  if (FSections->Count() == 0) return;
  LayoutDocument();
  if (!section || std::size_t(index) >= FSections->Count()) {
    ApplyVPos(y);
    return;
  }
  const int newHeight = (*FSections)[std::size_t(index)].FlowHeight;
  const int offset = oldHeight > 0 ? MulDiv(y - top, newHeight, oldHeight) : 0;
  ApplyVPos(FSections->HeightAbove(index) + offset);
}

void TriruRedu::SetDefFontColor(TColor value) {
  FinishLoadFirst();
  FDefFontColor = value;
  FSections->FontColor = value;
  RefreshDefaults(false);
}

void TriruRedu::SetDefHotSpotColor(TColor value) {
  FinishLoadFirst();
  FDefHotSpotColor = value;
  FSections->HotSpotColor = value;
  RefreshDefaults(false);
}

void TriruRedu::SetImageCacheCount(int value) {
  value = std::clamp(value, 0, MaxImageCacheCount);
  if (value == FImageCacheCount) return;
  FImageCacheCount = value;
  ImageCache().SetCacheLimit(value);
}

void TriruRedu::SetNoSelect(bool value) {
  if (value == FNoSelect) return;
  FNoSelect = value;
  if (value) {
    FSections->SelectionStart = -1;
    FSections->SelectionEnd = -1;
    InvalidatePanel();
  }
}

void TriruRedu::SetScrollBars(TScrollStyle value) {
  if (value == FScroll.Bars) return;
  FinishLoadFirst();
  FScroll.Bars = value;
  // A load under way lays the document out with the new style itself.
  if (FProcessing) return;
  {
    TProcessingScope processing(*this);
    LayoutDocument();
    ApplyVPos(VScrollPos());
  }
  InvalidatePanel();
}

void TriruRedu::SetCharSet(int value) {
  FinishLoadFirst();
  FCharSet = value;
  FSections->CharSet = value;
  RefreshDefaults(true);
}

void TriruRedu::SetMarginHeight(int value) {
  if (value == FScroll.MarginHeight || value < 0 || value > MaxMargin) return;
  FinishLoadFirst();
  if (FProcessing) return;
  ChangeLayout([&] { FScroll.MarginHeight = value; });
}

void TriruRedu::SetMarginWidth(int value) {
  if (value == FScroll.MarginWidth || value < 0 || value > MaxMargin) return;
  FinishLoadFirst();
  if (FProcessing) return;
  ChangeLayout([&] { FScroll.MarginWidth = value; });
}

void TriruRedu::SetServerRoot(const std::string& value) {
  FServerRoot = TrimControls(value);
  if (!FServerRoot.empty() && FServerRoot.back() == '/') FServerRoot.pop_back();
}

void TriruRedu::InvalidatePanel() { FPanel->Invalidate(); }

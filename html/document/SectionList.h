#pragma once
// The document root: the top-level sections of a page and everything that belongs to the
// page as a whole (default fonts and colours, background, selection, scroll offset, form
// controls, animated images). One lives as long as its viewer and is cleared and refilled for
// every document; the defaults persist.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "html/document/Cell.h"
#include "html/document/FontObj.h"
#include "html/document/LineBreaking.h"
#include "platform/Color.h"
#include "platform/Font.h"

class SelTextBuf;
class TBitmap;
class TClipboard;
class TGIFImage;
class TGraphicsFactory;
class TFormControlFactory;
class TFormControlObj;
class ThtmlForm;
class TImageSource;
class TMapItem;
class TriruRedu;

// The viewer's defaults.
inline constexpr int DefaultFontSize = 12;
inline constexpr const char* DefaultFontName = "Times New Roman";
inline constexpr const char* DefaultPreFontName = "Courier New";
inline constexpr TColor DefaultFontColor = clBtnText;
inline constexpr TColor DefaultHotSpotColor = clBlue;
inline constexpr TColor DefaultBackground = clBtnFace;
// Longest default face name kept.
inline constexpr std::size_t MaxFontNameLength = 33;

class TSectionList : public TCell {
 public:
  // graphics realises and measures the document's fonts; it must outlive the list.
  explicit TSectionList(TGraphicsFactory& graphics, TriruRedu* viewer = nullptr);
  ~TSectionList() override;

  TGraphicsFactory& Graphics;
  TFontTable RunFonts;             // the fonts of every text run of the page
  TLineBreaker LineBreaker;        // breaks the lines of scripts written without spaces
  int FontSize = DefaultFontSize;  // default font size in points
  bool ImagesEnabled = true;
  // Counts the page's layouts; Arrange starts a new one. A table keeps the generation and the
  // available width of its last full layout (ThtmlTable::ArrangedGeneration, ArrangedAvail):
  // laid out again in the same generation at the same width, as a nested table is when the
  // table around it places its cells after measuring their heights, it only places its cells
  // again, keeping its column widths and row heights. So whatever changes the size of a
  // table's content (fonts, pictures, control sizes, the content itself) must start a new
  // generation before the next layout, which TSectionList::Arrange does; code that lays a
  // table out by itself, not through the document, must start one too.
  int LayoutGeneration = 0;
  // Counts the pages the list has held: Clear starts a new one. A host's event handler may
  // open another page; whoever fires one and goes on afterwards compares this before and
  // after it (Viewer.h).
  std::uint64_t DocumentNumber = 0;
  int ScrollTop = 0;               // change it through SetScrollTop
  int ScrollLeft = 0;              // horizontal scroll, applied by Render
  bool ControlsMoved = false;      // ScrollTop changed since the last draw
  int SelectionStart = 0;          // the selection is empty unless start < end
  int SelectionEnd = 0;
  std::string FontName = DefaultFontName;
  std::string PreFontName = DefaultPreFontName;
  TColor FontColor = DefaultFontColor;
  TColor HotSpotColor = DefaultHotSpotColor;
  int CharSet = DefaultCharSet;
  TriruRedu* Viewer;
  TColor Background = DefaultBackground;  // change it through SetBackground
  // Called with the list whenever Background is set.
  std::function<void(TSectionList&)> OnBackgroundChange;
  // Called with the message of a section that failed to lay out (a table with too many
  // columns); the section is then dropped.
  std::function<void(const std::string& message)> OnProcessError;
  // Called with a section that layout drops, just before it is freed with everything inside
  // it: whoever points at sections (the anchor list) lets go of them here.
  std::function<void(const TSectionBase& section)> OnSectionDropped;
  const TBitmap* BackgroundImage = nullptr;  // owned by the image cache
  std::u32string BackgroundImageName;
  bool BackgroundTried = false;
  // Where image sources lead (ImageSource.h); the viewer's, not owned. Without one, sources
  // are file names as they stand.
  TImageSource* ImageSource = nullptr;
  std::vector<TGIFImage*> AnimatedImages;     // not owned
  // The client-side image maps whose end tag was found, in document order.
  std::vector<std::unique_ptr<TMapItem>> ImageMaps;
  // The sources the host answered "not yet" for (as cache keys): further images of these
  // sources wait too, without asking again. Emptied with the document.
  std::vector<std::u32string> PendingImages;
  std::vector<TInlineControl*> FormControls;  // all form controls of the page; not owned
  std::vector<std::unique_ptr<ThtmlForm>> Forms;  // the page's forms, which own the controls
  // Makes the windows of form controls; without one the builder leaves form controls out.
  TFormControlFactory* ControlFactory = nullptr;
  // A form was submitted; the handler owns results.
  std::function<void(const std::u32string& action, const std::u32string& target,
                     const std::u32string& encType, const std::u32string& method,
                     std::vector<std::u32string> results)>
      OnFormSubmit;
  // A button, check box or radio button was clicked; onClick is its ONCLICK.
  std::function<void(TFormControlObj& control, const std::u32string& onClick)> OnObjectClick;
  // A form control took the keyboard focus.
  std::function<void(TInlineControl& control)> OnControlEnter;
  // Height of the view the controls are placed in (the last PlaceControls).
  int ViewHeight = 0;
  // x of the page's left edge in the last draw or PlaceControls; a control's LayoutX counts
  // from it.
  int PageLeft = 0;
  // The 50 ms animation timer runs only while this is set: off during layout and drawing, on
  // afterwards when the page has animated images. The viewer's timer follows it.
  bool AnimationTimerEnabled = false;
  // The buffer the sections' CopySelection appends to; set only while a copy runs.
  SelTextBuf* Clipboard = nullptr;

  // Forgets the background image, the controls, the animated images and the selection, and
  // frees all sections; a new DocumentNumber begins. The defaults stay.
  void Clear();
  void SetScrollTop(int y);
  // Lets every section take the defaults again, each run with a font of the table anew.
  void RefreshFonts();
  // Stores the defaults (names cut to 33 characters), sets the background and lets every
  // section re-apply them.
  void SetDefaults(const std::string& fontName, const std::string& preFontName, int fontSize,
                   TColor fontColor, TColor hotSpotColor, TColor background);
  void SetBackground(TColor color);
  void SetBackgroundImageName(const std::u32string& name);
  // The background picture: fetched (once per document, while images are shown) when the
  // page names one; only a plain bitmap counts. Null when there is none.
  const TBitmap* GetBackgroundImage();
  // The first map whose Name equals name exactly, or null.
  TMapItem* FindMap(std::u32string_view name) const;
  // The y at which the top-level section with this index starts.
  int HeightAbove(int index) const;
  // Hides the form controls the last draw did not place (or moves them out of sight while
  // one of them has the keyboard focus).
  void HideControls();
  // Places every form control whose window lies in the view of viewHeight pixels from
  // ScrollTop, x being the left edge of the page in the view, and hides the others: the
  // controls of the whole visible band, whatever a paint happens to redraw. Run after every
  // layout, scroll and resize.
  void PlaceControls(int x, int viewHeight);

  // --- The selection as text, as laid out by the last Arrange. Lines keep their end as a line
  // break, and a line whose start is selected keeps its indentation as three spaces for every
  // whole 35 pixels; images and form controls are left out. Nothing is cut, however long.
  // The selected text; empty when the selection is empty.
  std::u32string SelectedText();
  // Puts the selected text on clipboard as plain text; leaves the clipboard alone when the
  // selection is empty.
  void CopyToClipboard(TClipboard& clipboard);

  // Lays out the whole page for the width; returns its height. Animated images start again
  // from their first frame.
  int Arrange(TCanvas& canvas, int y, int width, int& maxWidth, int& curs) override;

  // --- Laying the page out while the builder still adds to it (ProgressiveLoad.h).
  // StartArrange begins a layout of the page as Arrange does, but lays out nothing: each
  // ArrangeNext lays out the next section not laid out yet. Sections are laid out once each,
  // in order, with what a whole layout carries from one to the next (floats, indents, cursor
  // positions), and a table is added to the page only once complete, so when every section is
  // laid out the page is the one Arrange gives. The draw and the queries see the sections laid
  // out (ArrangedCount).
  void StartArrange(int y, int width);
  // Lays out the next section, if one waits; false when none does. The form controls of the
  // sections added so far are measured first, and animations fetched on the way start from
  // their first frame.
  bool ArrangeNext(TCanvas& canvas);
  bool Waiting() const { return ArrangedCount() < Count(); }
  // Height and widest line of the sections laid out since StartArrange, as Arrange answers
  // them for the whole page.
  int ArrangedHeight() const { return TCell::ArrangedHeight(FFlowHeight); }
  int ArrangedWidth() const { return FMaxWidth; }
  // Draws the band of the page inside clip (panel coordinates) with the page's left edge at
  // document x: the canvas origin moves by ScrollLeft for the pass, so sections draw and
  // remember document x.
  int Render(TCanvas& canvas, const TRect& clip, int clipWidth, int x, int y) override;

 protected:
  void SectionAdded() override;

 private:
  // Lets the top-level sections copy their part of a non-empty selection into buffer, then
  // finishes it.
  void GatherSelection(SelTextBuf& buffer);
  // Animations restart from their first frame once laid out, from this index of
  // AnimatedImages on.
  void RestartAnimations(std::size_t from);
  // Lets go of the background picture's cache entry.
  void ReleaseBackground();

  std::u32string BackgroundKey;  // the cache entry the background holds; empty for none
  // The layout StartArrange began: its flow height and widest line so far; the form controls
  // measured; the controls whose sections are complete (made before the last section added);
  // the animations started.
  int FFlowHeight = 0;
  int FMaxWidth = 0;
  std::size_t FControlsSized = 0;
  std::size_t FControlsComplete = 0;
  std::size_t FAnimationsStarted = 0;
};

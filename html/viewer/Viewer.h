#pragma once
// TriruRedu: the HTML viewing control. A host gives it a window to live in, sets its
// properties and event handlers, and calls its operations: open an HTML, text or image file,
// show HTML held in memory, reload, clear, follow the history, select, copy and find.
//
// The viewer owns the document (a TSectionList), its drawing panel and two scroll bars (made
// through the windowing inside the host window), the anchor list and the history. It lays the
// document out for the panel's width, paints the visible band, and turns mouse and key input
// into selection, scrolling, link following and events for the host.
// The scroll arithmetic (ScrollGeometry.h) and what the mouse handlers keep between events
// (MouseState.h) are classes of their own that know no windows.
//
// Strings: file names are UTF-8 paths (std::string); text that comes from a document (titles,
// link URLs, anchor names, META values) is Unicode (std::u32string).
//
// Everything runs on the GUI thread. Handlers receive the viewer as sender. While a load or
// relayout is under way (Processing(); a load in slices is under way inside its slices only,
// see "Loading in slices" below), most setters and operations do nothing, so a handler called
// during a load cannot start another one.
//
// Host events: one rule for every event. A handler may call any of the viewer's operations,
// opening another page or clearing this one included, and the viewer stays sound:
// - What an event hands over is the viewer's own copy (strings, numbers,
//   TRightClickParameters), except the page's objects (an image, a form control), which stay
//   valid until the handler returns or changes the page, whichever comes first. A handler that
//   opened another page uses the old page's objects no more.
// - After a handler returns, the viewer checks that the page is still the one the event came
//   from (the document's DocumentNumber); when it is not, it does nothing more with that input
//   or operation: no later event of it fires and nothing of the old page is read again. The
//   bookkeeping of the mouse buttons alone goes on.
// - Form submissions are posted: OnFormSubmit fires once the input under way has been handled.
//   OnMetaRefresh fires last of all, after the history has been recorded.
// - Handlers called while Processing() is on (OnProcessing as it turns on, OnInclude, OnMeta,
//   OnScript, OnSoundRequest, OnImageRequest, and OnHistoryChange as a load records the page
//   it left) cannot change the page: the operations that would do nothing then. OnProcessing
//   as it turns off comes after the load and its history entry are complete.
// - A handler never destroys the viewer; a host that wants it gone posts that.
//
// Loading in slices. With ProgressiveLoading set, OpenHtmlFile and OpenTextFile (also when
// ReloadDocument, the history or a link call them) return once the load has begun. The page is
// then built and laid out in slices that the event loop runs one at a time (ProgressiveLoad.h),
// each within the budget of SetSlicePacing, and in between the window scrolls, repaints and
// takes input. For the host:
// - Processing() is on, and OnProcessing has said so, from the start of the load until no slice
//   remains; then OnProcessing reports false, and OnMetaRefresh follows when the page asks.
// - The panel keeps what it showed until the page is laid out far enough to fill it at the place
//   it opens at (its top, the anchor named, or the position ReloadDocument and the history give
//   back); from then on it shows the part laid out, and the vertical range grows with it while
//   the position stays where it is. DocumentHeight, DocPosition, the selection and the hit
//   tests concern the part laid out.
// - These cancel the load and go on: the open operations (OpenHtmlBuffer and OpenImageFile too),
//   ReloadDocument, ClearDocument, and SetHistoryIndex to an entry of another document.
// - These finish the load first, at once and with the busy cursor: SelectAllText, FindNextText
//   when the part laid out holds no further match, ScrollToAnchor with a name the page has not
//   named yet, the End key, PrintDocument, and the setters that lay the page out again or give it
//   other defaults (ViewImages, DefBackground, the default faces, size and colours, CharSet,
//   Zoom, ScrollBars, MarginHeight, MarginWidth).
// - SetDocPosition and ScrollToAnchor to a place that is not laid out yet move the view there
//   once it is. A change of width lays the page out again from its top in the slices that
//   follow, keeping the reading position.
// - Everything else works on the part laid out; CopySelectedText never needs more, since a
//   selection lies in that part.
// - Between slices the load holds nothing: input, and the handlers it calls, act as above. Inside
//   a slice, that is in a handler the parse or the layout calls (OnMeta, OnInclude, OnScript,
//   OnSoundRequest, OnImageRequest, a message box), Processing() is on as the host-event rule
//   says and the operations that would change the page do nothing, as during a load in one go;
//   new default faces, sizes, colours and character sets are taken when the load ends.

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "html/builder/AnchorList.h"
#include "html/builder/Builder.h"
#include "html/builder/PageStyleOptions.h"
#include "html/builder/ParseHandlers.h"
#include "html/images/ImageTypes.h"
#include "html/parser/Tokenizer.h"
#include "html/viewer/History.h"
#include "html/viewer/MouseState.h"
#include "html/viewer/PendingPlace.h"
#include "html/viewer/ProgressiveLoad.h"
#include "html/viewer/ScrollGeometry.h"
#include "platform/Color.h"
#include "platform/Input.h"
#include "platform/ScrollBar.h"
#include "platform/Window.h"

class TCanvas;
class TFormControlFactory;
class TFormControlObj;
class TInlineControl;
class TInlineImage;
class TSectionList;
class TTimer;
class TWindowing;

enum THTMLBorderStyle { htFocused, htNone, htSingle };

// What lies under the pointer when the right button is released; fields not found stay
// empty, null and 0.
struct TRightClickParameters {
  std::u32string Url;
  std::u32string Target;
  TInlineImage* ImageObj = nullptr;
  int ImageX = 0;  // the pointer within the image
  int ImageY = 0;
};

class TriruRedu {
 public:
  // Event types. Each handler receives the viewer as sender.
  using TNotifyEvent = std::function<void(TriruRedu* sender)>;
  using THotSpotEvent = std::function<void(TriruRedu* sender, const std::u32string& src)>;
  // Setting handled stops the viewer's own handling of the click.
  using THotSpotClickEvent =
      std::function<void(TriruRedu* sender, const std::u32string& src, bool& handled)>;
  using TProcessingEvent = std::function<void(TriruRedu* sender, bool processingOn)>;
  using TMetaRefreshEvent =
      std::function<void(TriruRedu* sender, int delay, const std::u32string& url)>;
  // The handler owns results: one "name=value" entry per submitted control.
  using TFormSubmitEvent = std::function<void(
      TriruRedu* sender, const std::u32string& action, const std::u32string& target,
      const std::u32string& encType, const std::u32string& method, TStringList results)>;
  // A form button, check box or radio button was clicked; onClick is its ONCLICK.
  using TObjectClickEvent = std::function<void(TriruRedu* sender, TFormControlObj* obj,
                                               const std::u32string& onClick)>;
  // x and y are the pointer within the image.
  using TImageClickEvent = std::function<void(TriruRedu* sender, TInlineImage* obj,
                                              TMouseButton button, TShiftState shift, int x,
                                              int y)>;
  using TImageOverEvent = std::function<void(TriruRedu* sender, TInlineImage* obj,
                                             TShiftState shift, int x, int y)>;
  using TRightClickEvent =
      std::function<void(TriruRedu* sender, const TRightClickParameters& parameters)>;
  // Panel coordinates.
  using TMouseEvent = std::function<void(TriruRedu* sender, TMouseButton button,
                                         TShiftState shift, int x, int y)>;
  using TMouseMoveEvent = std::function<void(TriruRedu* sender, TShiftState shift, int x, int y)>;
  // Setting key to 0 stops the viewer's own handling of the key.
  using TKeyEvent = std::function<void(TriruRedu* sender, TKey& key, TShiftState shift)>;
  // src is the image source exactly as the document wrote it. The handler sets stream to the
  // bytes of an image file, to WaitStream() when the picture is not available yet (it then
  // shows the default picture until the document is loaded again), or leaves it null for no
  // picture. The stream stays the handler's and must live until the handler is next called.
  using TGetImageEvent = std::function<void(TriruRedu* sender, const std::u32string& src,
                                            const TMemoryStream*& stream)>;

  // host is the window the viewer fills (its panel and bars become host's children); both
  // must outlive the viewer. The viewer takes host's events while it lives.
  TriruRedu(TWindowing& windowing, TWindow& host);
  virtual ~TriruRedu();
  TriruRedu(const TriruRedu&) = delete;
  TriruRedu& operator=(const TriruRedu&) = delete;

  // --- Events.
  THotSpotEvent OnHotSpotCovered;  // the link under the pointer changed; empty: no link
  THotSpotClickEvent OnHotSpotClick;
  TNotifyEvent OnHistoryChange;    // the history lists or HistoryIndex changed
  TProcessingEvent OnProcessing;   // Processing changed
  // Whether the system has a font family of this name, so that the families a page's
  // styles name are tried in order; none: the first family named is taken as it is.
  std::function<bool(const std::string& family)> OnFontFamilyKnown;
  TIncludeHandler OnInclude;       // an include directive; passed to the parser
  // A background sound; also called with an empty src, loop 0 and terminate set before each
  // HTML load and on ClearDocument, to stop what plays.
  TSoundType OnSoundRequest;
  TMetaType OnMeta;                // a META element
  TMetaRefreshEvent OnMetaRefresh;  // after a load that found a usable refresh META
  TScriptEvent OnScript;           // a SCRIPT element; passed to the parser
  TFormSubmitEvent OnFormSubmit;   // reported after the input that submitted the form
  TObjectClickEvent OnObjectClick;
  // Set, it answers every picture a document names (images and the background), which are
  // then never read from files.
  TGetImageEvent OnImageRequest;
  TImageClickEvent OnImageClick;   // a mouse button was released over an image
  TImageOverEvent OnImageOver;     // the pointer moved over an image
  TRightClickEvent OnRightClick;   // the right button was released anywhere on the panel
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TKeyEvent OnKeyDown;

  // --- Properties (defaults in brackets).
  bool ViewImages() const { return FViewImages; }  // [false]
  void SetViewImages(bool value);
  TColor DefBackground() const { return FDefBackground; }  // [clBtnFace]
  void SetDefBackground(TColor value);
  THTMLBorderStyle BorderStyle() const { return FBorderStyle; }  // [htFocused]
  void SetBorderStyle(THTMLBorderStyle value);
  // [0: no history]. Negative values are ignored; lowering it clears the history.
  int HistoryMaxCount() const { return FHistoryMaxCount; }
  void SetHistoryMaxCount(int value);
  const std::string& DefFontName() const { return FDefFontName; }  // ["Times New Roman"]
  void SetDefFontName(const std::string& value);
  const std::string& DefPreFontName() const { return FDefPreFontName; }  // ["Courier New"]
  void SetDefPreFontName(const std::string& value);
  // [12] points; raised to at least MinFontSize and cut to at most MaxFontSize.
  int DefFontSize() const { return FDefFontSize; }
  void SetDefFontSize(int value);
  TColor DefFontColor() const { return FDefFontColor; }  // [clBtnText]
  void SetDefFontColor(TColor value);
  TColor DefHotSpotColor() const { return FDefHotSpotColor; }  // [clBlue]
  void SetDefHotSpotColor(TColor value);
  int ImageCacheCount() const { return FImageCacheCount; }  // [5], cut to 0..20
  void SetImageCacheCount(int value);
  bool NoSelect() const { return FNoSelect; }  // [false]
  void SetNoSelect(bool value);
  // [true] Pages are shown with their own style sheets and STYLE attributes. A change
  // reads the page shown again, keeping its position.
  bool UsePageStyles() const { return FUsePageStyles; }
  void SetUsePageStyles(bool value);
  TScrollStyle ScrollBars() const { return FScroll.Bars; }  // [ssBoth]
  void SetScrollBars(TScrollStyle value);
  int CharSet() const { return FCharSet; }  // [DefaultCharSet]
  void SetCharSet(int value);
  // [5] and [10] pixels; values outside 0..50 are ignored.
  int MarginHeight() const { return FScroll.MarginHeight; }
  void SetMarginHeight(int value);
  int MarginWidth() const { return FScroll.MarginWidth; }
  void SetMarginWidth(int value);
  // [""] The folder links beginning with "/" are relative to; stored without surrounding
  // blanks and control characters and without one trailing "/".
  const std::string& ServerRoot() const { return FServerRoot; }
  void SetServerRoot(const std::string& value);

  // [100] percent, cut to MinZoom .. MaxZoom. The document is drawn as if the default font
  // size were DefFontSize * Zoom / 100 points: every font of the page and the spacing that
  // follows the default size scale with it, also the sizes a page sets itself. It lasts
  // across loads. A change lays the document out again with the same content at the top of
  // the view.
  int Zoom() const { return FZoom; }
  void SetZoom(int percent);

  // [false] Loads pages and text files in slices from the event loop (see "Loading in slices"
  // above); buffers and pictures load in one go.
  bool ProgressiveLoading() const { return FProgressive; }
  void SetProgressiveLoading(bool value) { FProgressive = value; }
  // How the slices of a load are timed; the next load takes it.
  void SetSlicePacing(TSlicePacing pacing) { FPacing = std::move(pacing); }

  static constexpr int MinFontSize = 6;
  static constexpr int MaxFontSize = 1000;
  static constexpr int MinZoom = 25;
  static constexpr int MaxZoom = 500;
  static constexpr int MaxMargin = 50;
  static constexpr int MaxImageCacheCount = 20;

  // --- Document state (read-only).
  const std::u32string& DocTitle() const { return FDocTitle; }
  const std::string& DocFileName() const { return FDocFileName; }  // empty after a buffer
  TDocKind DocKind() const { return FDocKind; }
  const std::u32string& DocBase() const { return FDocBase; }
  const std::u32string& DocBaseTarget() const { return FDocBaseTarget; }
  const std::u32string& HotSpotUrl() const { return FMouse.HotSpotUrl(); }
  const std::u32string& HotSpotTarget() const { return FMouse.HotSpotTarget(); }
  bool Processing() const { return FProcessing; }
  // Whether a load in slices is under way.
  bool Loading() const { return FLoad != nullptr; }
  // Whether the panel shows the document: false from the start of a load in slices until the
  // page fills the panel at the place it opens at.
  bool PageShown() const { return FPageShown; }
  const TAnchorList& AnchorList() const { return FAnchorList; }
  TSectionList& Sections() const { return *FSections; }
  int CaretPos() const { return FMouse.CaretPos(); }
  // Moves the caret, where the next search starts (0: the top of the document).
  void SetCaretPos(int position) { FMouse.SetCaretPos(position < 0 ? 0 : position); }
  // Widest line and total height of the last layout, margins included in the height.
  int DocumentWidth() const { return FScroll.DocumentWidth(); }
  int DocumentHeight() const { return FScroll.DocumentHeight(); }

  // --- Loading. A missing file raises EInOutError "Can't locate file: NAME" and changes
  // nothing. Opening another file or kind records the page left in the history.
  // name may end in "#anchor": the view then starts at that anchor. Pages and text are read
  // as DocumentSource.h says: a ".gz" file inflated, a folder as the page listing it (give
  // its name ending in "/").
  void OpenHtmlFile(const std::string& name);
  void OpenTextFile(const std::string& name);
  // Shows the picture (BMP, GIF, JPEG or PNG, known by its content) as a page holding just
  // that image.
  void OpenImageFile(const std::string& name);
  // Shows HTML held in memory (bytes as in a file); no history entry, DocFileName empty.
  // A comment left open raises EParseError after the part before it is shown.
  void OpenHtmlBuffer(std::string_view html);
  // Reads the current file afresh, keeping the reading position.
  void ReloadDocument();
  // Runs what remains of a load in slices at once, with the busy cursor; nothing inside a
  // slice. A failure of the parse passes on from here once the page is laid out.
  void FinishLoading();
  // How the last load in slices went (for benchmarks): the longest time one of its slices, or
  // the open operation that began it, held the event loop, in microseconds, and the number of
  // slices. Loads finished at once by FinishLoading count until then. The longest slice is
  // also given in processor time of the viewer's thread: on a busy machine the wall time of a
  // slice counts the time others took meanwhile, which the processor time leaves out.
  struct TLoadStatistics {
    std::int64_t LongestSlice = 0;
    std::int64_t LongestSliceProcessor = 0;
    int Slices = 0;
  };
  const TLoadStatistics& LoadStatistics() const { return FLoadStatistics; }
  // Empties the document; the file name, kind and history stay.
  virtual void ClearDocument();

  // --- Selection, find and copy.
  void SelectAllText();
  // Puts the selected text on the clipboard.
  void CopySelectedText();
  // Finds text from the caret on, selects it and scrolls it into view; false when not found.
  bool FindNextText(std::u32string_view text, bool matchCase);

  // --- Navigation (ViewerNavigation.cpp).
  // The full file name a link stands for (see LinkPath.h for the rules).
  virtual std::string ExpandLink(std::u32string_view link) const;
  // The default action for a clicked link (HotSpotUrl): fires OnHotSpotClick and, when the
  // host leaves it, scrolls to an anchor or opens a page, a text file, a picture or a folder
  // by the kind its name says (LinkPath.h); other links are left to the host.
  virtual void FollowHotSpot();
  // Scrolls to a named anchor (with or without "#", any letter case); false when unknown.
  bool ScrollToAnchor(std::u32string_view name);
  // The reading position: the index of the top-level section at the top of the view in the
  // high 32 bits, the pixel offset into it in the low 32 bits. It survives a relayout at
  // another width. 0 is the top.
  std::int64_t DocPosition() const;
  void SetDocPosition(std::int64_t position);

  // --- History: index 0 is the newest entry, HistoryIndex the one shown.
  int HistoryIndex() const { return FHistoryIndex; }
  // Goes to entry index, loading its file when needed.
  void SetHistoryIndex(int index);
  const std::vector<std::string>& HistoryFiles() const { return FHistory.Files(); }
  const std::vector<std::u32string>& HistoryTitles() const { return FHistory.Titles(); }
  const std::vector<TPositionObj>& HistoryPositions() const { return FHistory.Positions(); }
  void ClearHistory();

  // --- Scrolling (ViewerPainting.cpp).
  int VScrollPos() const;
  // Scrolls so that document y is at the top, within the document's range.
  void ScrollTo(int y);
  int HScrollPos() const { return FScroll.HScrollPos(); }

  // --- Printing (ViewerPrinting.cpp).
  // Gives the canvas page index (from 0, of count) is drawn on; it must be as large as the
  // page.
  using TPageCanvas = std::function<TCanvas&(int index, int count)>;
  // Lays the document out pageWidth pixels wide, cuts it into pages at most pageHeight pixels
  // high between its lines and pictures (PageBreaks.h), and draws each page, background
  // included, with its top at the canvas's top. The selection is printed plain. Afterwards
  // the document is laid out for the window again at the same place. Answers the number of
  // pages; 0 while Processing.
  int PrintDocument(int pageWidth, int pageHeight, const TPageCanvas& pageCanvas);

  // --- Callbacks for the document.
  // Reports a META element and notes a usable refresh (only while OnMetaRefresh is set).
  void HandleMeta(const std::u32string& httpEq, const std::u32string& name,
                  const std::u32string& content);
  // A form was submitted: reported through OnFormSubmit once the input handling under way
  // has finished; nothing when OnFormSubmit is not set.
  void QueueFormSubmit(const std::u32string& action, const std::u32string& target,
                       const std::u32string& encType, const std::u32string& method,
                       TStringList results);
  // A form control took the focus: scroll it into view.
  void ScrollControlIntoView(const TInlineControl& control);

  // The windows the viewer made (for hosts and tests).
  TWindow& Panel() const { return *FPanel; }
  TScrollBar& VScrollBar() const { return *FVScrollBar; }
  TScrollBar& HScrollBar() const { return *FHScrollBar; }
  TWindow& Host() const { return FHost; }
  TWindowing& Windowing() const { return FWindowing; }

 protected:
  // The panel's notifications (ViewerInput.cpp and ViewerPainting.cpp). Coordinates are the
  // panel's.
  virtual void PanelPaint(TCanvas& canvas, const TRect& area);
  virtual void PanelMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void PanelMouseMove(TShiftState shift, int x, int y);
  virtual void PanelMouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // Fires OnHotSpotClick with HotSpotUrl; answers whether the host handled the click.
  virtual bool HotSpotClickHandled();

 private:
  class TPanelEvents;
  class THostEvents;
  class TImageRequests;
  friend class TPanelEvents;
  friend class THostEvents;

  // Loading (ViewerLoading.cpp).
  void OpenFile(const std::string& name, TDocKind kind);
  // OpenFile without its refresh: answers the page it opened, none when it opened nothing
  // or a handler went on to another page.
  std::optional<std::uint64_t> OpenAndRecord(const std::string& name, TDocKind kind);
  // Loads the file and answers the page it made. The caller holds Processing on.
  std::uint64_t LoadDocument(const std::string& name, TDocKind kind);
  void PrepareDocument();
  // Page styles as the properties say, linked sheets found from fileName (empty: none).
  TPageStyleOptions StyleOptions(const std::string& fileName) const;
  void FinishLoad(const TDocumentHead& head);
  // Reports the refresh the load of document found, while that page is still shown.
  void FireMetaRefresh(std::uint64_t document);
  void SetProcessing(bool value);
  // The page shown now, to tell after a host's handler whether it still is.
  std::uint64_t CurrentDocument() const;
  bool StillShows(std::uint64_t document) const { return CurrentDocument() == document; }
  // Keeps Processing on while it lives, and turns it off however the work under it ends.
  class TProcessingScope {
   public:
    explicit TProcessingScope(TriruRedu& viewer)
        : Viewer(viewer), Unwinding(std::uncaught_exceptions()) {
      viewer.SetProcessing(true);
    }
    // A failure of the host's handler goes on to the caller, except while another failure is
    // already on its way out: that one is kept, as two at once would end the program.
    // A load in slices begun under it keeps Processing on until its last slice.
    ~TProcessingScope() noexcept(false) {
      if (std::uncaught_exceptions() == Unwinding) {
        Viewer.SetProcessing(Viewer.Loading());
        return;
      }
      try {
        Viewer.SetProcessing(Viewer.Loading());
      } catch (...) {
      }
    }
    TProcessingScope(const TProcessingScope&) = delete;
    TProcessingScope& operator=(const TProcessingScope&) = delete;

   private:
    TriruRedu& Viewer;
    int Unwinding;  // failures on their way out when the scope began
  };
  // Whether an operation that cancels a load in slices, or finishes it first, may go on: no
  // load or relayout runs now, though a load in slices may wait between its slices.
  bool MayInterrupt() const { return !FProcessing || (FLoad && !FLoad->Running()); }
  // Whether the builder holds part of the document (a parse runs, or a load in slices waits).
  bool Building() const { return FParsing || FLoad; }
  void RelayoutKeepPosition();
  // Lays the document out again, bringing the same content back into view.
  void LayoutKeepingPosition();
  // Runs change with the busy cursor and Processing on, then relays the document out
  // keeping the reading position.
  void ChangeLayout(const std::function<void()>& change);
  void RefreshDefaults(bool relayout);
  // The default size the document is laid out with: DefFontSize at the zoom.
  int DocumentFontSize() const;
  // Runs change, then lays the document out again with the section that was at the top of
  // the view kept there, as far into it in proportion to its height as before (the zoom
  // changes every height).
  void ChangeKeepingProportion(const std::function<void()>& change);
  void StopSound();
  TMetaType MetaCallback();
  // The title and base the parse has read so far.
  void TakeHead(const TDocumentHead& head);

  // Loading in slices (ViewerSlices.cpp).
  // Begins the load of a file that exists and answers the page it makes. The caller holds
  // Processing on; the load keeps it on until its last slice.
  std::uint64_t LoadInSlices(const std::string& name, TDocKind kind,
                             const std::u32string* anchor);
  void PostSlice();
  void RunLoadSlice();
  // Brings the view up to what the slices have laid out: the ranges, the first screen once its
  // place is laid out, a place asked for meanwhile, and what came into view.
  void ShowLoadProgress(int heightBefore);
  // Shows the page whole and ends the load; a failure of the parse passes on from here.
  void EndLoad();
  // Ends a load in slices where it stands (the document keeps what was built); Processing
  // stays on when another load takes over.
  void CancelLoad(bool keepProcessing);
  // FinishLoading unless inside a slice; answers whether the page is still the one shown (a
  // handler as the load ends may open another).
  bool FinishLoadFirst();
  // The page is laid out again from its top for a host this wide, the view going back to
  // where it was once it can.
  void RelayoutLoad(int hostWidth);
  // Whether the pending place is laid out, and the panel's height below it too (or the load
  // has nothing left to lay out).
  bool PlaceReady();
  void GoToPlace();
  // A slice ends that began at these clock and processor times (NowMicros, ProcessorMicros).
  void CountSlice(std::int64_t startMicros, std::int64_t startProcessorMicros);
  std::int64_t NowMicros() const;
  static std::int64_t ProcessorMicros();
  // Refreshes the fonts when the defaults changed while the builder held part of the document;
  // answers whether the change also needs a relayout.
  bool ApplyPendingDefaults();

  // Navigation (ViewerNavigation.cpp).
  void AddHistoryEntry(const std::string& name, const std::u32string& title, TDocKind kind,
                       std::int64_t position);

  // Layout, bars and painting (ViewerPainting.cpp).
  void LayoutDocument();
  // Places the form controls of the visible band (TSectionList::PlaceControls).
  void PlaceControls();
  void ArrangeScrollBars();
  void ApplyVPos(int y);
  void SetHScrollPos(int x);
  void Resized();
  void VScroll(TScrollCode code, int& position);
  void HScroll(TScrollCode code, int& position);
  void PaintBackground(TCanvas& canvas, const TRect& area);
  // The same with the background's tiles placed for these scroll offsets.
  void PaintBackground(TCanvas& canvas, const TRect& area, int vScroll, int hScroll);
  // Lays the document out for the page and draws its pages (PrintDocument); their number.
  int PrintPages(int pageWidth, int pageHeight, const TPageCanvas& pageCanvas);
  void PaintHost(TCanvas& canvas, const TRect& area);
  void DrawBorder();
  void BackgroundChanged();
  void InvalidatePanel();
  // The animation timer runs while the document says so (after a layout or a paint).
  void FollowAnimationTimer();
  // A timer tick: each animation drawn since the last layout whose picture is in view steps
  // when its frame is due, invalidating its rectangle.
  void StepAnimations();

  // Input (ViewerInput.cpp).
  void PanelDoubleClick(TMouseButton button, int x, int y);
  bool PanelKeyDown(TKey key, TShiftState shift);
  bool PanelWheel(int delta);
  void ExtendSelection(int x, int y);
  void WordSelect(int x, int y);
  void AutoScroll();
  void AutoScrollStep();
  void StopAutoScroll();
  void ScrollBy(int old, int position);
  // Caret hit test at a panel point: the position or -1, with the line's y and whether the
  // point lies over text.
  int PositionAtPanel(int x, int y, int& lineY, bool& inText);
  // A panel point in document coordinates (SectionBase.h), the frame of every point query.
  int PanelToDocumentX(int x) const { return FScroll.DocumentX(x); }
  int PanelToDocumentY(int y) const { return TScrollGeometry::DocumentY(y, VScrollPos()); }

  TWindowing& FWindowing;
  TWindow& FHost;
  std::unique_ptr<TPanelEvents> FPanelEvents;
  std::unique_ptr<THostEvents> FHostEvents;
  std::unique_ptr<TWindow> FPanel;
  std::unique_ptr<TScrollBar> FVScrollBar;
  std::unique_ptr<TScrollBar> FHScrollBar;
  std::unique_ptr<TTimer> FAutoScrollTimer;
  std::unique_ptr<TTimer> FAnimationTimer;
  std::unique_ptr<TImageRequests> FImageRequests;
  // Layout and hit tests measure through this canvas (a 1 x 1 bitmap: only its fonts count).
  std::unique_ptr<TBitmap> FMeasureBitmap;
  std::unique_ptr<TCanvas> FMeasureCanvas;
  std::unique_ptr<TFormControlFactory> FFormControls;  // outlives the document's controls
  std::unique_ptr<TSectionList> FSections;
  TAnchorList FAnchorList;
  THistory FHistory;
  TScrollGeometry FScroll;  // also keeps the ScrollBars and margin properties
  TMouseState FMouse;

  // Properties.
  bool FViewImages = false;
  TColor FDefBackground;
  THTMLBorderStyle FBorderStyle = htFocused;
  int FHistoryMaxCount = 0;
  std::string FDefFontName;
  std::string FDefPreFontName;
  int FDefFontSize;
  int FZoom = 100;
  TColor FDefFontColor;
  TColor FDefHotSpotColor;
  int FImageCacheCount = 5;
  bool FNoSelect = false;
  bool FUsePageStyles = true;
  int FCharSet;
  std::string FServerRoot;

  // Document state.
  std::u32string FDocTitle;
  std::u32string FDocBase;
  std::u32string FDocBaseTarget;
  std::string FDocFileName;
  TDocKind FDocKind = dkHtml;
  int FRefreshDelay = 0;
  std::u32string FRefreshUrl;
  bool FProcessing = false;
  bool FFormatting = false;
  bool FParsing = false;  // a load in one go runs the builder

  // Loading in slices.
  bool FProgressive = false;
  TSlicePacing FPacing;
  TDocumentHead FLoadHead;  // filled by the parse of the load
  std::unique_ptr<TProgressiveLoad> FLoad;  // made after the document, gone before it
  TPendingPlace FPlace;
  bool FPageShown = true;
  int FLoadNumber = 0;  // tells the slices posted for a load that has ended from the current
  TLoadStatistics FLoadStatistics;
  // A refresh of the defaults is due once the builder lets go of the document; with a relayout.
  bool FDefaultsDue = false;
  bool FRelayoutDue = false;
  TColor FPanelColor;
  int FHistoryIndex = 0;
};

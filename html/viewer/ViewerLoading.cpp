// The load pipeline (files, image pages, memory buffers), clearing, META handling, form
// submissions, and the selection, find and copy operations.
#include <algorithm>
#include <optional>
#include <utility>

#include "html/builder/Builder.h"
#include "html/document/SectionList.h"
#include "html/images/ImageCache.h"
#include "html/parser/DocumentSource.h"
#include "html/support/Errors.h"
#include "html/support/LetterCase.h"
#include "html/support/Trim.h"
#include "html/support/Utf8.h"
#include "html/viewer/LinkPath.h"
#include "html/viewer/Viewer.h"
#include "platform/ScrollBar.h"
#include "platform/Windowing.h"

namespace {

// Runs parse, then finish; finish runs also when parse fails, and the failure goes on: the
// viewer shows what was read before it.
template <typename TParse, typename TFinish>
void ParseThenFinish(TParse parse, TFinish finish) {
  try {
    parse();
  } catch (...) {
    finish();
    throw;
  }
  finish();
}

// Keeps a flag set while the builder runs.
class TParsing {
 public:
  explicit TParsing(bool& flag) : Flag(flag) { Flag = true; }
  ~TParsing() { Flag = false; }
  TParsing(const TParsing&) = delete;
  TParsing& operator=(const TParsing&) = delete;

 private:
  bool& Flag;
};

// Longest anchor name taken from a file name, and longest search text.
constexpr std::size_t MaxAnchorLength = 255;
constexpr std::size_t MaxSearchLength = 255;

// A page holding just the picture. The name is quoted as an attribute value, so quotes and
// ampersands in it are written as entities, and a percent sign is escaped so that the link
// expansion gives the same name back.
std::string ImagePage(const std::string& fileName) {
  std::string page = "<img src=\"";
  for (const char ch : fileName) {
    if (ch == '"')
      page += "&quot;";
    else if (ch == '&')
      page += "&amp;";
    else if (ch == '%')
      page += "%25";
    else
      page += ch;
  }
  page += "\">";
  return page;
}

// The integer a refresh delay spells (blanks around it allowed), or -1.
int ReadDelay(std::u32string_view text) {
  const std::u32string trimmed = TrimControls(text);
  text = trimmed;
  bool negative = false;
  if (!text.empty() && (text[0] == U'+' || text[0] == U'-')) {
    negative = text[0] == U'-';
    text.remove_prefix(1);
  }
  if (text.empty()) return -1;
  long long value = 0;
  for (const char32_t ch : text) {
    if (ch < U'0' || ch > U'9') return -1;
    value = value * 10 + (ch - U'0');
    if (value > 0x7FFFFFFF) return -1;
  }
  return int(negative ? -value : value);
}

}  // namespace

void TriruRedu::OpenHtmlFile(const std::string& name) { OpenFile(name, dkHtml); }
void TriruRedu::OpenTextFile(const std::string& name) { OpenFile(name, dkText); }
void TriruRedu::OpenImageFile(const std::string& name) { OpenFile(name, dkImage); }

void TriruRedu::OpenFile(const std::string& name, TDocKind kind) {
  if (const std::optional<std::uint64_t> document = OpenAndRecord(name, kind))
    FireMetaRefresh(*document);
}

std::optional<std::uint64_t> TriruRedu::OpenAndRecord(const std::string& name, TDocKind kind) {
  if (!MayInterrupt() || name.empty()) return std::nullopt;
  const std::string oldName = FDocFileName;
  const std::u32string oldTitle = FDocTitle;
  const TDocKind oldKind = FDocKind;
  const std::int64_t oldPosition = DocPosition();
  std::uint64_t document = 0;
  {
    // The busy cursor shows before OnProcessing announces the load.
    TBusyCursor busy(FWindowing);
    // The page left is in the history before OnProcessing announces the end of the load, so a
    // handler that goes on from there to another page finds it recorded.
    TProcessingScope processing(*this);
    document = LoadDocument(name, kind);
    if (FDocFileName != oldName || FDocKind != oldKind)
      AddHistoryEntry(oldName, oldTitle, oldKind, oldPosition);
  }
  if (!StillShows(document)) return std::nullopt;
  return document;
}

std::uint64_t TriruRedu::LoadDocument(const std::string& nameWithAnchor, TDocKind kind) {
  std::string name = nameWithAnchor;
  std::u32string anchor;
  bool hasAnchor = false;
  if (const std::size_t hash = AnchorMark(name); hash != std::string::npos) {
    anchor = DecodeName(std::string_view(name).substr(hash + 1, MaxAnchorLength));
    hasAnchor = true;
    name.erase(hash);
  }
  // Nothing changes for a missing file: a load under way goes on.
  if (!DocumentExists(name)) throw EInOutError("Can't locate file: " + name);
  CancelLoad(true);
  if (FProgressive && kind != dkImage)
    return LoadInSlices(name, kind, hasAnchor ? &anchor : nullptr);
  FRefreshDelay = 0;
  PrepareDocument();
  const std::uint64_t document = CurrentDocument();
  const std::string previousName = FDocFileName;
  const std::string fullName = FullPath(name);
  TDocumentHead head;
  // Whether the parse ends normally or not, the document shows what was built.
  const auto finish = [&] {
    FDocFileName = fullName;
    FDocKind = kind;
    FinishLoad(head);
    if (hasAnchor) {
      ScrollToAnchor(anchor);
    } else if (FDocFileName != previousName) {
      ApplyVPos(0);
      SetHScrollPos(0);
    } else {
      ApplyVPos(VScrollPos());  // the same file again: the caller places it
    }
    InvalidatePanel();
  };
  ParseThenFinish(
      [&] {
        TParsing parsing(FParsing);
        switch (kind) {
          case dkHtml:
            StopSound();
            ParseHtmlFile(*FSections, FAnchorList, name, MetaCallback(), this, OnSoundRequest,
                          OnInclude, OnScript, head, StyleOptions(fullName));
            break;
          case dkText:
            ParseTextFile(*FSections, FAnchorList, name, head);
            break;
          case dkImage:
            ParseHtmlBuffer(*FSections, FAnchorList, ImagePage(fullName), {}, this, {},
                            OnInclude, {}, head);
            break;
        }
      },
      finish);
  return document;
}

TPageStyleOptions TriruRedu::StyleOptions(const std::string& fileName) const {
  TPageStyleOptions options;
  options.UsePageStyles = FUsePageStyles;
  options.FamilyInstalled = OnFontFamilyKnown;
  // Linked sheets are found as links are followed from the page.
  options.ResolveLink = [this, fileName](std::u32string_view link, std::u32string_view base,
                                         const std::string& from) {
    return ExpandLinkPath(link, FServerRoot, base, from.empty() ? fileName : from);
  };
  return options;
}

void TriruRedu::PrepareDocument() {
  FSections->Clear();
  // The defaults go to the new document whole.
  FDefaultsDue = FRelayoutDue = false;
  ImageCache().AgeAndPurge();
  FSections->SetDefaults(FDefFontName, FDefPreFontName, DocumentFontSize(), FDefFontColor,
                         FDefHotSpotColor, FDefBackground);
  FAnchorList.Clear();
  FMouse.Reset();
}

void TriruRedu::FinishLoad(const TDocumentHead& head) {
  TakeHead(head);
  ApplyPendingDefaults();  // the layout follows
  FSections->GetBackgroundImage();
  LayoutDocument();
}

void TriruRedu::TakeHead(const TDocumentHead& head) {
  FDocTitle = head.Title;
  FDocBase = head.BaseUrl;
  FDocBaseTarget = head.BaseTarget;
}

bool TriruRedu::ApplyPendingDefaults() {
  if (!FDefaultsDue) return false;
  FDefaultsDue = false;
  FSections->RefreshFonts();
  return std::exchange(FRelayoutDue, false);
}

void TriruRedu::OpenHtmlBuffer(std::string_view html) {
  if (!MayInterrupt()) return;
  CancelLoad(true);
  FRefreshDelay = 0;
  std::uint64_t document = 0;
  {
    TProcessingScope processing(*this);
    PrepareDocument();
    document = CurrentDocument();
    StopSound();
    TDocumentHead head;
    // A parse error still shows the part read before it, laid out as any document.
    const auto finish = [&] {
      // Before the layout, which takes the pictures' names relative to the shown file.
      FDocFileName.clear();
      FinishLoad(head);
      ApplyVPos(0);
      SetHScrollPos(0);
      InvalidatePanel();
    };
    ParseThenFinish(
        [&] {
          TParsing parsing(FParsing);
          ParseHtmlBuffer(*FSections, FAnchorList, html, MetaCallback(), this, OnSoundRequest,
                          OnInclude, OnScript, head, StyleOptions(std::string()));
        },
        finish);
  }
  FireMetaRefresh(document);
}

void TriruRedu::ClearDocument() {
  if (!MayInterrupt()) return;
  // A load under way ends with the clearing, which its OnProcessing then follows.
  const bool loading = Loading();
  CancelLoad(true);
  FSections->Clear();
  FDefaultsDue = FRelayoutDue = false;
  FollowAnimationTimer();
  FSections->SetDefaults(FDefFontName, FDefPreFontName, DocumentFontSize(), FDefFontColor,
                         FDefHotSpotColor, FDefBackground);
  FAnchorList.Clear();
  FDocBase.clear();
  FDocBaseTarget.clear();
  FDocTitle.clear();
  FScroll.SetDocumentWidth(0);
  FScroll.SetDocumentHeight(0);
  ArrangeScrollBars();
  ApplyVPos(0);
  SetHScrollPos(0);
  FMouse.Reset();
  StopSound();
  InvalidatePanel();
  if (loading) SetProcessing(false);
}

void TriruRedu::StopSound() {
  if (OnSoundRequest) OnSoundRequest(this, std::u32string(), 0, true);
}

TMetaType TriruRedu::MetaCallback() {
  return [this](TriruRedu*, const std::u32string& httpEq, const std::u32string& name,
                const std::u32string& content) { HandleMeta(httpEq, name, content); };
}

void TriruRedu::FireMetaRefresh(std::uint64_t document) {
  // A copy: the handler may well load the page it names, which finds a refresh of its own.
  const std::u32string url = FRefreshUrl;
  if (FRefreshDelay > 0 && OnMetaRefresh && StillShows(document))
    OnMetaRefresh(this, FRefreshDelay, url);
}

void TriruRedu::HandleMeta(const std::u32string& httpEq, const std::u32string& name,
                           const std::u32string& content) {
  if (OnMeta) OnMeta(this, httpEq, name, content);
  if (!OnMetaRefresh) return;
  if (LowerAscii(httpEq) != U"refresh") return;
  const std::size_t semicolon = content.find(U';');
  const int delay =
      ReadDelay(semicolon == std::u32string::npos ? std::u32string_view()
                                                  : std::u32string_view(content).substr(0, semicolon));
  if (delay < 1) return;
  const std::size_t url = LowerAscii(content).find(U"url=");
  if (url == std::u32string::npos) return;
  FRefreshUrl = content.substr(url + 4);
  FRefreshDelay = delay;
}

void TriruRedu::QueueFormSubmit(const std::u32string& action, const std::u32string& target,
                                const std::u32string& encType, const std::u32string& method,
                                TStringList results) {
  if (!OnFormSubmit) return;
  // Each submission travels with its own values, so one that follows before the first is
  // reported loses nothing.
  FPanel->Post([this, action, target, encType, method, results = std::move(results)]() mutable {
    if (OnFormSubmit) OnFormSubmit(this, action, target, encType, method, std::move(results));
  });
}

void TriruRedu::SelectAllText() {
  if (!FinishLoadFirst() || FSections->Count() == 0 || FNoSelect) return;
  // Every position laid out: all of them unless a handler inside a slice asks.
  FSections->SelectionStart = 0;
  FSections->SelectionEnd = FSections->FirstPos + FSections->PosCount;
  InvalidatePanel();
}

bool TriruRedu::FindNextText(std::u32string_view text, bool matchCase) {
  if (text.empty()) return false;
  text = text.substr(0, MaxSearchLength);
  int found = FSections->SearchText(FMouse.CaretPos(), text, matchCase);
  if (found < 0 && FLoad && MayInterrupt()) {
    if (!FinishLoadFirst()) return false;
    found = FSections->SearchText(FMouse.CaretPos(), text, matchCase);
  }
  if (found < 0) return false;
  FSections->SelectionStart = found;
  FSections->SelectionEnd = found + int(text.size());
  FMouse.SetCaretPos(FSections->SelectionEnd);
  int x = 0, y = 0;
  if (FSections->PositionToPoint(*FMeasureCanvas, found, x, y))
    if (const std::optional<int> top = FScroll.TopToReveal(y, VScrollPos())) ScrollTo(*top);
  InvalidatePanel();
  return true;
}

void TriruRedu::CopySelectedText() { FSections->CopyToClipboard(FWindowing.Clipboard()); }

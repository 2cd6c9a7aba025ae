// Links, anchors, the reading position and the history.
#include <algorithm>
#include <climits>
#include <filesystem>
#include <optional>

#include "html/document/InlineObjects.h"
#include "html/document/SectionList.h"
#include "html/support/Utf8.h"
#include "html/viewer/LinkPath.h"
#include "html/viewer/Viewer.h"
#include "platform/Windowing.h"

std::string TriruRedu::ExpandLink(std::u32string_view link) const {
  // While a load runs in slices, pictures laid out right after a BASE go by it already.
  return ExpandLinkPath(link, FServerRoot, FLoad ? FLoadHead.BaseUrl : FDocBase, FDocFileName);
}

bool TriruRedu::HotSpotClickHandled() {
  bool handled = false;
  if (OnHotSpotClick) OnHotSpotClick(this, std::u32string(FMouse.HotSpotUrl()), handled);
  return handled;
}

void TriruRedu::FollowHotSpot() {
  // A handler that opened another page has taken the click, whatever it answered.
  const std::uint64_t document = CurrentDocument();
  if (HotSpotClickHandled() || !StillShows(document)) return;
  const std::int64_t position = DocPosition();
  std::u32string url = FMouse.HotSpotUrl();
  if (!url.empty() && url[0] == U'#') {
    if (ScrollToAnchor(url)) AddHistoryEntry(FDocFileName, FDocTitle, FDocKind, position);
    return;
  }
  std::u32string anchor;
  if (const std::size_t hash = url.find(U'#'); hash != std::u32string::npos) {
    anchor = url.substr(hash);
    url.erase(hash);
  }
  const std::string file = ExpandLink(url);
  // A page, and a folder (shown as the page that lists it): another one opens at the anchor;
  // the same one only scrolls.
  const auto openPage = [&](const std::string& name) {
    if (name != FDocFileName || FDocKind != dkHtml)
      OpenHtmlFile(name + EncodeUtf8(anchor));
    else if (ScrollToAnchor(anchor))
      AddHistoryEntry(FDocFileName, FDocTitle, dkHtml, position);
  };
  std::error_code error;
  if (std::filesystem::is_directory(file, error)) {
    openPage(FolderName(file));
    return;
  }
  switch (NameKindOf(file)) {
    case nkPage:
      openPage(file);
      break;
    case nkText:
      OpenTextFile(file);
      break;
    case nkPicture:
      OpenImageFile(file);
      break;
    case nkDrawing:
    case nkOther:
      break;  // the host's to handle in OnHotSpotClick
  }
}

bool TriruRedu::ScrollToAnchor(std::u32string_view name) {
  if (!name.empty() && name[0] == U'#') name.remove_prefix(1);
  if (name.empty()) return false;
  const TSectionBase* section = FAnchorList.Find(name);
  if (!section && FLoad && MayInterrupt()) {
    if (!FinishLoadFirst()) return false;
    section = FAnchorList.Find(name);
  }
  if (!section) return false;
  if (FLoad) {
    // The view goes there once the section is laid out.
    FPlace.SetAnchor(std::u32string(name));
    if (FPageShown && PlaceReady()) GoToPlace();
    return true;
  }
  ApplyVPos(section->Top);
  SetHScrollPos(0);
  return true;
}

std::int64_t TriruRedu::DocPosition() const {
  // A page laid out again, or opened again, shows nothing until it reaches the reading
  // position it keeps: that is still where the reader is.
  if (FLoad) {
    if (const std::optional<std::int64_t> position = FPlace.Position()) return *position;
  }
  const int y = VScrollPos();
  int top = 0, index = 0;
  if (!FSections->SectionAtY(y, top, index)) return 0;
  return std::int64_t(index) << 32 | std::int64_t(std::uint32_t(y - top));
}

void TriruRedu::SetDocPosition(std::int64_t position) {
  if (position < 0) return;
  if (FLoad) {
    FPlace.SetPosition(position);
    if (FPageShown && PlaceReady()) GoToPlace();
    return;
  }
  const std::int64_t index = position >> 32;
  const std::int64_t offset = position & 0xFFFFFFFF;
  if (index >= std::int64_t(FSections->Count())) return;
  const std::int64_t y = FSections->HeightAbove(int(index)) + offset;
  ApplyVPos(int(std::min<std::int64_t>(y, INT_MAX)));
}

void TriruRedu::AddHistoryEntry(const std::string& name, const std::u32string& title,
                                TDocKind kind, std::int64_t position) {
  if (FHistoryMaxCount < 1 || FDocFileName.empty() ||
      (name == FDocFileName && kind == FDocKind && position == DocPosition()))
    return;
  if (!FHistory.Empty() && !name.empty()) {
    // The entry of the page being left remembers where the reader was; the pages ahead of
    // it are left behind by the new way taken.
    FHistory.Set(std::size_t(FHistoryIndex), name, title, {position, kind});
    FHistory.DropNewest(std::size_t(FHistoryIndex));
  }
  FHistoryIndex = 0;
  FHistory.Push(FDocFileName, FDocTitle, {DocPosition(), FDocKind});
  FHistory.KeepNewest(std::size_t(FHistoryMaxCount));
  if (OnHistoryChange) OnHistoryChange(this);
}

void TriruRedu::SetHistoryIndex(int index) {
  if (index == FHistoryIndex || index < 0 || index >= int(FHistory.Count()) || !MayInterrupt())
    return;
  if (!FDocFileName.empty())
    FHistory.Set(std::size_t(FHistoryIndex), FDocFileName, FDocTitle, {DocPosition(), FDocKind});
  const std::string file = FHistory.Files()[std::size_t(index)];
  const TPositionObj entry = FHistory.Positions()[std::size_t(index)];
  const auto move = [&] {
    SetDocPosition(entry.ScrollPos);
    FHistoryIndex = index;
    if (OnHistoryChange) OnHistoryChange(this);
  };
  if (file == FDocFileName && entry.FileKind == FDocKind) {
    move();
    return;
  }
  std::uint64_t loaded = 0;
  {
    // The move is complete, the history with it, before OnProcessing announces the end of
    // the load.
    TBusyCursor busy(FWindowing);
    TProcessingScope processing(*this);
    loaded = LoadDocument(file, entry.FileKind);
    move();
  }
  FireMetaRefresh(loaded);
}

void TriruRedu::ClearHistory() {
  const bool hadEntries = !FHistory.Empty();
  FHistory.Clear();
  FHistoryIndex = 0;
  if (hadEntries && OnHistoryChange) OnHistoryChange(this);
}

void TriruRedu::ReloadDocument() {
  if (FDocFileName.empty()) return;
  const std::int64_t position = DocPosition();
  const std::optional<std::uint64_t> document = OpenAndRecord(FDocFileName, FDocKind);
  if (!document) return;
  SetDocPosition(position);
  FireMetaRefresh(*document);
}

void TriruRedu::ScrollControlIntoView(const TInlineControl& control) {
  if (const std::optional<int> top = FScroll.TopToReveal(control.YValue, VScrollPos()))
    ScrollTo(*top);
}

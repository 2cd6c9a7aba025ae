#pragma once
// The main window's small decisions, kept apart from the widgets so they can be checked
// without a display: how a file opens, the caption, where the dialogs start, the history
// list's rows, the back and forward buttons, the page's pop-up menu, and the messages of form
// controls with an ONCLICK.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "html/viewer/History.h"

// What a name stands for on disk.
enum TFileState { fsMissing, fsFile, fsFolder };

// How a file opens, whichever way it was named (command line, dialog, drop, link, history,
// home, reload, new window).
enum TOpenKind {
  okHtml,     // a page (also gzip-compressed)
  okText,     // plain text (also gzip-compressed)
  okImage,    // a picture, shown alone
  okFolder,   // a folder, shown as the page listing it
  okDesktop,  // a file of a kind Tamblin does not show: the desktop's handler opens it
  okMissing   // nothing there: "Can't locate file: " and the name
};
// By the state of the name and what its extension says (NameKindOf, LinkPath.h); SVG
// drawings are pictures when drawsSvg, else the desktop's.
TOpenKind OpenKindOf(const std::string& fileName, TFileState state, bool drawsSvg);

// The viewer's kind for a kind that it shows.
TDocKind DocKindOf(TOpenKind kind);

// What a document is called: its title, else the last part of its file name.
std::string DocumentName(std::u32string_view docTitle, const std::string& docFileName);
// "Tamblin - " and the document's name; just "Tamblin" when it has none.
std::string CaptionFor(std::u32string_view docTitle, const std::string& docFileName);

// Where the open and save dialogs start: the folder of the last file chosen in one (or the
// folder given with /D), else the folder of the file shown unless it is one of the program's
// own pages, else the home folder. Folders end without "/".
std::string DialogStartFolder(const std::string& remembered, const std::string& docFileName,
                              const std::string& programFolder, const std::string& homeFolder);

// The history list shows one row for each run of neighbouring entries of one document in
// one kind: jumps inside a page add entries of the page, not rows. A row stands for the
// newest entry of its run.
struct THistoryRow {
  int Entry = 0;  // the first (newest) entry of the run
  int Last = 0;   // its last (oldest) entry
};
std::vector<THistoryRow> HistoryRowsFor(const std::vector<std::string>& files,
                                        const std::vector<TPositionObj>& positions);
// The row that holds entry; -1 when none does.
int HistoryRowOf(const std::vector<THistoryRow>& rows, int entry);

struct THistoryButtons {
  bool Back = false;
  bool Forward = false;
};
// index 0 is the newest entry; count must not be 0.
THistoryButtons HistoryButtonsFor(int historyIndex, int historyCount);

// The pop-up menu after a right click on the page.
struct TImageMenu {
  bool ViewImage = false;        // also "copy image": there is a picture to show
  bool OnLink = false;           // the pointer is on a link: its items show
  bool OpenInNewWindow = false;  // the link leads to a file or folder that exists
  // The link's full file name (a web or mail address as it is written) and its "#anchor".
  std::string File;
  std::string Anchor;
  std::string Link() const { return File + Anchor; }
};
TImageMenu ImageMenuFor(bool hasPicture, std::u32string_view url,
                        const std::function<std::string(std::u32string_view)>& expandLink,
                        const std::string& docFileName,
                        const std::function<bool(const std::string&)>& fileExists);

// A click on a form control or another object whose ONCLICK is onClick.
enum TClickedObject { coNotAControl, coCheckBox, coRadioButton, coPushButton, coOtherControl };
struct TObjectClick {
  TClickedObject Kind = coNotAControl;
  std::u32string Value;  // the control's VALUE
  bool Checked = false;
  std::u32string OnClick;
};
// The message to show, or none. "display" on a check box gives "VALUE is checked" or
// "VALUE is unchecked", on a radio button "VALUE is checked", on a push button its VALUE;
// another ONCLICK text is shown as it is when the object is not a form control.
std::optional<std::u32string> ObjectClickMessage(const TObjectClick& click);

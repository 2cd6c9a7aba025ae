#pragma once
// The main window's small decisions, kept apart from the widgets so they can be checked
// without a display: how a chosen or dropped file opens, the caption, the back and forward
// buttons, the image pop-up menu, and the messages of form controls with an ONCLICK.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

enum TOpenKind { okNothing, okHtml, okText, okImage };

// By the file's extension, in any letter case: .htm and .html are pages, .txt is text, .bmp,
// .gif, .jpg, .jpeg and .png are pictures; anything else is not opened.
TOpenKind OpenKindOf(const std::string& fileName);

// "Tamblin - " and the page's title; just "Tamblin" for a page without one.
std::string CaptionFor(std::u32string_view docTitle);

struct THistoryButtons {
  bool Back = false;
  bool Forward = false;
};
// index 0 is the newest entry; count must not be 0.
THistoryButtons HistoryButtonsFor(int historyIndex, int historyCount);

// The image pop-up menu after a right click.
struct TImageMenu {
  bool ViewImage = false;        // also "copy image": there is a picture to show
  bool OpenInNewWindow = false;  // the link leads to a file that exists
  std::string Link;              // full file name and "#anchor" of the link, for a new window
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

#include "app/WindowRules.h"

#include "html/support/Utf8.h"
#include "html/viewer/LinkPath.h"

TOpenKind OpenKindOf(const std::string& fileName) {
  const std::string extension = UpperExtension(fileName);
  if (extension == ".HTM" || extension == ".HTML") return okHtml;
  if (extension == ".TXT") return okText;
  if (extension == ".BMP" || extension == ".GIF" || extension == ".JPG" || extension == ".JPEG" ||
      extension == ".PNG")
    return okImage;
  return okNothing;
}

std::string CaptionFor(std::u32string_view docTitle) {
  return docTitle.empty() ? "Tamblin" : "Tamblin - " + EncodeUtf8(docTitle);
}

THistoryButtons HistoryButtonsFor(int historyIndex, int historyCount) {
  return {historyIndex<historyCount - 1, historyIndex> 0};
}

TImageMenu ImageMenuFor(bool hasPicture, std::u32string_view url,
                        const std::function<std::string(std::u32string_view)>& expandLink,
                        const std::string& docFileName,
                        const std::function<bool(const std::string&)>& fileExists) {
  TImageMenu menu;
  menu.ViewImage = hasPicture;
  if (url.empty()) return menu;
  std::u32string_view file = url;
  std::u32string_view anchor;
  if (const std::size_t hash = url.find(U'#'); hash != std::u32string_view::npos) {
    file = url.substr(0, hash);
    anchor = url.substr(hash);
  }
  const std::string full = file.empty() ? docFileName : expandLink(file);
  menu.Link = full + EncodeUtf8(anchor);
  menu.OpenInNewWindow = !full.empty() && fileExists(full);
  return menu;
}

std::optional<std::u32string> ObjectClickMessage(const TObjectClick& click) {
  if (click.OnClick.empty()) return std::nullopt;
  if (click.Kind == coNotAControl) return click.OnClick;
  if (click.OnClick != U"display") return std::nullopt;
  switch (click.Kind) {
    case coCheckBox:
      return click.Value + (click.Checked ? U" is checked" : U" is unchecked");
    case coRadioButton:
      return click.Value + U" is checked";
    case coPushButton:
      return click.Value;
    default:
      return std::nullopt;
  }
}

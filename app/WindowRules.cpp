#include "app/WindowRules.h"

#include "html/support/Utf8.h"
#include "html/viewer/LinkPath.h"

TOpenKind OpenKindOf(const std::string& fileName, TFileState state, bool drawsSvg) {
  if (state == fsMissing) return okMissing;
  if (state == fsFolder) return okFolder;
  switch (NameKindOf(fileName)) {
    case nkPage:
      return okHtml;
    case nkText:
      return okText;
    case nkPicture:
      return okImage;
    case nkDrawing:
      return drawsSvg ? okImage : okDesktop;
    case nkOther:
      break;
  }
  return okDesktop;
}

TDocKind DocKindOf(TOpenKind kind) {
  return kind == okText ? dkText : kind == okImage ? dkImage : dkHtml;
}

std::string DocumentName(std::u32string_view docTitle, const std::string& docFileName) {
  if (!docTitle.empty()) return EncodeUtf8(docTitle);
  std::string_view name = docFileName;
  while (name.size() > 1 && name.back() == '/') name.remove_suffix(1);
  const std::size_t slash = name.rfind('/');
  if (slash != std::string_view::npos && name.size() > 1) name.remove_prefix(slash + 1);
  return std::string(name);
}

std::string CaptionFor(std::u32string_view docTitle, const std::string& docFileName) {
  const std::string name = DocumentName(docTitle, docFileName);
  return name.empty() ? "Tamblin" : "Tamblin - " + name;
}

std::string DialogStartFolder(const std::string& remembered, const std::string& docFileName,
                              const std::string& programFolder, const std::string& homeFolder) {
  if (!remembered.empty()) return remembered;
  const std::size_t slash = docFileName.rfind('/');
  if (slash == std::string::npos) return homeFolder;
  const std::string folder = slash == 0 ? "/" : docFileName.substr(0, slash);
  // The program's pages stand where nobody keeps files of their own.
  std::string program = FullPath(programFolder);
  while (program.size() > 1 && program.back() == '/') program.pop_back();
  return folder == program ? homeFolder : folder;
}

std::vector<THistoryRow> HistoryRowsFor(const std::vector<std::string>& files,
                                        const std::vector<TPositionObj>& positions) {
  std::vector<THistoryRow> rows;
  for (std::size_t i = 0; i < files.size() && i < positions.size(); ++i) {
    if (!rows.empty() && files[i] == files[i - 1] &&
        positions[i].FileKind == positions[i - 1].FileKind)
      rows.back().Last = int(i);
    else
      rows.push_back({int(i), int(i)});
  }
  return rows;
}

int HistoryRowOf(const std::vector<THistoryRow>& rows, int entry) {
  for (std::size_t row = 0; row < rows.size(); ++row)
    if (entry >= rows[row].Entry && entry <= rows[row].Last) return int(row);
  return -1;
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
  menu.OnLink = true;
  menu.File = file.empty() ? docFileName : expandLink(file);
  menu.Anchor = EncodeUtf8(anchor);
  menu.OpenInNewWindow = !menu.File.empty() && fileExists(menu.File);
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

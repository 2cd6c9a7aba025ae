// The main window's answers to the viewer's events.

#include <QClipboard>
#include <QCursor>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QStatusBar>
#include <ctime>
#include <filesystem>

#include <unistd.h>

#include "app/ImageForm.h"
#include "app/ImagePicture.h"
#include "app/LinkRouting.h"
#include "app/MainWindow.h"
#include "app/Shell.h"
#include "html/document/SectionList.h"
#include "html/forms/FormControlObj.h"
#include "html/support/PercentEscapes.h"
#include "html/support/Utf8.h"
#include "html/viewer/LinkPath.h"
#include "html/viewer/Viewer.h"

namespace {

// What the window needs to know of a clicked form control.
TObjectClick ObjectClickOf(const TFormControlObj& obj, const std::u32string& onClick) {
  TObjectClick click{coOtherControl, obj.Value, false, onClick};
  if (auto* box = dynamic_cast<const TCheckBoxFormControlObj*>(&obj)) {
    click.Kind = coCheckBox;
    click.Checked = box->Box().Checked();
  } else if (auto* radio = dynamic_cast<const TRadioButtonFormControlObj*>(&obj)) {
    click.Kind = coRadioButton;
    click.Checked = radio->Button().Checked();
  } else if (dynamic_cast<const TButtonFormControlObj*>(&obj)) {
    click.Kind = coPushButton;
  }
  return click;
}

}  // namespace

void TTamblinF::ConnectViewer() {
  viewer->OnHotSpotCovered = [this](TriruRedu*, const std::u32string& src) {
    viewerHotSpotCovered(src);
  };
  viewer->OnHotSpotClick = [this](TriruRedu*, const std::u32string& src, bool& handled) {
    viewerHotSpotClick(src, handled);
  };
  viewer->OnFormSubmit = [this](TriruRedu*, const std::u32string&, const std::u32string&,
                                const std::u32string&, const std::u32string&,
                                TStringList results) { viewerFormSubmit(results); };
  viewer->OnHistoryChange = [this](TriruRedu*) { viewerHistoryChange(); };
  viewer->OnProcessing = [this](TriruRedu*, bool on) {
    if (on) return;
    FLoadingFile.clear();
    DocumentChanged();
  };
  // Space and Shift+Space page down and up, as in every browser.
  viewer->OnKeyDown = [](TriruRedu*, TKey& key, TShiftState shift) {
    if (key == vkSpace && (shift & ~ssShift) == 0) key = shift & ssShift ? vkPrior : vkNext;
  };
  viewer->OnInclude = [this](TriruRedu*, const std::u32string& command, TStringList params,
                             const char*& buffer,
                             std::size_t& size) { viewerInclude(command, params, buffer, size); };
  viewer->OnRightClick = [this](TriruRedu*, const TRightClickParameters& parameters) {
    viewerRightClick(parameters);
  };
  viewer->OnObjectClick = [this](TriruRedu*, TFormControlObj* obj, const std::u32string& onClick) {
    if (obj) viewerObjectClick(ObjectClickOf(*obj, onClick));
  };
}


void TTamblinF::viewerHotSpotCovered(const std::u32string& src) {
  statusBar()->showMessage(QString::fromStdString(EncodeUtf8(src)));
}

void TTamblinF::viewerHotSpotClick(const std::u32string& src, bool& handled) {
  handled = false;
  // The link is being followed: the status line drops it.
  statusBar()->clearMessage();
  const TLinkRoute route = RouteLink(
      src, [this](std::u32string_view link) { return viewer->ExpandLink(link); },
      [](const std::string& path) {
        std::error_code error;
        return TLinkFile{std::filesystem::exists(path, error),
                         std::filesystem::is_regular_file(path, error) &&
                             ::access(path.c_str(), X_OK) == 0};
      });
  if (route.Action == laViewer) {
    // The viewer follows the link itself: to this page when it is only an anchor.
    const std::u32string file = src.substr(0, src.find(U'#'));
    if (!file.empty() && NameKindOf(viewer->ExpandLink(file)) == nkPage)
      FLoadingFile = viewer->ExpandLink(file);
    return;
  }
  handled = true;
  if (route.Action == laOpenByKind) {
    OpenByKind(route.Target, route.Anchor);
    return;
  }
  const QString target = QFile::decodeName(route.Target.c_str());
  std::error_code error;
  if (route.Action != laDesktopUrl && !std::filesystem::is_regular_file(route.Target, error)) {
    ShowError(QStringLiteral("Can't locate file: ") + target);
    return;
  }
  switch (route.Action) {
    case laDesktopUrl:
      FShell.OpenUrl(route.Target);
      break;
    case laPlaySound:
      FShell.PlaySound(route.Target);
      break;
    case laOpenWithDesktop:
      FShell.OpenWithDesktop(route.Target);
      break;
    case laRunProgram:
      // Nothing runs without the user's word, given on the exact command.
      if (FShell.ConfirmRun(this, ProgramCommand(route)) &&
          !FShell.StartProgram(route.Target, route.Arguments))
        ShowError(QStringLiteral("Can't start program: ") + target);
      break;
    case laViewer:
    case laOpenByKind:
      break;
  }
}

void TTamblinF::viewerFormSubmit(const TStringList& results) { FFormResults.Append(results); }

void TTamblinF::viewerInclude(const std::u32string& command, const TStringList& params,
                              const char*& buffer, std::size_t& size) {
  size = 0;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  // Names are taken in the folder of the page being read, as its links are.
  auto resolve = [this](std::u32string_view name) {
    if (FLoadingFile.empty()) return viewer->ExpandLink(name);
    return ExpandLinkPath(name, viewer->ServerRoot(), U"", FullPath(FLoadingFile));
  };
  std::optional<std::string> text = IncludeText(command, params, local, resolve, ReadWholeFile);
  if (!text || text->empty()) return;
  FIncludeBuffer = std::move(*text);
  buffer = FIncludeBuffer.data();
  size = FIncludeBuffer.size();
}

void TTamblinF::viewerObjectClick(const TObjectClick& click) {
  if (std::optional<std::u32string> message = ObjectClickMessage(click))
    ShowMessage(QString::fromStdString(EncodeUtf8(*message)), QStringLiteral("plain"));
}

void TTamblinF::viewerRightClick(const TRightClickParameters& parameters) {
  PrepareImageMenu(PictureOfImage(parameters.ImageObj), parameters.Url);
  PopupMenu->popup(QCursor::pos());
}

void TTamblinF::PrepareImageMenu(const QImage& picture, const std::u32string& url) {
  FRightClickPicture = picture;
  const TImageMenu menu = ImageMenuFor(
      !picture.isNull(), url, [this](std::u32string_view link) { return viewer->ExpandLink(link); },
      viewer->DocFileName(),
      [](const std::string& file) {
        std::error_code error;
        return std::filesystem::exists(file, error);
      });
  FRightClickMenu = menu;
  // Items for a picture and a link show only over one; copying the text is always there.
  for (const char* name : {"Viewimage", "CopyImageToClipboard"}) {
    Action(name)->setEnabled(menu.ViewImage);
    Action(name)->setVisible(menu.ViewImage);
  }
  Action("OpenInNewWindow")->setEnabled(menu.OpenInNewWindow);
  Action("OpenInNewWindow")->setVisible(menu.OnLink);
  Action("CopyLinkLocation")->setEnabled(menu.OnLink);
  Action("CopyLinkLocation")->setVisible(menu.OnLink);
  Action("MenuItem1")->setVisible(menu.ViewImage && menu.OnLink);
  Action("MenuItem2")->setVisible(menu.ViewImage || menu.OnLink);
  const TSectionList& sections = viewer->Sections();
  Action("PopupCopy")->setEnabled(sections.SelectionStart < sections.SelectionEnd);
}

void TTamblinF::CopyLinkLocationClick() {
  if (FRightClickMenu.OnLink)
    QGuiApplication::clipboard()->setText(QFile::decodeName(FRightClickMenu.Link().c_str()));
}

void TTamblinF::Copy1Click() { viewer->CopySelectedText(); }

void TTamblinF::SelectAll1Click() { viewer->SelectAllText(); }

void TTamblinF::ViewimageClick() {
  if (FRightClickPicture.isNull()) return;
  auto* form = new TImageForm(this);
  form->setObjectName(QStringLiteral("ImageForm"));
  form->SetImageBitmap(FRightClickPicture);
  form->setWindowTitle(QString());
  form->show();
}

void TTamblinF::CopyImageToClipboardClick() {
  if (!FRightClickPicture.isNull()) QGuiApplication::clipboard()->setImage(FRightClickPicture);
}

void TTamblinF::OpenInNewWindowClick() {
  // As a file URL: its escapes carry any name, "#" and "%" included, to the new window's
  // command line unchanged.
  if (FRightClickMenu.OpenInNewWindow)
    FShell.StartInstance({FileUrl(FRightClickMenu.File) + FRightClickMenu.Anchor});
}

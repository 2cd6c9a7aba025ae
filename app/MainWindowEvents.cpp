// The main window's answers to the viewer's events.

#include <QClipboard>
#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QStatusBar>
#include <ctime>

#include "app/ImageForm.h"
#include "app/ImagePicture.h"
#include "app/LinkRouting.h"
#include "app/MainWindow.h"
#include "app/Shell.h"
#include "html/forms/FormControlObj.h"
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
    if (!on) FLoadingFile.clear();
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
  const TLinkRoute route = RouteLink(
      src, [this](std::u32string_view link) { return viewer->ExpandLink(link); },
      [](const std::string& path) {
        const QFileInfo file(QString::fromStdString(path));
        return file.isFile() && file.isExecutable();
      });
  if (route.Action == laViewer) {
    // The viewer follows the link itself: to this page when it is only an anchor.
    const std::u32string file = src.substr(0, src.find(U'#'));
    if (!file.empty() && OpenKindOf(viewer->ExpandLink(file)) == okHtml)
      FLoadingFile = viewer->ExpandLink(file);
    return;
  }
  handled = true;
  const QString target = QString::fromStdString(route.Target);
  if (route.Action != laDesktopUrl && !QFileInfo(target).isFile()) {
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
      [](const std::string& file) { return QFileInfo(QString::fromStdString(file)).isFile(); });
  FRightClickLink = menu.Link;
  Action("Viewimage")->setEnabled(menu.ViewImage);
  Action("CopyImageToClipboard")->setEnabled(menu.ViewImage);
  Action("OpenInNewWindow")->setEnabled(menu.OpenInNewWindow);
}

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
  if (!FRightClickLink.empty()) FShell.StartInstance({FRightClickLink});
}

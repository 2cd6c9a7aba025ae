#include "tools/PageBuild.h"

#include "html/builder/Builder.h"
#include "html/images/ImageSource.h"
#include "html/viewer/LinkPath.h"
#include "html/viewer/ProgressiveLoad.h"

#include <exception>

namespace {

// Pictures are files named relative to the page's folder, or to its BASE, as the viewer
// names them.
class TPageImages : public TImageSource {
 public:
  // base is read at each picture: a load in slices lays pictures out while the head is read.
  TPageImages(const std::string& fileName, const std::u32string& base)
      : FileName(FullPath(fileName)), Base(base) {}
  bool AnswersImageRequests() const override { return false; }
  const TMemoryStream* RequestImage(const std::u32string&) override { return nullptr; }
  std::string ImageFileName(std::u32string_view source) const override {
    return ExpandLinkPath(source, "", Base, FileName);
  }

 private:
  std::string FileName;
  const std::u32string& Base;
};

TPageStyleOptions PageStyleOptions(const std::string& fileName, bool use) {
  TPageStyleOptions styles;
  styles.UsePageStyles = use;
  styles.ResolveLink = [page = FullPath(fileName)](std::u32string_view link,
                                                  std::u32string_view base,
                                                  const std::string& from) {
    return ExpandLinkPath(link, "", base, from.empty() ? page : from);
  };
  return styles;
}

}  // namespace

TDocumentSummary BuildPage(const std::string& fileName, const TPageOptions& options,
                           TSectionList& document, TAnchorList& anchors, TCanvas& canvas) {
  document.SetDefaults(DefaultFontName, DefaultPreFontName, options.FontSize, DefaultFontColor,
                       DefaultHotSpotColor, DefaultBackground);
  document.OnSectionDropped = [&anchors](const TSectionBase& section) {
    anchors.RemoveWithin(section);
  };
  TDocumentHead head;
  const auto parse = [&](const TReadPace& pace) {
    if (options.AsText)
      ParseTextFile(document, anchors, fileName, head, pace);
    else
      ParseHtmlFile(document, anchors, fileName, {}, nullptr, {}, {}, {}, head,
                    PageStyleOptions(fileName, options.UsePageStyles), pace);
  };
  TPageImages images(fileName, head.BaseUrl);
  TDocumentSummary summary;
  if (options.Progressive) {
    document.ImageSource = &images;
    {
      TProgressiveLoad load(document, canvas, options.Top, options.Width, parse,
                            TSlicePacing{0, options.Piece, {}});
      while (load.RunSlice()) {
      }
      if (const std::exception_ptr failure = load.TakeFailure()) std::rethrow_exception(failure);
    }
    summary.Height = document.ArrangedHeight();
    summary.MaxWidth = document.ArrangedWidth();
  } else {
    parse(TReadPace());
    int cursor = 0;
    document.ImageSource = &images;
    summary.Height =
        document.Arrange(canvas, options.Top, options.Width, summary.MaxWidth, cursor);
  }
  document.ImageSource = nullptr;
  summary.Title = head.Title;
  summary.Base = head.BaseUrl;
  summary.BaseTarget = head.BaseTarget;
  return summary;
}

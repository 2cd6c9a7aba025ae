#include "tools/PageBuild.h"

#include "html/builder/Builder.h"
#include "html/images/ImageSource.h"
#include "html/viewer/LinkPath.h"

namespace {

// Pictures are files named relative to the page's folder, or to its BASE, as the viewer
// names them.
class TPageImages : public TImageSource {
 public:
  TPageImages(const std::string& fileName, const std::u32string& base)
      : FileName(FullPath(fileName)), Base(base) {}
  bool AnswersImageRequests() const override { return false; }
  const TMemoryStream* RequestImage(const std::u32string&) override { return nullptr; }
  std::string ImageFileName(std::u32string_view source) const override {
    return ExpandLinkPath(source, "", Base, FileName);
  }

 private:
  std::string FileName;
  std::u32string Base;
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
  if (options.AsText)
    ParseTextFile(document, anchors, fileName, head);
  else
    ParseHtmlFile(document, anchors, fileName, {}, nullptr, {}, {}, {}, head,
                  PageStyleOptions(fileName, options.UsePageStyles));

  TDocumentSummary summary{head.Title, head.BaseUrl, head.BaseTarget, 0, 0};
  int cursor = 0;
  TPageImages images(fileName, head.BaseUrl);
  document.ImageSource = &images;
  summary.Height = document.Arrange(canvas, options.Top, options.Width, summary.MaxWidth, cursor);
  document.ImageSource = nullptr;
  return summary;
}

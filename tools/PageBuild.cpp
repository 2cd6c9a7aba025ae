#include "tools/PageBuild.h"

#include "html/builder/Builder.h"

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
    ParseHtmlFile(document, anchors, fileName, {}, nullptr, {}, {}, {}, head);

  TDocumentSummary summary{head.Title, head.BaseUrl, head.BaseTarget, 0, 0};
  int cursor = 0;
  summary.Height = document.Arrange(canvas, options.Top, options.Width, summary.MaxWidth, cursor);
  return summary;
}

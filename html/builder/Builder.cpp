// The entry points: choose the source, run the builder, and clean up however the parse ends.
#include "html/builder/Builder.h"

#include "html/builder/HtmlBuilder.h"
#include "html/parser/DocumentSource.h"
#include "html/support/Errors.h"

namespace {

void BuildHtml(TSourceText source, TSectionList& document, TAnchorList& anchorList,
               const TMetaType& metaHandler, TriruRedu* viewer, const TSoundType& soundHandler,
               const TIncludeHandler& includeHandler, const TScriptEvent& scriptHandler,
               TDocumentHead& head, const TPageStyleOptions& styles) {
  THtmlBuilder builder(std::move(source), document, anchorList, head);
  builder.SetStyleOptions(styles);
  builder.MetaHandler = metaHandler;
  builder.SoundHandler = soundHandler;
  builder.ScriptHandler = scriptHandler;
  builder.SetViewer(viewer);
  builder.SetIncludeHandler(includeHandler);
  try {
    builder.BuildHtml();
  } catch (...) {
    builder.Finish();
    throw;
  }
  builder.Finish();
}

}  // namespace

void ParseHtmlBuffer(TSectionList& document, TAnchorList& anchorList, std::string_view buffer,
                     const TMetaType& metaHandler, TriruRedu* viewer,
                     const TSoundType& soundHandler, const TIncludeHandler& includeHandler,
                     const TScriptEvent& scriptHandler, TDocumentHead& head,
                     const TPageStyleOptions& styles) {
  BuildHtml(TSourceText(buffer), document, anchorList, metaHandler, viewer, soundHandler,
            includeHandler, scriptHandler, head, styles);
}

void ParseHtmlFile(TSectionList& document, TAnchorList& anchorList, const std::string& fileName,
                   const TMetaType& metaHandler, TriruRedu* viewer,
                   const TSoundType& soundHandler, const TIncludeHandler& includeHandler,
                   const TScriptEvent& scriptHandler, TDocumentHead& head,
                   const TPageStyleOptions& styles, const TReadPace& pace) {
  const std::unique_ptr<TByteSource> file = OpenDocumentSource(fileName);
  TPacedBytes paced(*file, pace);
  try {
    BuildHtml(TSourceText(paced), document, anchorList, metaHandler, viewer, soundHandler,
              includeHandler, scriptHandler, head, styles);
  } catch (const EParseRefused&) {
    throw;
  } catch (const EParseError&) {
    // A page that ends inside a comment shows what was read before it.
  }
}

void ParseTextFile(TSectionList& document, TAnchorList& anchorList, const std::string& fileName,
                   TDocumentHead& head, const TReadPace& pace) {
  const std::unique_ptr<TByteSource> file = OpenDocumentSource(fileName);
  TPacedBytes paced(*file, pace);
  THtmlBuilder builder(TSourceText(paced, TSourceKind::PlainText), document, anchorList, head);
  try {
    builder.BuildPlainText();
  } catch (const EParseError&) {
    // A comment left open at the end hides the rest of the file, as in a page.
  } catch (...) {
    builder.Finish();
    throw;
  }
  builder.Finish();
}

#pragma once
// Buffers that gather the selected text of a document. The sections append what they hold of
// the selection with AddText (see TSectionBase::CopySelection); the characters that stand for
// images and form controls (ImageMarker, ControlMarker) are left out. A buffer keeps all it is
// given, however long the selection: the text grows as it comes.

#include <string>
#include <string_view>

class TClipboard;
class TSectionList;

// What ends each copied line. Text on the Linux clipboard uses line feeds alone.
inline constexpr std::u32string_view LineBreak = U"\n";

// Keeps the characters of a selection in Text.
class SelTextBuf {
 public:
  SelTextBuf() = default;
  virtual ~SelTextBuf() = default;
  SelTextBuf(const SelTextBuf&) = delete;
  SelTextBuf& operator=(const SelTextBuf&) = delete;

  std::u32string Text;

  void AddText(std::u32string_view text);
  // Ends the gathering.
  virtual void Finish() {}
};

// Gathers a selection for the clipboard: Finish places the text there as plain text.
class ClipBuffer : public SelTextBuf {
 public:
  // clipboard must outlive the buffer.
  explicit ClipBuffer(TClipboard& clipboard) : Destination(clipboard) {}

  void Finish() override;

 private:
  TClipboard& Destination;
};

// How the spacers and rules copy: a line break into the document's buffer while a copy runs.
void CopyLineBreak(const TSectionList* document);

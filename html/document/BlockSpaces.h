#pragma once
// Vertical spaces between paragraphs and around headings. Their heights follow the document's
// default font size: n * FontSize / 12, rounded.

#include "html/document/SectionBase.h"

// The space of a P tag: 14 at the default size.
class TParagraphSpace : public TSectionBase {
 public:
  const char* KindName() const override { return "TParagraphSpace"; }
  // Copies as a line break.
  void CopySelection() override;
  void UpdateSpacing() override;
};

// The space above and below a heading: 16, 12, 10, 8, 6, 4 for levels 1 to 6, 8 for others.
class THeadingSpace : public TSectionBase {
 public:
  explicit THeadingSpace(int level) : HeadingLevel(level) {}

  int HeadingLevel;

  const char* KindName() const override { return "THeadingSpace"; }
  // Copies as a line break.
  void CopySelection() override;
  void UpdateSpacing() override;
};

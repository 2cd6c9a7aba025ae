#include "html/document/BlockSpaces.h"

#include "html/document/MyFont.h"
#include "html/document/SectionList.h"
#include "html/document/SelectionText.h"

void TParagraphSpace::UpdateSpacing() { FlowHeight = MulDiv(14, Document->FontSize, 12); }

void THeadingSpace::UpdateSpacing() {
  static constexpr int Spaces[] = {16, 12, 10, 8, 6, 4};
  const int n = HeadingLevel >= 1 && HeadingLevel <= 6 ? Spaces[HeadingLevel - 1] : 8;
  FlowHeight = MulDiv(n, Document->FontSize, 12);
}

void TParagraphSpace::CopySelection() { CopyLineBreak(Document); }

void THeadingSpace::CopySelection() { CopyLineBreak(Document); }

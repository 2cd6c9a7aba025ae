#pragma once
// The horizontal rule of an HR tag.

#include "html/document/SectionBase.h"
#include "html/parser/Attributes.h"
#include "platform/Color.h"

// Align values.
inline constexpr int raLeft = 1;
inline constexpr int raCentre = 2;
inline constexpr int raRight = 3;

class THorzLine : public TSectionBase {
 public:
  // Reads ALIGN, WIDTH, SIZE, COLOR and NOSHADE.
  explicit THorzLine(const TAttributeList& attributes);

  int Thickness = 2;     // pixels; SIZE 1 to 20
  int RuleWidth = -1;    // pixels, or percent with Percent; -1: none given
  bool Percent = false;
  TColor RuleColor = 0;  // a document colour, valid with HasColor
  int Align = raCentre;
  bool NoShade = false;
  bool HasColor = false;

  const char* KindName() const override { return "THorzLine"; }
  // Copies as a line break.
  void CopySelection() override;
  int Render(TCanvas& canvas, const TRect& clip, IndentManager& indent, int x, int y) override;
  void UpdateSpacing() override;
};

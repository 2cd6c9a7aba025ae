#include "html/document/CaseFold.h"

#include "html/support/LetterCase.h"

char32_t FoldCase(char32_t ch) {
  if (ch < 0x80) return LowerAscii(ch);
  // Latin-1: À..Þ, except the multiplication sign.
  if (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7) return ch + 0x20;
  if (ch >= 0x100 && ch <= 0x17F) {
    // Latin Extended-A pairs an upper-case letter with the lower-case one after it; the pairs
    // start on even codes except in the two stretches where they start on odd ones.
    if (ch == 0x130 || ch == 0x131 || ch == 0x138 || ch == 0x149 || ch == 0x17F) return ch;
    if (ch == 0x178) return 0xFF;  // Ÿ
    const bool oddPairs = (ch >= 0x139 && ch <= 0x148) || (ch >= 0x179 && ch <= 0x17E);
    return (ch % 2 == 1) == oddPairs ? ch + 1 : ch;
  }
  // Greek.
  if ((ch >= 0x391 && ch <= 0x3A9 && ch != 0x3A2)) return ch + 0x20;
  if (ch == 0x386) return 0x3AC;
  if (ch >= 0x388 && ch <= 0x38A) return ch + 0x25;
  if (ch == 0x38C) return 0x3CC;
  if (ch == 0x38E || ch == 0x38F) return ch + 0x3F;
  if (ch == 0x3C2) return 0x3C3;
  // Cyrillic.
  if (ch >= 0x410 && ch <= 0x42F) return ch + 0x20;
  if (ch >= 0x400 && ch <= 0x40F) return ch + 0x50;
  return ch;
}

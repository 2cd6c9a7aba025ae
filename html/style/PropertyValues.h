#pragma once
// Reading the value of one declaration into typed values.
//
// Supported, with the values each takes (every property also takes inherit, initial, unset
// and revert, which reads as unset):
//   display             none, inline, block, list-item; inline-block, inline-flex,
//                       inline-grid and inline-table as inline; flex, grid, table and
//                       flow-root as block. Table parts, contents and ruby are ignored.
//   color, background-color
//                       a colour (ColorValues.h)
//   background          its colour; without one, transparent. Pictures, positions and
//                       repeats are read and left aside.
//   font-family         families and the generic serif, sans-serif and monospace
//                       (system-ui and the ui- families as their kin); cursive, fantasy,
//                       emoji, math and fangsong are left out of the list.
//   font-size           lengths, percentages, xx-small .. xxx-large, smaller, larger
//   font-weight         normal, bold, bolder, lighter, 1 to 1000
//   font-style          normal, italic, oblique (as italic)
//   font                style, weight and size and family; variant, stretch and line
//                       height are read and left aside; system fonts are ignored.
//   text-decoration, text-decoration-line
//                       none, underline, line-through, overline, blink (no line)
//   vertical-align      baseline, sub, super; other values are ignored
//   text-align          left, right, center, justify, start, end
//   white-space         normal, pre, pre-wrap, pre-line, nowrap, break-spaces (pre-wrap)
//   margin-left, margin (its left part), padding-left, padding (its left part)
//                       lengths (auto margins are 0); percentages, of a width nobody knows
//                       while building, make the declaration ignored
//   list-style-type, list-style (its type)
//                       none, disc, circle, square, decimal, lower-alpha, upper-alpha,
//                       lower-latin, upper-latin, lower-roman, upper-roman
// Lengths are px, em, ex, ch, rem, pt, pc, in, cm, mm and q (0 needs no unit). Anything
// else, custom properties and var() included, is ignored.

#include <span>
#include <string_view>

#include "html/style/CssTokenizer.h"
#include "html/style/StyleValues.h"

// Reads the value (without white space around it and without "!important") of the
// property with this name and appends what it declares to list: one declaration, or one
// per property a shorthand sets. false, with nothing appended, when the property is not
// supported or the value is not valid for it.
bool ParseDeclarationValue(std::u32string_view name, std::span<const TCssToken> value,
                           bool important, TDeclarationList& list);

#pragma once
// The tool bar's six pictures, drawn by the program itself: open, mark, home, refresh, back
// and forward.

#include <QIcon>

enum TToolGlyph { tgOpen, tgMark, tgHome, tgRefresh, tgBack, tgForward };

QIcon ToolGlyph(TToolGlyph glyph);

#pragma once
// Where the viewer's selection (a match the find dialog found) stands on the screen, so that a
// dialog can keep clear of it.

#include <QRect>
#include <optional>

class TriruRedu;

// The band of the screen the selection's lines cover, as wide as the viewer's panel; none
// without a selection.
std::optional<QRect> SelectionOnScreen(const TriruRedu& viewer);

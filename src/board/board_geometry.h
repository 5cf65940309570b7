// Screen squares and board squares. Screen index 0 is the top-left square
// of the board as drawn, 63 the bottom-right; board squares use the rules
// library's numbering (row * 16 + column).
#pragma once

#include <QString>

// The board square shown at a screen index.
int ScreenToSquare(int index, bool flipped);
// The screen index that shows a board square.
int SquareToScreen(int square, bool flipped);
// The coordinate label of a screen index: "a8" top-left, or "h1" when flipped.
QString CoordinateText(int index, bool flipped);

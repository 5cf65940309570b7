// The board record as seen from inside the library: its current position
// and the per-level state behind the history.
#pragma once

#include "chess/chess.h"
#include "chess/position.h"

namespace chess_internal {

// The record's history depth, clamped to 1..kHistorySize.
int Depth(const BoardRecord& board);

// The record's current position. Castling rights and the en-passant
// column of the current history entry are reduced to what the placement
// allows, so a right the board cannot use is never acted on.
Position LoadPosition(const BoardRecord& board);

// Writes the placement and side to move: bitboards, Squares and Side.
void StorePlacement(BoardRecord& board, const Position& position);

// Makes the placement and side of the position the record's new start: a
// single history level holding the castling rights and en-passant column
// as given (they take effect only while the placement allows them), the
// given halfmove clock, and every later level cleared.
void ResetRecord(BoardRecord& board, const Position& placement, int castling, int epColumn,
                 int halfmoveClock);

// Public en-passant column (4..11, 0 none) of the position.
inline int EpColumn(const Position& position) {
  return position.epSquare == kNoSquare ? 0 : FileOf(position.epSquare) + 4;
}

}  // namespace chess_internal

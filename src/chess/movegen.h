// Legal move generation (internal). Every function here expects a position
// with exactly one king of each colour (HasBothKings); the public calls
// check that first. Kings are never captured: a position in which the side
// not to move is in check (only the position editor can set one up) gets
// its ordinary moves, but none that takes the king.
#pragma once

#include <cstdint>

#include "chess/position.h"

namespace chess_internal {

// A legal chess position has at most 218 moves, but the editor can set up
// any material. Any position has at most 29 moves to one square (8
// sliders, 8 knights, the king, and 3 pawn moves with 4 promotion pieces
// each), so 64 * 29 + 2 castlings fit.
inline constexpr int kMaxMoves = 2048;

struct MoveList {
  Move moves[kMaxMoves];
  int size = 0;
  void Add(int from, int to, int promotion, int kind) {
    if (size < kMaxMoves) {
      moves[size++] = Move{static_cast<uint8_t>(from), static_cast<uint8_t>(to),
                           static_cast<uint8_t>(promotion), static_cast<uint8_t>(kind)};
    }
  }
  const Move* begin() const { return moves; }
  const Move* end() const { return moves + size; }
};

void GenerateLegal(const Position& position, MoveList& list);
int CountLegal(const Position& position);
uint64_t Perft(const Position& position, int depth);

// An en-passant capture is among the legal moves.
bool EnPassantPossible(const Position& position);

// True when the move takes a piece (en passant included).
bool IsCapture(const Position& position, const Move& move);

// The move of the list with the from, to and promotion fields of a public
// move code, or null; a promotion field on a move that is no promotion
// matches nothing.
const Move* FindMove(const MoveList& list, int32_t code);
// The same among the legal moves of the position.
bool FindLegalMove(const Position& position, int32_t code, Move& found);

// The clean public move code of a generated move.
int32_t PublicCode(const Move& move);

}  // namespace chess_internal

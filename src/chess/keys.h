// Position keys (internal): Zobrist hashing of what makes two positions the
// same for the repetition rule and the opening table.
#pragma once

#include <cstdint>

#include "chess/position.h"

namespace chess_internal {

// Placement, side to move, castling rights, and the en-passant file only
// when an en-passant capture is actually possible (a double step that no
// pawn can answer does not make the position different).
uint64_t PositionKey(const Position& position);

}  // namespace chess_internal

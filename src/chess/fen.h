// FEN reading (internal), shared by ChessFen2Board and the opening table.
#pragma once

#include <string_view>

#include "chess/position.h"

namespace chess_internal {

// Reads placement, side to move and, when present, castling rights, the
// en-passant square and the halfmove clock (0 when absent or not a
// number); text after the halfmove clock is ignored. Returns false for
// text that is not a FEN of a possible position: see ChessFen2Board.
bool ParseFen(std::string_view text, Position& position, int& halfmoveClock);

}  // namespace chess_internal

// Checks shared by the fuzz targets: a failed check aborts, which
// libFuzzer reports with the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "chess/chess.h"

#define FUZZ_CHECK(condition)                                                            \
  do {                                                                                   \
    if (!(condition)) {                                                                  \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                      \
    }                                                                                    \
  } while (false)

// Every legal move of the board (found by trying each piece of the side to
// move on every square, pawns with each promotion) is taken back to the
// same record byte for byte and reads back from its SAN, and their number
// is what ChessGenMoves counts.
inline void CheckEveryMove(BoardRecord& board) {
  static BoardRecord before;
  before = board;
  const int own = board.Side == 0 ? 8 : 16;
  int count = 0;
  for (int from = 0; from < 128; ++from) {
    const int content = IsBoardSquare(from) ? board.Squares[from] : 0;
    if (content < own || content > own + 5) continue;
    const int promotions = content == own + 5 ? 4 : 1;
    for (int to = 0; to < 128; ++to) {
      for (int promotion = 0; IsBoardSquare(to) && promotion < promotions; ++promotion) {
        const int32_t move = MakeMove(from, to, promotion);
        int flags = 0;
        if (!ChessTryMove(board, flags, move)) continue;
        ++count;
        FUZZ_CHECK(ChessUndoMove(board) == flags);
        FUZZ_CHECK(std::memcmp(&board, &before, sizeof board) == 0);
        FUZZ_CHECK(ChessAlg2Move(board, ChessMove2Alg(board, move)) == move);
      }
    }
  }
  FUZZ_CHECK(count == ChessGenMoves(board));
}

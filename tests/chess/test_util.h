// Helpers shared by the rules library tests.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "chess/chess.h"
#include "chess/movegen.h"
#include "chess/record.h"

// Square number of a square name such as "e4".
inline int Sq(std::string_view name) {
  return SquareAt(name[0] - 'a' + 4, '8' - name[1]);
}

inline BoardRecord BoardFrom(std::string_view fen) {
  BoardRecord board{};
  EXPECT_TRUE(ChessFen2Board(board, fen)) << fen;
  return board;
}

// Plays the moves (any text ChessAlg2Move reads, separated by spaces) and
// returns the flags of the last one; fails the test on a refused move.
inline int Play(BoardRecord& board, std::string_view moves) {
  std::istringstream tokens{std::string(moves)};
  std::string token;
  int flags = 0;
  while (tokens >> token) {
    const int32_t move = ChessAlg2Move(board, token);
    EXPECT_NE(move, 0) << token << " in " << ChessBoard2Fen(board);
    if (!ChessTryMove(board, flags, move)) {
      ADD_FAILURE() << "refused: " << token;
      return -1;
    }
  }
  return flags;
}

// The legal moves as clean move codes, from the library's own generator.
inline std::vector<int32_t> LegalMoves(const BoardRecord& board) {
  const chess_internal::Position p = chess_internal::LoadPosition(board);
  std::vector<int32_t> codes;
  if (!chess_internal::HasBothKings(p)) return codes;
  chess_internal::MoveList list;
  chess_internal::GenerateLegal(p, list);
  for (const chess_internal::Move& move : list) codes.push_back(chess_internal::PublicCode(move));
  return codes;
}

inline bool SameRecord(const BoardRecord& a, const BoardRecord& b) {
  return std::memcmp(&a, &b, sizeof(BoardRecord)) == 0;
}

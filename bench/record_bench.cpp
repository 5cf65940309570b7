// The rules library under the game record's load: applying a game of
// 1,000 plies the way the record does it, and loading the opening table.
//
//   record_bench [path of ECO.TXT]   (default: ECO.TXT beside the program)
//
// Per ply: the SAN text read back to a move (ChessAlg2Move, as the PGN
// reader does), the legality test (ChessTryMove and ChessUndoMove), the
// notation (ChessMove2Alg), the move itself (ChessTryMove), and for the
// first 63 plies the opening search over all moves so far. The game is a
// fixed pseudo-random legal game. Prints the best of five runs; the
// targets are well under 5 ms for the plies and under 10 ms for the table.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "chess/chess.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point since) {
  return std::chrono::duration<double, std::milli>(Clock::now() - since).count();
}

// SAN of a legal game of the given length from the initial position: each
// move is picked by a fixed generator among the moves that do not end it.
std::vector<std::string> MakeGame(int plies) {
  BoardRecord board{};
  ChessFen2Board(board, kStandardFen);
  std::vector<std::string> game;
  uint64_t state = 12345;
  while (static_cast<int>(game.size()) < plies) {
    std::vector<int32_t> moves;
    for (int from = 0; from < 128; ++from) {
      for (int to = 0; IsBoardSquare(from) && to < 128; ++to) {
        int flags = 0;
        if (!IsBoardSquare(to) || !ChessTryMove(board, flags, MakeMove(from, to))) continue;
        ChessUndoMove(board);
        if (!(flags & kFlagNoMoves)) moves.push_back(MakeMove(from, to));
      }
    }
    if (moves.empty()) break;
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    const int32_t move = moves[(state >> 33) % moves.size()];
    game.push_back(ChessMove2Alg(board, move));
    int flags = 0;
    ChessTryMove(board, flags, move);
  }
  return game;
}

double ApplyGame(const std::vector<std::string>& game, const EcoTable& table) {
  BoardRecord board{};
  ChessFen2Board(board, kStandardFen);
  std::vector<int32_t> played;
  const Clock::time_point start = Clock::now();
  for (const std::string& san : game) {
    const int32_t move = ChessAlg2Move(board, san);
    int flags = 0;
    if (!ChessTryMove(board, flags, move)) return -1;
    ChessUndoMove(board);
    std::string notation = ChessMove2Alg(board, move);
    if (flags & kFlagCheck) notation += (flags & kFlagNoMoves) ? "#" : "+";
    ChessTryMove(board, flags, move);
    played.push_back(move);
    if (played.size() < 64) ChessSearchEco(table, played);
  }
  return Milliseconds(start);
}

}  // namespace

int main(int argc, char** argv) {
  ChessInit();
  const std::string ecoPath = argc > 1 ? argv[1] : "ECO.TXT";
  double load = 1e9;
  EcoTable table;
  for (int run = 0; run < 5; ++run) {
    const Clock::time_point start = Clock::now();
    if (!ChessLoadEco(table, ecoPath)) {
      std::fprintf(stderr, "cannot load %s\n", ecoPath.c_str());
      return 1;
    }
    load = std::min(load, Milliseconds(start));
  }
  const std::vector<std::string> game = MakeGame(1000);
  double apply = 1e9;
  for (int run = 0; run < 5; ++run) apply = std::min(apply, ApplyGame(game, table));
  if (apply < 0) {
    std::fprintf(stderr, "the game could not be replayed\n");
    return 1;
  }
  std::printf("opening table: %zu positions loaded in %.2f ms\n", table.byPosition.size(), load);
  std::printf("game of %zu plies applied in %.2f ms (%.2f us per ply)\n", game.size(), apply,
              apply * 1000 / static_cast<double>(game.size()));
  return 0;
}

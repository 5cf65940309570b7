// Applying a long game through the game record: 1,000 plies in silent mode
// (legality, notation, check and draw flags, repetition bookkeeping), as a
// file load does. Prints the median time of several runs.
//
//   build/bin/game_bench
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <vector>

#include "fake_gateways.h"
#include "game/game.h"

namespace {

// A random legal game of the given length (fixed seed), or an empty list
// when the random game ended earlier.
std::vector<int32_t> RandomGame(unsigned seed, int plies) {
  std::mt19937 random(seed);
  BoardRecord board;
  ChessFen2Board(board, kStandardFen);
  std::vector<int32_t> game;
  while (static_cast<int>(game.size()) < plies) {
    std::vector<int32_t> legal;
    for (int from = 0; from < 128; ++from) {
      if (!IsBoardSquare(from)) continue;
      for (int to = 0; to < 128; ++to) {
        int flags = 0;
        const int32_t move = MakeMove(from, to);
        if (IsBoardSquare(to) && ChessTryMove(board, flags, move)) {
          ChessUndoMove(board);
          legal.push_back(move);
        }
      }
    }
    if (legal.empty()) return {};
    const int32_t move = legal[random() % legal.size()];
    int flags = 0;
    ChessTryMove(board, flags, move);
    game.push_back(move);
  }
  return game;
}

}  // namespace

int main(int, char** argv) {
  ChessInit();
  std::vector<int32_t> moves;
  for (unsigned seed = 1; moves.empty(); ++seed) moves = RandomGame(seed, 1000);

  Settings settings;
  FakeGateways ui;  // silent mode asks nothing and plays nothing
  EcoTable eco;
  ChessLoadEco(eco, (std::filesystem::path(argv[0]).parent_path() / "ECO.TXT").string());
  Game game(settings, ui, eco);
  std::vector<double> times;
  for (int run = 0; run < 21; ++run) {
    const auto start = std::chrono::steady_clock::now();
    game.NewGame(false, false);
    for (const int32_t move : moves) game.ApplyMove(move, kModeSilent, 0);
    const auto end = std::chrono::steady_clock::now();
    if (game.LastPly != 1000) {
      std::printf("the game stopped at ply %d\n", game.LastPly);
      return 1;
    }
    times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  std::sort(times.begin(), times.end());
  std::printf("1000 plies through ApplyMove (silent): median %.3f ms, best %.3f ms\n",
              times[times.size() / 2], times.front());
  return 0;
}

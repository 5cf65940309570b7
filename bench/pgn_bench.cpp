// Reading and writing a long game: a game of 1,000 plies with a comment on
// every fourth ply is written as PGN text and read back, in memory and
// through a file.
//
//   cmake --build build --target pgn_bench && build/bin/pgn_bench
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "fake_gateways.h"
#include "files/pgn_reader.h"
#include "files/pgn_writer.h"
#include "files/text_decoding.h"
#include "game/game.h"

namespace {

// Coordinate text of a square of the board record.
std::string SquareName(int square) {
  return {char('a' + (square % 16) - 4), char('8' - square / 16)};
}

// A game of random legal moves (fixed seed) with comments.
void MakeLongGame(Game& game, int plies) {
  uint32_t seed = 2026;
  while (game.LastPly < plies) {
    std::vector<int32_t> legal;
    for (int from = 0; from < 128; ++from) {
      const int content = game.Board.Squares[from];
      if (!IsBoardSquare(from) || content == 0 || (content >= 16) != (game.SideToMove == 1))
        continue;
      for (int to = 0; to < 128; ++to) {
        if (!IsBoardSquare(to)) continue;
        for (const char* promotion : {"", "q"}) {
          const std::string text = SquareName(from) + SquareName(to) + promotion;
          if (const int32_t move = ChessAlg2Move(game.Board, text)) legal.push_back(move);
        }
      }
    }
    if (legal.empty()) {  // the game ended early: start over with other moves
      game.NewGame(false, false);
      continue;
    }
    seed = seed * 1664525 + 1013904223;
    game.ApplyMove(legal[(seed >> 8) % legal.size()], kModeSilent, 0);
    if (game.LastPly % 4 == 0)
      game.GameComments[game.LastPly] =
          QString("Comment at ply %1: the position (after a quiet move) deserves a look.")
              .arg(game.LastPly);
  }
}

// Median time of one call in milliseconds.
double MedianMs(const std::function<void()>& work, int runs = 31) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main() {
  ChessInit();
  Settings settings;
  FakeGateways ui;
  EcoTable eco;
  Game game(settings, ui, eco);
  Game copy(settings, ui, eco);
  MakeLongGame(game, 1000);
  const QString text = PgnText(game);

  QTemporaryDir dir;
  const QString path = dir.filePath("long.pgn");
  std::printf("game: %d plies, %lld characters of PGN\n", game.LastPly,
              static_cast<long long>(text.size()));
  std::printf("write, text only  (PgnText):            %7.3f ms\n",
              MedianMs([&] { (void)PgnText(game); }));
  std::printf("write, to a file  (SaveGameFile):       %7.3f ms\n", MedianMs([&] {
                game.GameFileName = path;
                SaveGameFile(game, false, {});
              }));
  std::printf("read, text only   (ReadGameText):       %7.3f ms\n",
              MedianMs([&] { ReadGameText(copy, text); }));
  std::printf("read, from a file (LoadGameFile):       %7.3f ms\n", MedianMs([&] {
                copy.GameFileName = path;
                LoadGameFile(copy, false, {});
              }));
  return copy.LastPly == game.LastPly ? 0 : 1;
}

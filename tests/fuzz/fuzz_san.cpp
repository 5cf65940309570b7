// ChessAlg2Move on any text in a few fixed positions: a move it names is
// legal, clean (from, to and promotion only) and reads back from its SAN.
#include <string_view>

#include "fuzz_check.h"

namespace {

constexpr const char* kPositions[] = {
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -",
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -",
    "r3k2r/1P1p4/8/4pP2/8/8/8/R3K2R w KQkq e6",
    "4k3/8/8/2N5/8/2N3N1/8/4K3 w - -",
    "r2q1rk1/pP1p2pp/Q4n2/bbp1p3/Np6/1B3NBn/pPPP1PPP/R3K2R b KQ -",
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static BoardRecord boards[std::size(kPositions)];
  static bool ready = false;
  if (!ready) {
    for (size_t i = 0; i < std::size(kPositions); ++i)
      FUZZ_CHECK(ChessFen2Board(boards[i], kPositions[i]));
    ready = true;
  }
  if (size == 0) return 0;
  BoardRecord& board = boards[data[0] % std::size(kPositions)];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const int32_t move = ChessAlg2Move(board, text);
  if (move == 0) return 0;
  FUZZ_CHECK(move == MakeMove(MoveFrom(move), MoveTo(move), MovePromotion(move)));
  FUZZ_CHECK(ChessAlg2Move(board, ChessMove2Alg(board, move)) == move);
  int flags = 0;
  FUZZ_CHECK(ChessTryMove(board, flags, move));
  FUZZ_CHECK(ChessUndoMove(board) == flags);
  return 0;
}

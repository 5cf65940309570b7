// ChessFen2Board on any text: a FEN it accepts writes back as a FEN that
// reads to the same board, and every move of that board behaves.
#include <string_view>

#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const BoardRecord kEmpty{};
  static BoardRecord board;
  static BoardRecord again;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (!ChessFen2Board(board, text)) {
    FUZZ_CHECK(std::memcmp(&board, &kEmpty, sizeof board) == 0);
    FUZZ_CHECK(ChessBoard2Fen(board) == "8/8/8/8/8/8/8/8 w - -");
    return 0;
  }
  const std::string fen = ChessBoard2Fen(board);
  FUZZ_CHECK(ChessFen2Board(again, fen));
  FUZZ_CHECK(ChessBoard2Fen(again) == fen);
  FUZZ_CHECK(std::memcmp(again.Squares, board.Squares, sizeof board.Squares) == 0);
  CheckEveryMove(board);
  return 0;
}

// ChessCoord2Move on any text: it names a move exactly when the first four
// characters are file, rank, file, rank, and the move writes back as them.
#include <string_view>

#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static BoardRecord empty;
  static BoardRecord start;
  static bool ready = false;
  if (!ready) {
    FUZZ_CHECK(ChessFen2Board(start, kStandardFen));
    ready = true;
  }
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const int32_t move = ChessCoord2Move(text);
  const auto isFile = [](char c) { return c >= 'a' && c <= 'h'; };
  const auto isRank = [](char c) { return c >= '1' && c <= '8'; };
  const bool wellFormed =
      size >= 4 && isFile(text[0]) && isRank(text[1]) && isFile(text[2]) && isRank(text[3]);
  FUZZ_CHECK((move != 0) == wellFormed);
  if (move == 0) return 0;
  FUZZ_CHECK(ChessMove2Coord(empty, move) == text.substr(0, 4));
  int flags = 0;
  if (ChessTryMove(start, flags, move)) FUZZ_CHECK(ChessUndoMove(start) == flags);
  return 0;
}

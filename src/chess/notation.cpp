// Move text out: standard algebraic notation and coordinate text, and
// coordinate text in. Reading algebraic text is in san_reader.cpp.
#include "chess/movegen.h"
#include "chess/record.h"

using namespace chess_internal;

namespace {

constexpr const char* kPieceLetters = "KQRBNP";

void AppendSquare(std::string& text, int square) {
  text += static_cast<char>('a' + FileOf(square));
  text += static_cast<char>('1' + RankOf(square));
}

std::string San(const Position& p, const Move& move, const MoveList& legal) {
  if (move.kind == kCastling) return move.to > move.from ? "O-O" : "O-O-O";
  const int type = p.TypeAt(move.from);
  const bool capture = IsCapture(p, move);
  std::string text;
  if (type == kPawn) {
    if (capture) {
      text += static_cast<char>('a' + FileOf(move.from));
      text += 'x';
    }
    AppendSquare(text, move.to);
    if (move.promotion != 0) {
      text += '=';
      text += kPieceLetters[move.promotion];
    }
    return text;
  }
  text += kPieceLetters[type];
  // Disambiguate by file, else by rank, else by both.
  bool ambiguous = false;
  bool sameFile = false;
  bool sameRank = false;
  for (const Move& other : legal) {
    if (other.to != move.to || other.from == move.from || p.TypeAt(other.from) != type) continue;
    ambiguous = true;
    sameFile |= FileOf(other.from) == FileOf(move.from);
    sameRank |= RankOf(other.from) == RankOf(move.from);
  }
  if (ambiguous) {
    if (!sameFile || sameRank) text += static_cast<char>('a' + FileOf(move.from));
    if (sameFile) text += static_cast<char>('1' + RankOf(move.from));
  }
  if (capture) text += 'x';
  AppendSquare(text, move.to);
  return text;
}

}  // namespace

std::string ChessMove2Alg(const BoardRecord& board, int32_t move) {
  ChessInit();
  const Position p = LoadPosition(board);
  if (HasBothKings(p)) {
    MoveList legal;
    GenerateLegal(p, legal);
    if (const Move* found = FindMove(legal, move)) return San(p, *found, legal);
  }
  return ChessMove2Coord(board, move);
}

std::string ChessMove2Coord(const BoardRecord& board, int32_t move) {
  const int from = MoveFrom(move);
  const int to = MoveTo(move);
  if (!IsBoardSquare(from) || !IsBoardSquare(to)) return "";
  std::string text{FileLetter(from), RankDigit(from), FileLetter(to), RankDigit(to)};
  const int content = board.Squares[from];
  const int row = to / 16;
  if (IsPieceContent(content) && (content & 7) == kPawn && (row == 0 || row == 7)) {
    text += "qrbn"[MovePromotion(move)];
  }
  return text;
}

int32_t ChessCoord2Move(std::string_view text) {
  const auto isFile = [](char c) { return c >= 'a' && c <= 'h'; };
  const auto isRank = [](char c) { return c >= '1' && c <= '8'; };
  if (text.size() < 4 || !isFile(text[0]) || !isRank(text[1]) || !isFile(text[2]) ||
      !isRank(text[3])) {
    return 0;
  }
  const auto square = [](char file, char rank) { return SquareAt(file - 'a' + 4, '8' - rank); };
  int promotion = 0;
  if (text.size() >= 5) {
    const size_t found = std::string_view("rbn").find(text[4]);
    if (found != std::string_view::npos) promotion = static_cast<int>(found) + 1;
  }
  return MakeMove(square(text[0], text[1]), square(text[2], text[3]), promotion);
}

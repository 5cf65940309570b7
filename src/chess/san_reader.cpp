// Reading a move typed or read from a game file: standard algebraic
// notation and the variants players write. The text is matched against
// the legal moves and names a move only when exactly one fits; no guess.
//
// Accepted, after surrounding spaces and any trailing "+", "#", "!", "?"
// (and an "e.p." mark) are taken off:
//   castling      O-O, O-O-O, also with zeros (0-0) or lower-case o;
//   SAN           [piece][from file][from rank][x]square[[=]promotion];
//                 the piece letter is upper case (K Q R B N, P for a pawn)
//                 or lower case k q r n; a lower-case b is always a file;
//   long and coordinate text
//                 [piece]square[-|x]square[[=]promotion]: e2e4, e2-e4,
//                 Ng1-f3, Ng1f3, e7e8q, e7e8=Q.
// A pawn written without a from-file moves on its own file. "x" (or ":")
// requires a capture; a capture written without "x" is still read. A pawn
// reaching the last rank needs its promotion piece, and a promotion piece
// on any other move matches nothing.
#include <cctype>

#include "chess/movegen.h"
#include "chess/record.h"

using namespace chess_internal;

namespace {

struct Pattern {
  int castling = 0;  // 1 kingside, 2 queenside, 0 another move
  int piece = -1;    // piece type; -1 any (the from-square was written in full)
  int fromFile = -1;
  int fromRank = -1;
  int to = kNoSquare;
  int promotion = -1;  // piece type promoted to, -1 none written
  bool capture = false;
};

// Piece type of a piece letter, -1 for any other character.
int PieceOfLetter(char c) {
  const size_t upper = std::string_view("KQRBNP").find(c);
  if (upper != std::string_view::npos) return static_cast<int>(upper);
  const size_t lower = c == 'b' ? std::string_view::npos : std::string_view("kqrbn").find(c);
  return lower == std::string_view::npos ? -1 : static_cast<int>(lower);
}

bool IsFile(char c) {
  return c >= 'a' && c <= 'h';
}
bool IsRank(char c) {
  return c >= '1' && c <= '8';
}

std::string_view StripDecorations(std::string_view text) {
  const auto strip = [&text](std::string_view chars) {
    while (!text.empty() && chars.find(text.back()) != std::string_view::npos) {
      text.remove_suffix(1);
    }
  };
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
    text.remove_prefix(1);
  }
  strip(" \t\r\n+#!?");
  if (text.ends_with("e.p.")) text.remove_suffix(4);
  strip(" \t\r\n+#!?");
  return text;
}

bool ParsePattern(std::string_view text, Pattern& pattern) {
  if (text == "O-O" || text == "0-0" || text == "o-o") {
    pattern.castling = 1;
    return true;
  }
  if (text == "O-O-O" || text == "0-0-0" || text == "o-o-o") {
    pattern.castling = 2;
    return true;
  }
  if (text.empty()) return false;
  if (const int piece = PieceOfLetter(text.front()); piece >= 0) {
    pattern.piece = piece;
    text.remove_prefix(1);
  }
  if (!text.empty() && !IsRank(text.back())) {  // promotion piece, maybe after "="
    const int piece = text.back() == 'b' ? kBishop : PieceOfLetter(text.back());
    if (piece < kQueen || piece > kKnight) return false;
    pattern.promotion = piece;
    text.remove_suffix(1);
    if (text.ends_with('=')) text.remove_suffix(1);
  }
  if (text.size() < 2 || !IsFile(text[text.size() - 2]) || !IsRank(text.back())) return false;
  pattern.to = MakeSquare(text[text.size() - 2] - 'a', text.back() - '1');
  text.remove_suffix(2);
  char separator = 0;
  if (!text.empty() && std::string_view("-x:").find(text.back()) != std::string_view::npos) {
    separator = text.back();
    text.remove_suffix(1);
  }
  if (!text.empty() && IsRank(text.back())) {
    pattern.fromRank = text.back() - '1';
    text.remove_suffix(1);
  }
  if (!text.empty() && IsFile(text.back())) {
    pattern.fromFile = text.back() - 'a';
    text.remove_suffix(1);
  }
  if (!text.empty()) return false;

  const bool fullFrom = pattern.fromFile >= 0 && pattern.fromRank >= 0;
  if (separator == '-' && !fullFrom) return false;
  pattern.capture = separator == 'x' || separator == ':';
  if (pattern.piece < 0 && !fullFrom) pattern.piece = kPawn;
  if (pattern.piece == kPawn && !fullFrom) {
    if (pattern.fromRank >= 0) return false;
    if (pattern.fromFile < 0) pattern.fromFile = FileOf(pattern.to);
  }
  return true;
}

bool Fits(const Position& p, const Move& move, const Pattern& pattern) {
  if (pattern.castling != 0) {
    return move.kind == kCastling && (move.to > move.from) == (pattern.castling == 1);
  }
  if (move.to != pattern.to) return false;
  if (pattern.piece >= 0 && p.TypeAt(move.from) != pattern.piece) return false;
  if (pattern.fromFile >= 0 && FileOf(move.from) != pattern.fromFile) return false;
  if (pattern.fromRank >= 0 && RankOf(move.from) != pattern.fromRank) return false;
  if (pattern.capture && !IsCapture(p, move)) return false;
  return pattern.promotion < 0 || move.promotion == pattern.promotion;
}

}  // namespace

int32_t ChessAlg2Move(const BoardRecord& board, std::string_view text) {
  ChessInit();
  text = StripDecorations(text);
  Pattern pattern;
  if (text.size() > 16 || !ParsePattern(text, pattern)) return 0;
  const Position p = LoadPosition(board);
  if (!HasBothKings(p)) return 0;
  MoveList legal;
  GenerateLegal(p, legal);
  const Move* found = nullptr;
  for (const Move& move : legal) {
    if (!Fits(p, move, pattern)) continue;
    if (found != nullptr) return 0;  // more than one move fits
    found = &move;
  }
  return found != nullptr ? PublicCode(*found) : 0;
}

// Moves on the board record: ChessTryMove with its result flags and draw
// bookkeeping, ChessUndoMove, and the calls that only read the position.
#include "chess/record.h"

#include <algorithm>
#include <mutex>

#include "chess/keys.h"
#include "chess/movegen.h"

using namespace chess_internal;

namespace chess_internal {

int Depth(const BoardRecord& board) {
  return std::clamp(board.HistoryDepth, 1, kHistorySize);
}

Position LoadPosition(const BoardRecord& board) {
  Position p;
  std::copy(std::begin(board.ByType), std::end(board.ByType), p.byType);
  std::copy(std::begin(board.ByColour), std::end(board.ByColour), p.byColour);
  p.side = board.Side == kBlack ? kBlack : kWhite;
  const int32_t entry = board.History[Depth(board) - 1];
  p.castling = PlausibleCastling(p, MoveCastling(entry));
  p.epSquare = PlausibleEpSquare(p, MoveEnPassant(entry));
  return p;
}

void StorePlacement(BoardRecord& board, const Position& p) {
  std::copy(std::begin(p.byType), std::end(p.byType), board.ByType);
  std::copy(std::begin(p.byColour), std::end(p.byColour), board.ByColour);
  board.Side = p.side;
  std::fill(std::begin(board.Squares), std::end(board.Squares), uint8_t{0});
  for (int colour = kWhite; colour <= kBlack; ++colour) {
    for (int type = kKing; type <= kPawn; ++type) {
      for (Bitboard b = p.Pieces(colour, type); b;) {
        board.Squares[ToBoard128(PopLsb(b))] = static_cast<uint8_t>(ContentOf(colour, type));
      }
    }
  }
}

void ResetRecord(BoardRecord& board, const Position& placement, int castling, int epColumn,
                 int halfmoveClock) {
  Position p = placement;
  castling &= 15;
  if (epColumn < 4 || epColumn > 11) epColumn = 0;
  p.castling = PlausibleCastling(p, castling);
  p.epSquare = PlausibleEpSquare(p, epColumn);
  StorePlacement(board, p);
  std::fill(std::begin(board.History), std::end(board.History), 0);
  std::fill(std::begin(board.Keys), std::end(board.Keys), 0);
  std::fill(std::begin(board.Clock), std::end(board.Clock), uint16_t{0});
  std::fill(std::begin(board.MoveFlags), std::end(board.MoveFlags), uint16_t{0});
  std::fill(std::begin(board.Captured), std::end(board.Captured), uint8_t{0});
  board.HistoryDepth = 1;
  board.History[0] = castling * 65536 + epColumn * 1048576;
  board.Keys[0] = PositionKey(p);
  board.Clock[0] = static_cast<uint16_t>(std::clamp(halfmoveClock, 0, 65535));
}

}  // namespace chess_internal

void ChessInit() {
  static std::once_flag once;
  std::call_once(once, InitAttackTables);
}

bool ChessTryMove(BoardRecord& board, int& flags, int32_t move) {
  ChessInit();
  flags = 0;
  const Position before = LoadPosition(board);
  const int depth = Depth(board);
  Move legal;
  if (depth >= kHistorySize || !HasBothKings(before) || !FindLegalMove(before, move, legal)) {
    // Only a refusal whose from-square holds a piece of the side to move
    // (the player picked up a piece and chose a wrong square, or the
    // history is full) sets kFlagOwnPiece; a click on an empty square or
    // an opponent's piece stays silent.
    const int from = MoveFrom(move);
    if (IsBoardSquare(from) && (before.byColour[before.side] & Bit(FromBoard128(from)))) {
      flags = kFlagOwnPiece;
    }
    return false;
  }

  const int them = before.side ^ 1;
  int result = 0;
  int captured = 0;
  if (legal.kind == kEnPassant) {
    result |= kFlagCapture | kFlagEnPassant;
    captured = ContentOf(them, kPawn);
  } else if (before.byColour[them] & Bit(legal.to)) {
    result |= kFlagCapture;
    captured = before.ContentAt(legal.to);
  }
  if (legal.kind == kCastling) result |= kFlagCastling;
  if (legal.promotion != 0) result |= kFlagPromotion;

  Position after = before;
  PlayMove(after, legal);
  const bool irreversible = captured != 0 || (before.byType[kPawn] & Bit(legal.from));
  const int clock = irreversible ? 0 : std::min(board.Clock[depth - 1] + 1, 65535);
  const uint64_t key = PositionKey(after);
  const bool check = Checkers(after) != 0;
  const bool noMoves = CountLegal(after) == 0;
  if (check) result |= kFlagCheck;
  if (noMoves) result |= kFlagNoMoves;
  // Threefold repetition: the same position, same side to move, stood
  // twice before since the last capture or pawn move (and since the board
  // was set).
  int seen = 0;
  for (int level = depth - 2; level >= 0 && level >= depth - clock; level -= 2) {
    if (board.Keys[level] == key) ++seen;
  }
  if (seen >= 2) result |= kFlagRepetition;
  // A mate on the hundredth half-move stands; the fifty-move draw does not.
  if (clock >= 100 && !(check && noMoves)) result |= kFlagFiftyMoves;
  if (InsufficientMaterial(after)) result |= kFlagInsufficient;

  StorePlacement(board, after);
  board.History[depth] = PublicCode(legal) + after.castling * 65536 + EpColumn(after) * 1048576;
  board.Keys[depth] = key;
  board.Clock[depth] = static_cast<uint16_t>(clock);
  board.MoveFlags[depth] = static_cast<uint16_t>(result);
  board.Captured[depth] = static_cast<uint8_t>(captured);
  board.HistoryDepth = depth + 1;
  flags = result;
  return true;
}

int ChessUndoMove(BoardRecord& board) {
  ChessInit();
  const int level = Depth(board) - 1;
  if (level == 0) return 0;
  const int32_t entry = board.History[level];
  if (!IsBoardSquare(MoveFrom(entry)) || !IsBoardSquare(MoveTo(entry))) return 0;
  const int from = FromBoard128(MoveFrom(entry));
  const int to = FromBoard128(MoveTo(entry));
  const int flags = board.MoveFlags[level];
  Position p = LoadPosition(board);
  const int mover = p.side ^ 1;
  const int type = (flags & kFlagPromotion) ? kPawn : p.TypeAt(to);
  if (type < 0 || !(p.byColour[mover] & Bit(to))) return 0;
  p.Remove(to);
  p.Put(from, mover, type);
  const int captured = board.Captured[level];
  if (IsPieceContent(captured)) {
    const int square = (flags & kFlagEnPassant) ? (mover == kWhite ? to - 8 : to + 8) : to;
    p.Put(square, captured >= 16 ? kBlack : kWhite, captured & 7);
  }
  if (flags & kFlagCastling) {
    const bool kingside = to > from;
    p.Remove(kingside ? to - 1 : to + 1);
    p.Put(kingside ? to + 1 : to - 2, mover, kRook);
  }
  p.side = mover;
  StorePlacement(board, p);
  board.History[level] = 0;
  board.Keys[level] = 0;
  board.Clock[level] = 0;
  board.MoveFlags[level] = 0;
  board.Captured[level] = 0;
  board.HistoryDepth = level;
  return flags;
}

int ChessGenMoves(const BoardRecord& board) {
  ChessInit();
  const Position p = LoadPosition(board);
  return HasBothKings(p) ? CountLegal(p) : 0;
}

uint64_t ChessPerft(BoardRecord& board, int depth) {
  ChessInit();
  const Position p = LoadPosition(board);
  if (depth <= 0) return 1;
  return HasBothKings(p) ? Perft(p, depth) : 0;
}

// Board editing for the position editor. Every edit makes the edited
// position the board's new start: the history shrinks to one level, so no
// move can be taken back across an edit, and the halfmove clock restarts.
// The castling rights and en-passant column of the current history entry
// are kept as set, and act only while the placement allows them.
#include "chess/record.h"

using namespace chess_internal;

namespace {

// Restarts the record from the edited placement, keeping the state word.
void Restart(BoardRecord& board, const Position& placement) {
  const int32_t entry = board.History[Depth(board) - 1];
  ResetRecord(board, placement, MoveCastling(entry), MoveEnPassant(entry), 0);
}

}  // namespace

void ChessClearBoard(BoardRecord& board) {
  ChessInit();
  Position empty;
  empty.side = LoadPosition(board).side;
  Restart(board, empty);
}

void ChessAddPiece(BoardRecord& board, int square, int content) {
  ChessInit();
  if (!IsBoardSquare(square) || !IsPieceContent(content)) return;
  Position p = LoadPosition(board);
  p.Remove(FromBoard128(square));
  p.Put(FromBoard128(square), content >= 16 ? kBlack : kWhite, content & 7);
  Restart(board, p);
}

void ChessDelPiece(BoardRecord& board, int square, int content) {
  ChessInit();
  if (!IsBoardSquare(square)) return;
  Position p = LoadPosition(board);
  if (!IsPieceContent(content) || p.ContentAt(FromBoard128(square)) != content) return;
  p.Remove(FromBoard128(square));
  Restart(board, p);
}

void ChessChangeSide(BoardRecord& board) {
  ChessInit();
  Position p = LoadPosition(board);
  p.side ^= 1;
  Restart(board, p);
}

void ChessSetIrrev(BoardRecord& board, int castling, int epColumn) {
  ChessInit();
  ResetRecord(board, LoadPosition(board), castling, epColumn, 0);
}

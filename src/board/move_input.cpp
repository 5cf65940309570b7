#include "board/move_input.h"

#include "game/game.h"

MoveInput::MoveInput(Game& game, Gateways& ui, PromotionAsker askPromotion)
    : game_(game), ui_(ui), askPromotion_(std::move(askPromotion)) {}

void MoveInput::ClickSquare(int square) {
  const int content = game_.Board.Squares[square];
  const int own = game_.SideToMove == 0 ? 8 : 16;
  if (content & own) {
    if (SelectedSquare > 0) game_.view().DrawSquare(SelectedSquare, false, false);
    SelectedSquare = square;
    game_.view().DrawSquare(square, true, false);
    if (game_.CurPly > 0) {
      const int32_t last = game_.GameMoves[game_.CurPly];
      game_.view().DrawSquare(MoveFrom(last), false, false);
      game_.view().DrawSquare(MoveTo(last), false, false);
    }
    ui_.PlaySound("CLICK");
    return;
  }
  if (SelectedSquare == 0) return;

  PromotionChoice = 0;
  const int lastRow = game_.SideToMove == 0 ? 0 : 7;
  if (game_.Board.Squares[SelectedSquare] == own + 5 && square / 16 == lastRow) {
    int flags = 0;
    if (!ChessTryMove(game_.Board, flags, MakeMove(SelectedSquare, square))) {
      if (flags & kFlagOwnPiece) ui_.PlaySound("ILLEGAL");
      return;
    }
    ChessUndoMove(game_.Board);
    PromotionChoice = askPromotion_(game_.SideToMove);
  }
  if (game_.ApplyMove(MakeMove(SelectedSquare, square, PromotionChoice), kModeClick, 0))
    game_.MarkGameModified();
}

void MoveInput::TypedMove(const QString& text) {
  if (text.isEmpty()) return;
  const int32_t move = ChessAlg2Move(game_.Board, text.toStdString());
  if (game_.ApplyMove(move, kModeTyped, 0)) game_.MarkGameModified();
}

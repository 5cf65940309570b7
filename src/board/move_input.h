// Turns clicks on the board and typed text into moves for the game record.
#pragma once

#include <QString>
#include <functional>

class Game;
class Gateways;

class MoveInput {
 public:
  // Asks which piece a pawn becomes: 0 queen, 1 rook, 2 bishop, 3 knight.
  using PromotionAsker = std::function<int(int side)>;

  MoveInput(Game& game, Gateways& ui, PromotionAsker askPromotion);

  // First click selects a piece of the side to move (another such click
  // moves the selection); a click elsewhere then tries the move. A refused
  // move keeps the selection.
  void ClickSquare(int square);
  // Enter in the typed-move box: the text as a move (the box is emptied by
  // the caller whatever happens).
  void TypedMove(const QString& text);

  // The square picked by the first click, 0 when none. The view clears it
  // whenever it redraws the board or the shown ply changes.
  int SelectedSquare = 0;
  // The piece chosen for the next promotion by click.
  int PromotionChoice = 0;

 private:
  Game& game_;
  Gateways& ui_;
  PromotionAsker askPromotion_;
};

// Walking through the game, cutting it, and editing annotations and
// comments, as the Move menu and the move list ask.
#include "game/game.h"

void Game::MoveStart() {
  GoToPly(0);
  view().RefreshGameView(false);
}

void Game::MoveBack() {
  if (CurPly >= 1) StepBack();
  view().RefreshGameView(false);
}

void Game::MoveForward() {
  if (CurPly < LastPly) StepForward(0, false);
  view().RefreshGameView(false);
}

void Game::MoveEnd() {
  GoToPly(LastPly);
  view().RefreshGameView(false);
}

void Game::ShowPly(int ply) {
  if (ply == CurPly || ply < 0 || ply > LastPly) return;
  GoToPly(ply);
  view().RefreshGameView(false);
}

void Game::Retract() {
  engine().HaltEngine();
  if (CurPly > 0) StepBack();
  if (CurPly > 0) StepBack();
  TruncateGame();
  view().RefreshGameView(false);
  MarkGameModified();
  LookupOpening();
}

bool Game::DeleteMove() {
  if (CurPly == 0) return false;
  if (CurPly < LastPly && !AskToClearLaterMoves()) return false;
  engine().HaltEngine();
  StepBack();
  TruncateGame();
  view().RefreshGameView(false);
  MarkGameModified();
  LookupOpening();
  return true;
}

void Game::SetAnnotation(int code) {
  if (CurPly <= 0 || code == GameNags[CurPly]) return;
  GameNags[CurPly] = code;
  view().SetMoveLine(CurPly, MoveListLine(*this, CurPly));
  MarkGameModified();
}

void Game::SetComment(const QString& text) {
  if (text == GameComments[CurPly]) return;
  GameComments[CurPly] = text;
  view().SetMoveLine(CurPly, MoveListLine(*this, CurPly));
  MarkGameModified();
}

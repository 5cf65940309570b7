// The game record with its operations. Every move enters the game through
// ApplyMove, which validates it with the rules library, records it, shows
// it and detects the end of the game; StepForward and StepBack walk through
// the recorded plies by making and taking back moves on Board.
#pragma once

#include "game/game_links.h"
#include "game/game_record.h"
#include "shell/gateways.h"
#include "shell/settings.h"

class Game : public GameRecord {
 public:
  Game(const Settings& settings, Gateways& ui, const EcoTable& eco);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // The parts above; null restores a link's do-nothing default.
  void SetLinks(GameView* view, EngineLink* engine, PlayLink* play);

  // Records and shows a move. mode: kModeSilent (files, imports),
  // kModeClick, kModeTyped, kModeEngine. Returns false when the move is
  // illegal, the user keeps the later plies, or a limit is reached.
  bool ApplyMove(int32_t move, int mode, int nag);
  // Applies ply CurPly + 1; requires CurPly < LastPly. steps > 0 animates.
  void StepForward(int steps, bool sounds);
  // Takes back ply CurPly; requires CurPly > 0.
  void StepBack();
  // Walks to the given ply without animation or sound.
  void GoToPly(int ply);
  // Drops plies CurPly + 1..LastPly.
  void TruncateGame();
  void NewGame(bool keepTags, bool noEngineReset);
  // A new game from a position; empty text does nothing. The full-move
  // number is read after the first " 0 " (1 when there is none).
  void LoadPosition(const QString& fen, bool noEngineReset);
  void LookupOpening();
  // Asks "This will clear all later moves." with Yes and No.
  bool AskToClearLaterMoves();
  // Square of the king of SideToMove, 0 when there is none.
  int FindKingSquare() const;
  void MarkGameModified();

  // The Move menu and the move list. Each refreshes the view when done.
  void MoveStart();
  void MoveBack();
  void MoveForward();
  void MoveEnd();
  // Takes back the last move of each side (one ply at the start).
  void Retract();
  // Deletes the shown ply and all later ones, asking first when later
  // plies exist. Returns false when the user kept them.
  bool DeleteMove();
  // A click on line ply of the move list.
  void ShowPly(int ply);
  // Annotation (0..6) and comment of the shown ply, as the user edits them.
  void SetAnnotation(int code);
  void SetComment(const QString& text);

  GameView& view() const { return *view_; }
  EngineLink& engine() const { return *engine_; }
  Gateways& ui() const { return ui_; }

 private:
  bool RefuseAtLimit(int mode);
  void RedrawMoveSquares(int32_t move, int flags, int moverSide);
  void ReportEndOfGame(int flags, int mode);

  const Settings& settings_;
  Gateways& ui_;
  const EcoTable& eco_;
  GameView* view_;
  EngineLink* engine_;
  PlayLink* play_;
};

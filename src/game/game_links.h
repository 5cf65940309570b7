// What the game record asks of the parts of the program above it: the
// screen, the engine and the play rules (clocks, sides, game end). Each link
// has a do-nothing default that is right while that part is absent: nothing
// on screen, no engine loaded, clocks stopped, no computer side.
#pragma once

#include <QString>
#include <cstdint>

#include "shell/gateways.h"

// The board and move list on screen.
class GameView {
 public:
  virtual ~GameView() = default;
  virtual void DrawSquare(int /*square*/, bool /*highlighted*/, bool /*mated*/) {}
  // Slides the piece on from to the to square in the given number of steps,
  // keeping the window painting; afterwards the from square shows empty.
  virtual void AnimateMove(int /*from*/, int /*to*/, int /*steps*/) {}
  virtual void InsertMoveLine(int /*index*/, const QString& /*text*/) {}
  virtual void RemoveMoveLine(int /*index*/) {}
  virtual void SetMoveLine(int /*index*/, const QString& /*text*/) {}
  virtual void RedrawBoard() {}
  virtual void RefreshGamePanel() {}
  virtual void RefreshGameView(bool /*speak*/) {}
  virtual void RefreshCaption() {}
  virtual void SetSaveEnabled(bool /*enabled*/) {}
  virtual void RefreshOpeningLabel() {}
  // A new game: rotation off, the last-move highlight forgotten.
  virtual void ResetViewForNewGame() {}
};

// The engine conversation.
class EngineLink {
 public:
  virtual ~EngineLink() = default;
  // A move is about to be recorded: a ponder hit, or any running search stops.
  virtual void BeforeMove(int32_t /*move*/) {}
  // A move was recorded: a reply held from pondering is played or dropped.
  virtual void AfterMove(int32_t /*move*/) {}
  // Later plies are about to be dropped: any search ends.
  virtual void BeforeTruncate() {}
  // Ends any search and leaves the engine idle (nothing without an engine).
  virtual void HaltEngine() {}
  // A new game begins: searches end; unless noEngineReset the engines are
  // told of the new game.
  virtual void BeforeNewGame(bool /*noEngineReset*/) {}
};

// Clocks, the computer's sides and the end of a game.
class PlayLink {
 public:
  virtual ~PlayLink() = default;
  // Clock readings in seconds, monotonic, with sub-second resolution.
  virtual double Now() const;
  // The per-move clock rule for the side that has just moved.
  virtual void MoveRecorded(int /*side*/) {}
  virtual bool ComputerPlays(int /*side*/) const { return false; }
  virtual void ShowGameEnded() {}
  virtual void AnnounceResult(const QString& /*message*/, MsgIcon /*icon*/) {}
  // A new game: clocks reset, demonstration to its default, puzzle mode ends.
  virtual void NewGameStarted() {}
};

// The play rules of the current game: the clocks and their tick, the play
// modes and the start of a new game, handicaps, the demonstration replay,
// the level commands, draw offers, resignations and the end of a game. The
// game record reaches it as its PlayLink.
#pragma once

#include <QString>
#include <functional>

#include "game/clocks.h"
#include "game/game.h"
#include "play/play_host.h"
#include "shell/settings.h"

class Play : public PlayLink {
 public:
  Play(Game& game, Settings& settings, Clocks& clocks, Gateways& ui, PlayHost& host);

  // The clock source; tests replace it. Seconds, monotonic.
  void SetTimeSource(std::function<double()> now) { now_ = std::move(now); }
  // Draws a number in [0, 1) for the random play mode; tests replace it.
  void SetRandomSource(std::function<double()> random) { random_ = std::move(random); }

  // PlayLink
  double Now() const override;
  void MoveRecorded(int side) override;
  bool ComputerPlays(int side) const override;
  void ShowGameEnded() override;
  void AnnounceResult(const QString& message, MsgIcon icon) override;
  void NewGameStarted() override;

  // Clocks.
  void ResetTimeControl();
  // side 0, 1, or -1 for the side to move at the end of the game.
  void ShowClock(int side);
  // The tick's clock step. During a blocking wait the clock keeps counting,
  // but a flag only falls on an ordinary pass.
  void ClockStep(bool inWait);
  // The tick's demonstration step.
  void DemoStep();
  // The tick must keep running: a clock counts or a replay goes on.
  bool NeedsTimer() const;

  // New games and sides.
  void RequestNewGame();
  void StartNewGame();
  // mode 0..4, or -1 for the configured play mode.
  void ApplyPlayMode(int mode);
  void UpdateComputerSides();
  void HandicapCommand(int index);

  // Demonstrate.
  void DemonstrateCommand();
  void EndDemo();
  bool DemoMode() const { return demoMode_; }

  // Levels: "&Level..." pauses running clocks, else opens the level dialog.
  void LevelCommand();
  // The level dialog; true when confirmed (the time control then restarts).
  bool ShowLevelDialog();

  // Game end.
  void ResignSideToMove();
  void UserResigns();
  void AgreeDraw();
  void HandleEngineDrawOffer();
  void DrawCommand();
  // "&Resign" and "Offer / Accept &Draw" apply: the user is to move.
  bool UserToMove() const { return !ComputerPlays(game_.EndSide); }

  // Alternation state: the computer takes White in the next alternating game.
  bool NextComputerWhite = false;

 private:
  void ShowStartupDialog();
  void SetClockRunning(bool running);

  Game& game_;
  Settings& settings_;
  Clocks& clocks_;
  Gateways& ui_;
  PlayHost& host_;
  std::function<double()> now_;
  std::function<double()> random_;
  bool demoMode_ = false;
};

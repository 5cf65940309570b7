// What the play rules need of the program around them: the screen (clock
// panels, the check marks that mirror play state, the board's rotation, a
// parent for dialogs), the engine (whether one is loaded, halting it, the
// computer's colours, pondering) and the files part's save prompt.
#pragma once

#include <QString>

#include "play/clock_rules.h"
#include "play/play_modes.h"

class QWidget;

class PlayHost {
 public:
  virtual ~PlayHost() = default;

  // The screen.
  virtual QWidget* DialogParent() = 0;
  virtual bool BoardFlipped() const = 0;
  // Rotates the board (menu check and coordinates follow) and redraws it.
  virtual void SetBoardFlipped(bool flipped) = 0;
  virtual void ShowClockPanel(bool top, const ClockDisplay& display) = 0;
  virtual void ShowResultLabel(const QString& text) = 0;
  // "&Level..." and its toolbar button show whether the clocks run.
  virtual void ShowClockRunning(bool running) = 0;
  // "&Demonstrate" and its toolbar button show the replay mode.
  virtual void ShowDemoMode(bool on) = 0;
  // Runs the play tick soon (the clocks or the replay just started).
  virtual void ScheduleTick() = 0;

  // The engine.
  virtual bool EngineLoaded() const = 0;
  // Ends any search; the engine is left idle.
  virtual void HaltEngine() = 0;
  // The engine stays put until the game changes (a finished game).
  virtual void HoldEngine() = 0;
  // The engine has just given its answer (a resignation or an accepted
  // draw instead of a move): its search is over, nothing is left to stop.
  virtual void EngineAnswered() = 0;
  virtual ComputerSides Sides() const = 0;
  // Sets the computer's colours with their check marks.
  virtual void SetSides(ComputerSides sides) = 0;
  // "&Ponder": whether it can be switched on, and whether it is on.
  virtual void SetPonder(bool allowed, bool on) = 0;
  // The name of the engine that plays the side.
  virtual QString EngineName(int side) const = 0;
  virtual void SetUserOfferedDraw(bool offered) = 0;

  // The files part: asks to save a changed game; false when cancelled.
  virtual bool QuerySaveChanges() = 0;
};

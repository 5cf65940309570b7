// What the engine asks of the program around it: the decisions of the play
// rules on an engine's resignation or draw, and the screen (menus, status
// panels, focus). Each call has a do-nothing default for the parts not
// built yet.
#pragma once

#include <QString>

enum class StatusPanel { Curr, Nps, Pv, Msg };

class EngineEvents {
 public:
  virtual ~EngineEvents() = default;
  // The engine's best move ended in " resign" (and resigning is allowed).
  virtual void ResignSideToMove() {}
  // The user's standing draw offer was accepted by the engine.
  virtual void AgreeDraw() {}
  // The engine offers a draw with its move.
  virtual void HandleEngineDrawOffer() {}
  // The computer's colours changed (player names, time control).
  virtual void SidesChanged() {}
  // A search started (true) or ended (false): the commands that change the
  // position are disabled meanwhile and "Stop / Move Now" is enabled.
  virtual void SetThinkingUi(bool /*thinking*/) {}
  // The engine commands as a whole become usable or not.
  virtual void EnableEngineUi(bool /*enabled*/) {}
  // The check marks of the sides, ponder and analysis commands follow the
  // engine's flags.
  virtual void ShowEngineFlags() {}
  virtual void SetStatusPanel(StatusPanel /*panel*/, const QString& /*text*/) {}
  virtual void RefreshCaption() {}
  virtual void FocusMainWindow() {}
  // The computer waits for spoken text to end before it moves.
  virtual bool SpeechIdle() const { return true; }
  // Something happened that may let the engine start: run the play tick soon.
  virtual void RequestTick() {}
};

// Waits that must not let the user act but must keep the window painting
// (move animation, the mated-king shake, the delay before an engine move,
// engine hand-shakes): a nested event loop that leaves user input queued.
// The main loop's own work (engine lines, the play tick) is held back while
// such a wait runs, so nothing re-enters the game from inside it.
#pragma once

class MainLoop {
 public:
  // Waits the given milliseconds, painting but taking no user input.
  void Wait(int milliseconds);
  // Runs pending events other than user input, without waiting.
  void ProcessPainting();
  // True while a wait is in progress: the engine poll and the play tick
  // must then leave the game alone.
  bool InWait() const { return depth_ > 0; }

 private:
  int depth_ = 0;
};

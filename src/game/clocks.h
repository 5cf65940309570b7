// The two game clocks, in whole seconds. The play rules charge and reset
// them; the engine reads them for its search commands; the panels show them.
#pragma once

struct Clocks {
  int TimeLeft[2] = {60, 60};  // White, Black
  int Elapsed[2] = {0, 0};     // capped at 8 hours
  int MovesToGo[2] = {999, 999};
  bool FlagFell[2] = {false, false};
  bool ClockRunning = false;
};

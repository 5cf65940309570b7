// The rules of the two game clocks: resetting them, the per-move rule of a
// time control, charging the side to move second by second, and the text
// of a clock panel. Plain functions of the clock state and the settings.
#pragma once

#include <QString>

#include "game/clocks.h"
#include "shell/settings.h"

inline constexpr int kMaxClockSeconds = 28800;  // 8 hours

// "HH:MM:SS"; each digit wraps as a clock face does (0..59:59 per hour).
QString FormatClock(int seconds);

// A new game: full time and a fresh period on both clocks, nothing
// elapsed, flags up, clocks stopped.
void ResetClocksForNewGame(Clocks& clocks, const Settings& settings);
// A fresh time control for both sides; the elapsed times stay.
void StartTimeControl(Clocks& clocks, const Settings& settings);
// Clocks run only at the clock-timed level while the computer plays.
bool ClocksShouldRun(int level, bool computerPlaysEitherSide);

// The rule for the side that has just moved, applied only while the clocks
// run and its flag stands: an increment (kept within 0..8 hours), or the
// count of the period, which restarts with full time when it runs out.
// Returns true when the rule applied (the side's panel then shows the new
// time or the new count of moves).
bool ApplyPerMoveRule(Clocks& clocks, int side, const Settings& settings);

struct ChargeResult {
  bool charged = false;   // one second was taken from the side
  bool flagFell = false;  // and that left it without time
};

// Charges the side at most one second: only when more than a second has
// passed since lastCharge, which then becomes now. The fraction beyond the
// whole second is not carried over, so a pass that comes late (a busy
// window, an open dialog) still costs one second at most. A fallen flag
// leaves the side at 0 with FlagFell set.
ChargeResult ChargeClock(Clocks& clocks, int side, double now, double& lastCharge);

// What a clock panel shows for one side.
struct ClockDisplay {
  QString title;    // "Level" or "Timer"
  QString value;    // the level's name or the time left
  QString rule;     // "In next N moves", "Plus N sec/move" or empty
  QString elapsed;  // time used
};
ClockDisplay ClockDisplayFor(const Clocks& clocks, int side, const Settings& settings);

// The top panel shows Black, unless the board is rotated.
bool ClockPanelIsTop(int side, bool boardFlipped);

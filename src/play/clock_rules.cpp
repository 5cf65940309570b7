#include "play/clock_rules.h"

#include <algorithm>

#include "play/levels.h"

QString FormatClock(int seconds) {
  const int digits[6] = {(seconds / 36000) % 6, (seconds / 3600) % 10, (seconds / 600) % 6,
                         (seconds / 60) % 10,   (seconds / 10) % 6,    seconds % 10};
  QString text;
  for (int i = 0; i < 6; ++i) {
    if (i == 2 || i == 4) text += ':';
    // A negative time has no face; it never reaches a panel, show zeros.
    text += QChar('0' + std::max(digits[i], 0));
  }
  return text;
}

void ResetClocksForNewGame(Clocks& clocks, const Settings& settings) {
  StartTimeControl(clocks, settings);
  clocks.Elapsed[0] = clocks.Elapsed[1] = 0;
  clocks.ClockRunning = false;
}

void StartTimeControl(Clocks& clocks, const Settings& settings) {
  for (int side = 0; side < 2; ++side) {
    clocks.FlagFell[side] = false;
    clocks.TimeLeft[side] = settings.InitTime * 60;
    clocks.MovesToGo[side] = settings.IncMove;
  }
}

bool ClocksShouldRun(int level, bool computerPlaysEitherSide) {
  return level == 0 && computerPlaysEitherSide;
}

bool ApplyPerMoveRule(Clocks& clocks, int side, const Settings& settings) {
  if (side < 0 || side > 1 || clocks.FlagFell[side] || !clocks.ClockRunning) return false;
  if (settings.IncMode) {
    clocks.TimeLeft[side] =
        std::clamp(clocks.TimeLeft[side] + settings.IncTime, 0, kMaxClockSeconds);
    return true;
  }
  if (--clocks.MovesToGo[side] > 0) return true;
  clocks.TimeLeft[side] = settings.InitTime * 60;
  clocks.MovesToGo[side] = settings.IncMove;
  return true;
}

ChargeResult ChargeClock(Clocks& clocks, int side, double now, double& lastCharge) {
  ChargeResult result;
  if (side < 0 || side > 1 || clocks.FlagFell[side] || !clocks.ClockRunning) return result;
  if (now < lastCharge) {
    // A reading from before the last charge cannot be trusted: start over.
    lastCharge = now;
    return result;
  }
  if (now <= lastCharge + 1) return result;
  lastCharge = now;
  result.charged = true;
  --clocks.TimeLeft[side];
  clocks.Elapsed[side] = std::min(clocks.Elapsed[side] + 1, kMaxClockSeconds);
  if (clocks.TimeLeft[side] < 0) {
    clocks.TimeLeft[side] = 0;
    clocks.FlagFell[side] = true;
    result.flagFell = true;
  }
  return result;
}

ClockDisplay ClockDisplayFor(const Clocks& clocks, int side, const Settings& settings) {
  ClockDisplay display;
  if (settings.Depth != 0) {
    display.title = "Level";
    display.value = LevelName(settings.Depth);
  } else {
    display.title = "Timer";
    display.value = FormatClock(clocks.TimeLeft[side]);
    display.rule = settings.IncMode
                       ? "Plus " + QString::number(settings.IncTime) + " sec/move"
                       : "In next " + QString::number(clocks.MovesToGo[side]) + " moves";
  }
  display.elapsed = FormatClock(clocks.Elapsed[side]);
  return display;
}

bool ClockPanelIsTop(int side, bool boardFlipped) {
  return (side == 0) == boardFlipped;
}

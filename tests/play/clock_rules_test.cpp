#include "play/clock_rules.h"

#include <gtest/gtest.h>

namespace {

Settings TimeControl(int initMinutes, bool incMode, int incMove, int incTime) {
  Settings s;
  s.Depth = 0;
  s.InitTime = initMinutes;
  s.IncMode = incMode;
  s.IncMove = incMove;
  s.IncTime = incTime;
  return s;
}

Clocks Running(const Settings& settings) {
  Clocks clocks;
  ResetClocksForNewGame(clocks, settings);
  clocks.ClockRunning = true;
  return clocks;
}

TEST(FormatClock, ShowsHoursMinutesAndSeconds) {
  EXPECT_EQ(FormatClock(0), "00:00:00");
  EXPECT_EQ(FormatClock(60), "00:01:00");
  EXPECT_EQ(FormatClock(3599), "00:59:59");
  EXPECT_EQ(FormatClock(28800), "08:00:00");
  EXPECT_EQ(FormatClock(36000 + 3600 * 2 + 600 * 3 + 60 * 4 + 10 * 5 + 6), "12:34:56");
  // The tens of hours wrap at six, as each digit is taken on its own.
  EXPECT_EQ(FormatClock(60 * 3600), "00:00:00");
}

TEST(ChargeClock, ChargesOneSecondPerPassAtMost) {
  const Settings settings = TimeControl(1, false, 999, 1);
  Clocks clocks = Running(settings);
  double last = 100.0;
  EXPECT_FALSE(ChargeClock(clocks, 0, 100.9, last).charged);
  EXPECT_FALSE(ChargeClock(clocks, 0, 101.0, last).charged);  // strictly more than a second
  ChargeResult result = ChargeClock(clocks, 0, 101.01, last);
  EXPECT_TRUE(result.charged);
  EXPECT_DOUBLE_EQ(last, 101.01);
  EXPECT_EQ(clocks.TimeLeft[0], 59);
  EXPECT_EQ(clocks.Elapsed[0], 1);
  // A long pause (a dialog open for a minute) costs one second.
  result = ChargeClock(clocks, 0, 161.0, last);
  EXPECT_TRUE(result.charged);
  EXPECT_EQ(clocks.TimeLeft[0], 58);
  EXPECT_EQ(clocks.TimeLeft[1], 60);  // the other clock is untouched
}

TEST(ChargeClock, TheFlagFallsAfterSixtyOneSecondsOfAOneMinuteGame) {
  const Settings settings = TimeControl(1, false, 999, 1);
  Clocks clocks = Running(settings);
  double last = 0;
  int charged = 0;
  bool fell = false;
  for (double t = 1.5; !fell && t < 200; t += 1.5) {
    const ChargeResult result = ChargeClock(clocks, 0, t, last);
    charged += result.charged;
    fell = result.flagFell;
  }
  EXPECT_TRUE(fell);
  EXPECT_EQ(charged, 61);
  EXPECT_EQ(clocks.TimeLeft[0], 0);
  EXPECT_TRUE(clocks.FlagFell[0]);
  // A fallen flag stops that clock.
  EXPECT_FALSE(ChargeClock(clocks, 0, 500, last).charged);
  EXPECT_EQ(clocks.Elapsed[0], 61);
}

TEST(ChargeClock, NothingIsChargedWhileStoppedOrFromAnEarlierReading) {
  const Settings settings = TimeControl(1, false, 999, 1);
  Clocks clocks = Running(settings);
  clocks.ClockRunning = false;
  double last = 10;
  EXPECT_FALSE(ChargeClock(clocks, 1, 20, last).charged);
  clocks.ClockRunning = true;
  EXPECT_FALSE(ChargeClock(clocks, 1, 5, last).charged);
  EXPECT_DOUBLE_EQ(last, 5);
  EXPECT_EQ(clocks.TimeLeft[1], 60);
}

TEST(ChargeClock, ElapsedTimeStopsAtEightHours) {
  const Settings settings = TimeControl(480, true, 999, 600);
  Clocks clocks = Running(settings);
  clocks.Elapsed[1] = kMaxClockSeconds;
  double last = 0;
  EXPECT_TRUE(ChargeClock(clocks, 1, 2, last).charged);
  EXPECT_EQ(clocks.Elapsed[1], kMaxClockSeconds);
  EXPECT_EQ(FormatClock(clocks.Elapsed[1]), "08:00:00");
}

TEST(PerMoveRule, IncrementsStayWithinZeroAndEightHours) {
  Settings settings = TimeControl(1, true, 999, -60);
  Clocks clocks = Running(settings);
  clocks.TimeLeft[0] = 30;
  EXPECT_TRUE(ApplyPerMoveRule(clocks, 0, settings));
  EXPECT_EQ(clocks.TimeLeft[0], 0);
  settings.IncTime = 600;
  clocks.TimeLeft[1] = kMaxClockSeconds - 10;
  EXPECT_TRUE(ApplyPerMoveRule(clocks, 1, settings));
  EXPECT_EQ(clocks.TimeLeft[1], kMaxClockSeconds);
}

TEST(PerMoveRule, APeriodRestartsWithFullTimeWithoutCarryingTheRest) {
  const Settings settings = TimeControl(5, false, 2, 1);
  Clocks clocks = Running(settings);
  clocks.TimeLeft[0] = 200;
  EXPECT_TRUE(ApplyPerMoveRule(clocks, 0, settings));
  EXPECT_EQ(clocks.MovesToGo[0], 1);
  EXPECT_EQ(clocks.TimeLeft[0], 200);
  EXPECT_TRUE(ApplyPerMoveRule(clocks, 0, settings));
  EXPECT_EQ(clocks.MovesToGo[0], 2);
  EXPECT_EQ(clocks.TimeLeft[0], 300);
  EXPECT_EQ(clocks.MovesToGo[1], 2);
}

TEST(PerMoveRule, DoesNothingWhileStoppedOrAfterTheFlagFell) {
  const Settings settings = TimeControl(5, true, 2, 10);
  Clocks clocks = Running(settings);
  clocks.FlagFell[0] = true;
  clocks.TimeLeft[0] = 0;
  EXPECT_FALSE(ApplyPerMoveRule(clocks, 0, settings));
  EXPECT_EQ(clocks.TimeLeft[0], 0);
  clocks.ClockRunning = false;
  EXPECT_FALSE(ApplyPerMoveRule(clocks, 1, settings));
  EXPECT_EQ(clocks.TimeLeft[1], 300);
}

TEST(TimeControl, ANewControlKeepsElapsedTimeAndANewGameClearsIt) {
  const Settings settings = TimeControl(3, false, 40, 1);
  Clocks clocks = Running(settings);
  clocks.Elapsed[0] = 70;
  clocks.FlagFell[1] = true;
  clocks.TimeLeft[1] = 0;
  clocks.MovesToGo[0] = 3;
  StartTimeControl(clocks, settings);
  EXPECT_EQ(clocks.Elapsed[0], 70);
  EXPECT_FALSE(clocks.FlagFell[1]);
  EXPECT_EQ(clocks.TimeLeft[1], 180);
  EXPECT_EQ(clocks.MovesToGo[0], 40);
  EXPECT_TRUE(clocks.ClockRunning);
  ResetClocksForNewGame(clocks, settings);
  EXPECT_EQ(clocks.Elapsed[0], 0);
  EXPECT_FALSE(clocks.ClockRunning);
  EXPECT_TRUE(ClocksShouldRun(0, true));
  EXPECT_FALSE(ClocksShouldRun(0, false));
  EXPECT_FALSE(ClocksShouldRun(-1, true));
}

TEST(ClockDisplay, ShowsTheLevelOrTheClockWithItsRule) {
  Settings settings = TimeControl(5, false, 2, 1);
  Clocks clocks = Running(settings);
  clocks.Elapsed[1] = 75;
  ClockDisplay display = ClockDisplayFor(clocks, 1, settings);
  EXPECT_EQ(display.title, "Timer");
  EXPECT_EQ(display.value, "00:05:00");
  EXPECT_EQ(display.rule, "In next 2 moves");
  EXPECT_EQ(display.elapsed, "00:01:15");
  settings.IncMode = true;
  settings.IncTime = -5;
  EXPECT_EQ(ClockDisplayFor(clocks, 1, settings).rule, "Plus -5 sec/move");
  settings.Depth = -3;
  display = ClockDisplayFor(clocks, 1, settings);
  EXPECT_EQ(display.title, "Level");
  EXPECT_EQ(display.value, "Novice");
  EXPECT_EQ(display.rule, "");
  EXPECT_EQ(display.elapsed, "00:01:15");
}

TEST(ClockDisplay, BlackIsOnTopUnlessTheBoardIsRotated) {
  EXPECT_TRUE(ClockPanelIsTop(1, false));
  EXPECT_FALSE(ClockPanelIsTop(0, false));
  EXPECT_TRUE(ClockPanelIsTop(0, true));
  EXPECT_FALSE(ClockPanelIsTop(1, true));
}

}  // namespace

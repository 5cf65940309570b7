// The game clocks in the real main window, with the computer playing Black
// at the clock-timed level and the time source in the test's hands.
#include <QDialog>

#include "play_fixture.h"

namespace {

TEST_F(PlayTest, AOneMinuteGameLetsWhitesFlagFallAfterSixtyOneSeconds) {
  LaunchPlay({}, TimeControl(1, false, 999, 1));
  ASSERT_TRUE(engine().ComputerBlack);  // the first alternating game
  ASSERT_TRUE(clocks().ClockRunning);
  EXPECT_TRUE(menus().mnEngineLevel->isChecked());
  EXPECT_TRUE(menus().buttons["EngineLevel"]->isChecked());
  EXPECT_EQ(Window().down.title->text(), "Timer");
  EXPECT_EQ(Window().down.value->text(), "00:01:00");
  EXPECT_EQ(Window().down.rule->text(), "In next 999 moves");

  int passes = 0;
  while (!clocks().FlagFell[0] && passes < 200) {
    Pass(0.6);  // two passes per charged second
    ++passes;
  }
  ASSERT_TRUE(clocks().FlagFell[0]);
  EXPECT_EQ(clocks().Elapsed[0], 61);
  EXPECT_EQ(clocks().TimeLeft[0], 0);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "White's flag fell.");
  EXPECT_EQ(ui.messages[0].icon, MsgIcon::Information);
  EXPECT_EQ(app->game.GameResult, 3);
  EXPECT_TRUE(Window().lblResult->text().contains("0-1"));
  EXPECT_EQ(Window().down.value->text(), "00:00:00");
  EXPECT_EQ(Window().down.elapsed->text(), "00:01:01");
  // Nothing else ends: Black's clock is as it was and no more is charged.
  EXPECT_EQ(clocks().TimeLeft[1], 60);
  Pass(5);
  EXPECT_EQ(clocks().Elapsed[0], 61);
  EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(PlayTest, APassAfterALongPauseChargesOneSecondOnly) {
  LaunchPlay({}, TimeControl(1, false, 999, 1));
  Pass(30);  // say a dialog was open for half a minute
  EXPECT_EQ(clocks().TimeLeft[0], 59);
  Pass(0.5);
  EXPECT_EQ(clocks().TimeLeft[0], 59);
  Pass(0.6);
  EXPECT_EQ(clocks().TimeLeft[0], 58);
  EXPECT_EQ(Window().down.value->text(), "00:00:58");
}

TEST_F(PlayTest, ANegativeIncrementStopsAtZero) {
  LaunchPlay({}, TimeControl(1, true, 999, -60));
  app->clocks.TimeLeft[0] = 30;
  EXPECT_EQ(Window().down.rule->text(), "Plus -60 sec/move");
  Type("e4");
  ASSERT_EQ(app->game.LastPly, 1);
  EXPECT_EQ(clocks().TimeLeft[0], 0);
  EXPECT_FALSE(clocks().FlagFell[0]);
  EXPECT_EQ(Window().down.value->text(), "00:00:00");
}

TEST_F(PlayTest, ANewPeriodRestoresTheFullTimeAfterItsMoves) {
  LaunchPlay({}, TimeControl(5, false, 2, 1));
  for (int i = 0; i < 8; ++i) Pass(1.1);
  EXPECT_EQ(Window().down.value->text(), "00:04:52");
  Type("e4");
  EXPECT_EQ(clocks().MovesToGo[0], 1);
  EXPECT_EQ(Window().down.rule->text(), "In next 1 moves");
  // Two moves in five minutes: the engine would think long; make it move.
  ASSERT_TRUE(QTest::qWaitFor([&] { return engine().EngineState == kEngineThinking; }, 5000));
  QTest::qWait(200);
  menus().mnEngineStop->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return app->game.LastPly == 2; }, 20000));
  Pass(1.1);  // White thinks a little longer
  EXPECT_EQ(clocks().TimeLeft[0], 291);
  Type("d4");
  ASSERT_EQ(app->game.LastPly, 3);
  EXPECT_EQ(Window().down.value->text(), "00:05:00");
  EXPECT_EQ(Window().down.rule->text(), "In next 2 moves");
  EXPECT_EQ(Window().down.elapsed->text(), "00:00:09");
}

TEST_F(PlayTest, WhitesClockIsOnTopOfARotatedBoard) {
  LaunchPlay({}, TimeControl(3, false, 40, 1));
  app->clocks.TimeLeft[0] = 123;
  app->clocks.TimeLeft[1] = 45;
  menus().mnPosFlip->trigger();
  ASSERT_TRUE(Window().board->Flipped());
  EXPECT_EQ(Window().up.value->text(), "00:02:03");
  EXPECT_EQ(Window().down.value->text(), "00:00:45");
  menus().mnPosFlip->trigger();
  EXPECT_EQ(Window().up.value->text(), "00:00:45");
  EXPECT_EQ(Window().down.value->text(), "00:02:03");
}

TEST_F(PlayTest, ANamedLevelShowsItsNameAndTheClocksStayStill) {
  LaunchPlay({}, [](QSettings& store) { store.setValue("Timer/Depth", "-4"); });
  EXPECT_FALSE(clocks().ClockRunning);
  for (const ClockPanel* panel : {&Window().up, &Window().down}) {
    EXPECT_EQ(panel->title->text(), "Level");
    EXPECT_EQ(panel->value->text(), "Rookie");
    EXPECT_EQ(panel->rule->text(), "");
    EXPECT_EQ(panel->elapsed->text(), "00:00:00");
  }
  Pass(5);
  EXPECT_EQ(clocks().Elapsed[0], 0);
}

TEST_F(PlayTest, TheLevelCommandPausesRunningClocks) {
  LaunchPlay({}, TimeControl(1, false, 999, 1));
  ASSERT_TRUE(clocks().ClockRunning);
  menus().mnEngineLevel->trigger();  // no dialog opens: the clocks stop
  EXPECT_FALSE(clocks().ClockRunning);
  EXPECT_FALSE(menus().mnEngineLevel->isChecked());
  Pass(3);
  EXPECT_EQ(clocks().TimeLeft[0], 60);
}

TEST_F(PlayTest, TheClockKeepsCountingDuringABlockingWait) {
  LaunchPlay({}, TimeControl(1, false, 999, 1));
  app->clocks.TimeLeft[0] = 1;
  // Inside a wait (an animation, the delay before an engine move) the tick
  // charges the clock, but the flag does not fall until an ordinary pass.
  QTimer::singleShot(0, [this] {
    fakeNow += 1.1;
    app->PlayTick();
    fakeNow += 1.1;
    app->PlayTick();
  });
  app->loop.Wait(50);
  EXPECT_EQ(clocks().TimeLeft[0], 0);
  EXPECT_FALSE(clocks().FlagFell[0]);
  EXPECT_TRUE(ui.messages.empty());
  Pass(1.1);
  EXPECT_TRUE(clocks().FlagFell[0]);
  EXPECT_EQ(MessageTexts(), QStringList({"White's flag fell."}));
}

TEST_F(PlayTest, TheClockCountsWhileAModalDialogIsOpen) {
  LaunchPlay({}, TimeControl(1, false, 999, 1));
  app->settings.ShowNew = true;
  int during = -1;
  WhenDialogOpens<QDialog>([&](QDialog* dialog) {
    // The user ponders the Startup dialog: the tick keeps running under it,
    // one second charged per pass at most.
    fakeNow += 1.1;
    QTest::qWait(350);
    fakeNow += 1.1;
    QTest::qWait(350);
    during = clocks().TimeLeft[0];
    dialog->reject();
  });
  app->RequestNewGame();
  EXPECT_EQ(during, 58);
  EXPECT_EQ(Window().down.value->text(), "00:00:58");
}

TEST_F(PlayTest, ANewGameResetsTheClocksAndStopsThem) {
  LaunchPlay({}, TimeControl(2, false, 999, 1));
  Pass(1.5);
  Pass(1.5);
  ASSERT_EQ(clocks().Elapsed[0], 2);
  app->settings.EnginePlay = kModeNoComputer;
  app->RequestNewGame();
  EXPECT_EQ(clocks().Elapsed[0], 0);
  EXPECT_EQ(clocks().TimeLeft[0], 120);
  EXPECT_FALSE(clocks().ClockRunning);
  EXPECT_FALSE(engine().ComputerWhite || engine().ComputerBlack);
  EXPECT_EQ(Window().down.elapsed->text(), "00:00:00");
}

}  // namespace

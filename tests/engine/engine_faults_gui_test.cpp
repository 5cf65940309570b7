// Engines that misbehave never crash or hang the program.
#include <QAction>
#include <QElapsedTimer>

#include "engine_fixture.h"
#include "shell/main_window.h"

namespace {

TEST_F(EngineTest, AFloodOfInfoLinesLeavesTheWindowResponsive) {
  // 200,000 lines at about 100,000 a second.
  LaunchWithTestEngine("on go\nflood 200000\n");
  Window().menus.mnEngineAnalyze->trigger();
  ASSERT_TRUE(WaitForReceived("go infinite"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Window().stbPv->text().isEmpty(); }, 5000));
  int fired = 0;
  QTimer timer;
  timer.setInterval(50);
  QObject::connect(&timer, &QTimer::timeout, [&] { ++fired; });
  timer.start();
  QTest::qWait(1000);
  // A 50 ms timer keeps firing while the lines pour in (20 times undisturbed).
  EXPECT_GE(fired, 10);
  EXPECT_EQ(engine().EngineState, kEngineAnalysing);
  EXPECT_FALSE(engine().analysisWindow()->Text().isEmpty());
}

TEST_F(EngineTest, GarbageAndBinaryOutputIsSkipped) {
  LaunchWithTestEngine(
      "on go\ngarbage 20000\nprint info depth \xff\xfe score cp \x01 pv \x80\x81\n"
      "crlf info depth 3 score cp 12 pv e7e5\nprint bestmove e7e5\n");
  Window().menus.mnEngineBlack->trigger();
  Click("e2");
  Click("e4");
  ASSERT_TRUE(QTest::qWaitFor([&] { return app->game.LastPly == 2; }, 5000));
  EXPECT_EQ(app->game.GameSan[2], "e5");
  EXPECT_EQ(Window().stbPv->text(), "  3   (+12) e5");
}

TEST_F(EngineTest, LinesOfAMegabyteAreHandled) {
  const QString longPv = "print info depth 4 score cp 7 pv e7e5 " + QString(1000000, 'z');
  LaunchWithTestEngine("on go\nbigline 1000000\n" + longPv + "\nprint bestmove e7e5\n");
  Window().menus.mnEngineBlack->trigger();
  Click("e2");
  Click("e4");
  ASSERT_TRUE(QTest::qWaitFor([&] { return app->game.LastPly == 2; }, 10000));
  EXPECT_EQ(Window().stbPv->text(), "  4    (+7) e5");
}

TEST_F(EngineTest, AnEngineThatNeverAnswersStopIsIdleAfterTheLimit) {
  LaunchWithTestEngine("on stop\nsleep 1500\nprint bestmove e7e5\n");
  engine().StopLimitMs = 400;
  Window().menus.mnEngineBlack->trigger();
  Click("e2");
  Click("e4");
  ASSERT_TRUE(WaitForState(kEngineThinking));
  QElapsedTimer timer;
  timer.start();
  engine().HaltEngine();
  EXPECT_GE(timer.elapsed(), 380);
  EXPECT_LT(timer.elapsed(), 1400);
  EXPECT_EQ(engine().EngineState, kEngineIdle);
  // The late answer is not played: the computer's new search is still running.
  engine().EngineState = kEngineHalted;
  QTest::qWait(1500);
  EXPECT_EQ(app->game.LastPly, 1);
}

TEST_F(EngineTest, AnEngineThatHangsCompletelyIsIdleAfterTheLimit) {
  LaunchWithTestEngine("on go\nhang\n");
  engine().StopLimitMs = 300;
  Window().menus.mnEngineWhite->trigger();
  ASSERT_TRUE(WaitForState(kEngineThinking));
  Window().menus.mnEngineWhite->trigger();  // the computer gives White back: search halted
  EXPECT_EQ(engine().EngineState, kEngineIdle);
  EXPECT_FALSE(Window().menus.mnEngineStop->isEnabled());
}

TEST_F(EngineTest, AnEngineKilledMidSearchIsReported) {
  LaunchWithTestEngine();
  Window().menus.mnEngineWhite->trigger();
  ASSERT_TRUE(WaitForReceived("go depth 2"));
  ui.messages.clear();
  KillTestEngine();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !ui.messages.empty(); }, 5000));
  EXPECT_EQ(ui.messages[0].text, "Engine quits abnormally!");
  EXPECT_EQ(engine().EngineState, kEngineNone);
  EXPECT_FALSE(Window().menus.mnEngineWhite->isEnabled());
  EXPECT_FALSE(Window().menus.mnEngineWhite->isChecked());
  EXPECT_FALSE(Window().menus.mnEngineStop->isEnabled());
}

}  // namespace

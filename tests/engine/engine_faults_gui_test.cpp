// Engines that misbehave never crash or hang the program.
#include <QAction>
#include <QElapsedTimer>
#include <QEventLoop>

#include "engine_fixture.h"
#include "shell/main_window.h"

namespace {

TEST_F(EngineTest, AFloodOfInfoLinesLeavesTheWindowResponsive) {
  // 200,000 lines at about 100,000 a second, then the end of the analysis.
  LaunchWithTestEngine("on go\nflood 200000\nprint bestmove e2e4\n");
  Window().menus.mnEngineAnalyze->trigger();
  int fired = 0;
  QTimer timer;
  timer.setInterval(50);
  QElapsedTimer clock;
  clock.start();
  // The program's own kind of event loop (not a test helper's polling).
  QEventLoop loop;
  QObject::connect(&timer, &QTimer::timeout, [&] {
    ++fired;
    if (engine().EngineState == kEngineHalted || clock.elapsed() > 60000) loop.quit();
  });
  timer.start();
  loop.exec();
  // Every line was handled, and a 50 ms timer kept firing meanwhile.
  EXPECT_EQ(engine().EngineState, kEngineHalted);
  EXPECT_GE(fired, clock.elapsed() / 50 / 2);
  EXPECT_GE(fired, 10);
  EXPECT_EQ(engine().analysisWindow()->Text().count('\n'), 4999);  // the rows kept
  EXPECT_FALSE(Window().stbPv->text().isEmpty());
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

// The computer's sides, pondering and the analysis window.
#include <QAction>

#include "engine_fixture.h"
#include "shell/main_window.h"

namespace {

TEST_F(EngineTest, TakingWhiteWhileThinkingForBlackKeepsThatSearch) {
  LaunchWithTestEngine();
  Window().menus.mnEngineBlack->trigger();
  EXPECT_TRUE(Window().menus.mnEnginePonder->isEnabled());
  Click("e2");
  Click("e4");
  ASSERT_TRUE(WaitForState(kEngineThinking));
  Window().menus.mnEngineWhite->trigger();
  EXPECT_EQ(engine().EngineState, kEngineThinking);
  EXPECT_FALSE(Received().contains("stop"));
  EXPECT_TRUE(Window().menus.mnEngineWhite->isChecked());
  EXPECT_TRUE(app->ComputerPlays(0));
  // Both colours: pondering cannot be switched on.
  EXPECT_FALSE(Window().menus.mnEnginePonder->isEnabled());
}

TEST_F(EngineTest, PonderingOffStopsAPonderSearchButNotTheComputersOwnSearch) {
  LaunchWithTestEngine(
      "on go ponder\n"
      "on stop\nprint bestmove e7e5\n"
      "on go\nprint bestmove e2e4 ponder e7e5\n");
  Window().menus.mnEngineWhite->trigger();
  Window().menus.mnEnginePonder->trigger();
  ASSERT_TRUE(WaitForState(kEnginePondering));
  Window().menus.mnEnginePonder->trigger();
  EXPECT_FALSE(engine().PonderOn);
  EXPECT_EQ(engine().EngineState, kEngineIdle);
  EXPECT_TRUE(Received().contains("stop"));
  EXPECT_EQ(app->game.LastPly, 1);  // the ponder reply is dropped
}

TEST_F(EngineTest, TheAnalysisWindowTravelsWithTheMainWindow) {
  LaunchWithTestEngine();
  Window().menus.mnEngineAnalyze->trigger();
  AnalysisWindow* think = engine().analysisWindow();
  ASSERT_NE(think, nullptr);
  EXPECT_EQ(think->x() - Window().x(), 8100 / 15);
  EXPECT_EQ(think->y() - Window().y(), 6300 / 15);
  EXPECT_EQ(think->width(), 4800 / 15);
  Window().move(Window().x() + 40, Window().y() + 25);
  ASSERT_TRUE(QTest::qWaitFor([&] { return think->x() - Window().x() == 540; }, 2000));
  EXPECT_EQ(think->y() - Window().y(), 420);
  // Moved by the user, it keeps the new offset.
  think->move(Window().x() + 100, Window().y() + 50);
  ASSERT_TRUE(QTest::qWaitFor([&] { return app->settings.ThinkLeft == 1500; }, 2000));
  EXPECT_EQ(app->settings.ThinkTop, 750);
  Window().move(Window().x() + 10, Window().y() + 10);
  ASSERT_TRUE(QTest::qWaitFor([&] { return think->x() - Window().x() == 100; }, 2000));
}

TEST_F(EngineTest, AnalysisTimeStampsWhenAsked) {
  LaunchWithTestEngine("on go\nprint info depth 3 score mate 2 pv e2e4\n",
                       [](QSettings& store) { store.setValue("Options/EngineTime", "1"); });
  Window().menus.mnEngineAnalyze->trigger();
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return engine().analysisWindow()->Text().contains("e4"); }, 5000));
  const QStringList rows = engine().analysisWindow()->Text().split('\n');
  ASSERT_EQ(rows.size(), 2);
  EXPECT_TRUE(rows[0].startsWith("00:00:0"));
  EXPECT_TRUE(rows[0].endsWith(" ->"));
  EXPECT_EQ(rows[1], "  3 (+9998) e4");
}

TEST_F(EngineTest, OpeningTheAnalysisWhileTheComputerPlaysStartsNoAnalysis) {
  LaunchWithTestEngine("on go\nprint info depth 2 score cp 10 pv e7e5\n");
  Window().menus.mnEngineBlack->trigger();
  Window().menus.mnEngineAnalyze->trigger();
  QTest::qWait(100);
  EXPECT_EQ(engine().EngineState, kEngineIdle);
  EXPECT_TRUE(ReceivedStarting("go").isEmpty());
  Click("e2");
  Click("e4");
  // The window fills during the computer's own search.
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return engine().analysisWindow()->Text() == "  2   (+10) e5"; }, 5000));
  // Closing it does not stop that search.
  Window().menus.mnEngineAnalyze->trigger();
  EXPECT_EQ(engine().EngineState, kEngineThinking);
  EXPECT_FALSE(Received().contains("stop"));
}

TEST_F(EngineTest, ANewGameTellsTheEngineAndResetsTheSides) {
  LaunchWithTestEngine("on stop\nprint bestmove e2e4\n",
                       [](QSettings& store) { store.setValue("Options/AlwaysPonder", "1"); });
  Window().menus.mnEngineWhite->trigger();
  ASSERT_TRUE(WaitForReceived("go depth 2"));
  app->game.NewGame(false, false);
  const QStringList expected = {"stop", "ucinewgame", "setoption name Ponder value true"};
  const auto afterGo = [&] {
    const QStringList received = Received();
    return received.mid(received.indexOf("go depth 2") + 1);
  };
  ASSERT_TRUE(QTest::qWaitFor([&] { return afterGo().size() >= 3; }, 5000));
  EXPECT_EQ(afterGo(), expected);
  EXPECT_EQ(app->game.LastPly, 0);  // the stopped search's move is dropped
  EXPECT_FALSE(engine().ComputerWhite);
  EXPECT_FALSE(Window().menus.mnEngineWhite->isChecked());
  EXPECT_EQ(engine().EngineState, kEngineIdle);
}

}  // namespace

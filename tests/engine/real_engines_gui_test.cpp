// End to end with the engines a user would have: Stockfish, and a second
// engine from the distribution as the slave.
#include <QAction>
#include <QFileInfo>
#include <QStandardPaths>

#include "engine_fixture.h"
#include "shell/main_window.h"

namespace {

QString SecondEngine() {
  for (const char* path : {"/usr/games/toga2", "/usr/games/ethereal-chess"})
    if (QFileInfo(path).isExecutable()) return path;
  return {};
}

QString ReadLog(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TEST_F(EngineTest, StockfishAnswersTheUsersMoveAsBlack) {
  Launch({}, [](QSettings& store) { store.setValue("Timer/Depth", "-1"); });
  ASSERT_EQ(engine().EngineState, kEngineIdle) << "Stockfish is needed (scripts/install-deps)";
  EXPECT_TRUE(engine().EngineIdName.startsWith("Stockfish"));
  Window().menus.mnEngineBlack->trigger();
  Click("e2");
  Click("e4");
  ASSERT_TRUE(QTest::qWaitFor([&] { return app->game.LastPly == 2; }, 20000));
  EXPECT_EQ(app->game.GameSan[1], "e4");
  EXPECT_FALSE(app->game.GameSan[2].isEmpty());
  EXPECT_EQ(Lines().size(), 3);  // "==Start==" and one line per ply
  EXPECT_TRUE(Lines().last().contains(app->game.GameSan[2]));
  EXPECT_EQ(engine().EngineState, kEngineIdle);
}

TEST_F(EngineTest, StockfishAnalysesTheShownPositionAndRestartsWhenTheUserStepsBack) {
  const QString log = dir.filePath("engine.htm");
  Launch({}, [&](QSettings& store) {
    store.setValue("Engine/EngineLog", "1");
    store.setValue("Engine/LogFile", log);
  });
  ASSERT_EQ(engine().EngineState, kEngineIdle);
  for (const char* move : {"e2e4", "e7e5", "g1f3"})
    ASSERT_TRUE(app->game.ApplyMove(ChessCoord2Move(move), kModeClick, 0));
  Window().menus.mnEngineAnalyze->trigger();
  ASSERT_TRUE(WaitForState(kEngineAnalysing));
  ASSERT_TRUE(
      QTest::qWaitFor([&] { return engine().analysisWindow()->Text().count('\n') >= 3; }, 20000));
  EXPECT_TRUE(ReadLog(log).contains(">position startpos moves e2e4 e7e5 g1f3<"));
  EXPECT_TRUE(ReadLog(log).contains(">go infinite<"));

  Window().menus.mnMoveBack->trigger();
  Window().menus.mnMoveBack->trigger();
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return ReadLog(log).contains(">position startpos moves e2e4<"); }, 10000));
  ASSERT_TRUE(WaitForState(kEngineAnalysing));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !engine().analysisWindow()->Text().isEmpty(); }, 20000));
  // Rows of the new analysis begin with Black's answers to 1.e4.
  EXPECT_FALSE(engine().analysisWindow()->Text().contains("Nf3 "));
  Window().menus.mnEngineAnalyze->trigger();
  EXPECT_EQ(engine().EngineState, kEngineIdle);
}

TEST_F(EngineTest, StockfishPlaysASecondEngineAsSlave) {
  const QString second = SecondEngine();
  if (second.isEmpty()) GTEST_SKIP() << "toga2 or ethereal-chess is needed (install-deps --test)";
  const QString log = dir.filePath("engine.htm");
  Launch({}, [&](QSettings& store) {
    store.setValue("Timer/Depth", "-1");
    store.setValue("Engine/EngineLog", "1");
    store.setValue("Engine/LogFile", log);
  });
  ASSERT_EQ(engine().EngineState, kEngineIdle);
  ui.paths = {second};
  engine().LoadSlaveEngine();
  ASSERT_TRUE(engine().SlaveBlack);
  EXPECT_FALSE(engine().SlaveIdName.isEmpty());
  Window().menus.mnEngineWhite->trigger();
  Window().menus.mnEngineBlack->trigger();
  ASSERT_TRUE(QTest::qWaitFor([&] { return app->game.LastPly >= 6; }, 60000));
  Window().menus.mnEngineWhite->trigger();
  Window().menus.mnEngineBlack->trigger();
  const QString text = ReadLog(log);
  EXPECT_TRUE(text.contains("<font color=\"magenta\">go depth 2</font>"));
  EXPECT_TRUE(text.contains("<font color=\"red\">go depth 2</font>"));
  EXPECT_TRUE(text.contains("<font color=\"teal\">bestmove "));
  EXPECT_TRUE(text.contains("<font color=\"blue\">bestmove "));
}

}  // namespace

namespace {

TEST_F(EngineTest, AnUnusableSavedEngineFallsBackToStockfishAndForgetsTheBook) {
  Launch({}, [&](QSettings& store) {
    store.setValue("Engine/FileName", dir.filePath("gone"));
    store.setValue("Engine/BookFiles", "/books/old.bin");
  });
  EXPECT_EQ(engine().EngineState, kEngineIdle);
  EXPECT_TRUE(engine().EngineIdName.startsWith("Stockfish"));
  EXPECT_EQ(app->settings.BookFiles, "");
  EXPECT_EQ(app->settings.FileName, engine().EnginePath);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(EngineTest, ASavedEngineKeepsItsBookAndLoadEngineShowsTheNewOne) {
  LaunchWithTestEngine({}, [](QSettings& store) { store.setValue("Engine/BookFiles", "/b.bin"); });
  EXPECT_EQ(app->settings.BookFiles, "/b.bin");
  EXPECT_TRUE(WaitForReceived("setoption name Book File value /b.bin"));
  const QString stockfish = QStandardPaths::findExecutable("stockfish", {"/usr/games"});
  ASSERT_FALSE(stockfish.isEmpty());
  ui.paths = {stockfish};
  ui.messages.clear();
  Window().menus.mnEngineLoad->trigger();
  EXPECT_TRUE(WaitForReceived("quit"));  // the old engine was told first
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(ui.messages[0].text.startsWith("Engine: Stockfish"));
  EXPECT_TRUE(ui.messages[0].text.contains("\n\nAuthor: "));
  EXPECT_EQ(engine().EnginePath, stockfish);
  EXPECT_TRUE(Window().windowTitle().startsWith("Stockfish"));
}

}  // namespace

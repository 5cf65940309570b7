// Whole games between two Stockfish sides through the real main window: the
// game must end by itself and be announced.
#include <QLabel>

#include "play_fixture.h"

namespace {

// Waits until the end of the game was announced; returns its message.
QString WaitForTheEnd(FakeGateways& ui, int seconds) {
  const auto announced = [&ui] {
    for (const ShownMessage& message : ui.messages)
      if (message.text.endsWith("Start another game?")) return true;
    return false;
  };
  if (!QTest::qWaitFor(announced, seconds * 1000)) return {};
  for (const ShownMessage& message : ui.messages)
    if (message.text.endsWith("Start another game?")) return message.text;
  return {};
}

QString MoveText(const Game& game) {
  QString text;
  for (int ply = 1; ply <= game.LastPly; ++ply) text += game.GameSan[ply] + ' ';
  return text;
}

void ExpectResultMatches(const QString& message, int result) {
  if (message.startsWith("White wins.") || message.startsWith("Black resigns.")) {
    EXPECT_EQ(result, 1) << message.toStdString();
  } else if (message.startsWith("Black wins.") || message.startsWith("White resigns.")) {
    EXPECT_EQ(result, 3) << message.toStdString();
  } else {
    EXPECT_TRUE(message.startsWith("Draw")) << message.toStdString();
    EXPECT_EQ(result, 2);
  }
}

TEST_F(PlayTest, StockfishPlaysItselfAtPeabrainUntilTheGameEnds) {
  Launch();
  ASSERT_TRUE(engine().EngineIdName.startsWith("Stockfish")) << engine().EngineIdName.toStdString();
  ui.answers = {MsgAnswer::No};  // no other game afterwards
  menus().mnEngineBlack->trigger();
  menus().mnEngineWhite->trigger();
  ASSERT_TRUE(engine().ComputerWhite && engine().ComputerBlack);
  const QString message = WaitForTheEnd(ui, 600);
  RecordProperty("moves", MoveText(app->game).toStdString());
  RecordProperty("announcement", message.toStdString());
  ASSERT_FALSE(message.isEmpty()) << MoveText(app->game).toStdString();
  EXPECT_GT(app->game.LastPly, 0);
  ExpectResultMatches(message, app->game.GameResult);
  // The computer played the winner: a mate sounds like a loss, a resignation
  // (the loser's engine gave up) like a win.
  const char* sound = message.startsWith("Draw")    ? "DRAW"
                      : message.contains("resigns") ? "WIN"
                                                    : "LOSS";
  EXPECT_TRUE(ui.sounds.contains(sound));
  EXPECT_EQ(engine().EngineState, kEngineHalted);
  EXPECT_EQ(app->game.TagWhite, engine().EngineIdName + " (Peabrain)");
  EXPECT_EQ(app->game.TagBlack, engine().EngineIdName + " (Peabrain)");
}

TEST_F(PlayTest, StockfishPlaysAOneMinuteGameWithIncrementsToItsEnd) {
  Launch({}, TimeControl(1, true, 999, 1));
  ui.answers = {MsgAnswer::No};
  menus().mnEngineBlack->trigger();
  menus().mnEngineWhite->trigger();
  ASSERT_TRUE(clocks().ClockRunning);
  EXPECT_EQ(Window().down.rule->text(), "Plus 1 sec/move");
  const QString message = WaitForTheEnd(ui, 900);
  RecordProperty("moves", MoveText(app->game).toStdString());
  RecordProperty("announcement", message.toStdString());
  ASSERT_FALSE(message.isEmpty()) << MoveText(app->game).toStdString();
  ExpectResultMatches(message, app->game.GameResult);
  // Both clocks counted and stopped at the end.
  EXPECT_GT(clocks().Elapsed[0], 0);
  EXPECT_GT(clocks().Elapsed[1], 0);
  EXPECT_FALSE(clocks().ClockRunning);
  EXPECT_FALSE(menus().mnEngineLevel->isChecked());
  for (int side = 0; side < 2; ++side) {
    EXPECT_GE(clocks().TimeLeft[side], 0);
    EXPECT_LE(clocks().TimeLeft[side], kMaxClockSeconds);
  }
}

}  // namespace

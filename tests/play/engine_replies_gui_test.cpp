// What the play rules do with an engine's " resign" and " draw", with the
// scriptable test engine as the computer.
#include <QElapsedTimer>

#include "board/move_input.h"
#include "engine_fixture.h"
#include "play/play.h"

namespace {

// The computer plays Black.
void ComputerBlack(QSettings& store) {
  store.setValue("Options/EnginePlay", "2");
}

QStringList Texts(const std::vector<ShownMessage>& messages) {
  QStringList texts;
  for (const ShownMessage& message : messages) texts << message.text;
  return texts;
}

TEST_F(EngineTest, AResignationIsPlayedAsAMoveWhenResigningIsNotAllowed) {
  LaunchWithTestEngine("on go\nprint bestmove e7e5 resign\n", [](QSettings& store) {
    ComputerBlack(store);
    store.setValue("Options/AllowResign", "0");
  });
  ASSERT_TRUE(engine().ComputerBlack);
  app->input->TypedMove("e4");
  ASSERT_TRUE(QTest::qWaitFor([&] { return app->game.LastPly == 2; }, 5000));
  EXPECT_EQ(app->game.GameSan[2], "e5");
  EXPECT_EQ(app->game.GameResult, 0);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(EngineTest, TheEngineResignsAndIsNotToldToStopAfterItsAnswer) {
  LaunchWithTestEngine("on go\nprint bestmove e7e5 resign\n", ComputerBlack);
  ui.answers = {MsgAnswer::No};
  app->input->TypedMove("e4");
  QElapsedTimer timer;
  timer.start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !ui.messages.empty(); }, 5000));
  EXPECT_LT(timer.elapsed(), 5000);  // not the ten seconds of a stop that is never answered
  EXPECT_EQ(Texts(ui.messages), QStringList({"Black resigns.\n\nStart another game?"}));
  EXPECT_EQ(ui.messages[0].icon, MsgIcon::Win);
  EXPECT_EQ(ui.sounds.last(), "WIN");
  EXPECT_EQ(app->game.GameResult, 1);
  EXPECT_EQ(app->game.LastPly, 1);  // the move in the line is not played
  EXPECT_EQ(engine().EngineState, kEngineHalted);
  EXPECT_TRUE(ReceivedStarting("stop").isEmpty());
}

TEST_F(EngineTest, OneSidesOfferAcceptedByTheOtherIsAnAgreedDraw) {
  LaunchWithTestEngine(
      "on go draw\nprint bestmove e7e5 draw\n"
      "on go\nprint bestmove e2e4 draw\n",
      ComputerBlack);
  ui.answers = {MsgAnswer::No};
  Window().menus.mnEngineWhite->trigger();  // the computer plays both sides
  ASSERT_TRUE(engine().ComputerWhite && engine().ComputerBlack);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !ui.messages.empty(); }, 5000));
  EXPECT_EQ(Texts(ui.messages), QStringList({"Draw agreed.\n\nStart another game?"}));
  EXPECT_EQ(ui.messages[0].icon, MsgIcon::Draw);
  EXPECT_EQ(ui.sounds.last(), "DRAW");
  EXPECT_EQ(app->game.GameResult, 2);
  EXPECT_TRUE(Window().lblResult->text().contains("1/2-1/2"));
  EXPECT_EQ(app->game.LastPly, 1);
  EXPECT_EQ(ReceivedStarting("go"), QStringList({"go depth 2", "go draw depth 2"}));
  EXPECT_TRUE(ReceivedStarting("stop").isEmpty());
  EXPECT_EQ(engine().EngineState, kEngineHalted);
}

TEST_F(EngineTest, AnOfferToTheUserIsShownAndLapsesWithTheNextMove) {
  LaunchWithTestEngine("on go\nprint bestmove e7e5 draw\n", ComputerBlack);
  app->input->TypedMove("e4");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !ui.messages.empty(); }, 5000));
  EXPECT_EQ(Texts(ui.messages),
            QStringList({"Black offers draw.\n\nTo accept draw, click menu Computer -> Offer / "
                         "Accept Draw.\nTo decline draw, just disregard it."}));
  EXPECT_EQ(ui.messages[0].icon, MsgIcon::Information);
  EXPECT_TRUE(engine().UserOfferedDraw);
  EXPECT_EQ(app->game.LastPly, 2);
  app->input->TypedMove("Nf3");
  EXPECT_FALSE(engine().UserOfferedDraw);
  // The next search carries no offer.
  ASSERT_TRUE(QTest::qWaitFor([&] { return ReceivedStarting("go").size() == 2; }, 5000));
  EXPECT_EQ(ReceivedStarting("go"), QStringList({"go depth 2", "go depth 2"}));
}

}  // namespace

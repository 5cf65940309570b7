// The end of a game in the real main window: resignation, the draw command,
// checkmate against and by the computer.
#include "play_fixture.h"

namespace {

TEST_F(PlayTest, TheUserResignsAfterConfirming) {
  LaunchPlay({}, [](QSettings& store) { store.setValue("Options/TryAgain", "0"); });
  ASSERT_TRUE(menus().mnMoveResign->isEnabled());  // the user is to move
  ui.answers = {MsgAnswer::No};
  menus().mnMoveResign->trigger();
  EXPECT_EQ(app->game.GameResult, 0);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Do you really want to resign?");
  EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(ui.messages[0].icon, MsgIcon::Question);

  menus().mnMoveResign->trigger();  // answered Yes
  EXPECT_EQ(app->game.GameResult, 3);
  ASSERT_EQ(ui.messages.size(), 3u);
  EXPECT_EQ(ui.messages[2].text, "White resigns.");
  EXPECT_EQ(ui.messages[2].buttons, MsgButtons::Ok);
  EXPECT_EQ(ui.messages[2].icon, MsgIcon::Loss);
  EXPECT_EQ(ui.sounds.last(), "LOSS");
  EXPECT_TRUE(Window().lblResult->text().contains("0-1"));
  // The finished game stays put: the engine does not start on it.
  EXPECT_EQ(engine().EngineState, kEngineHalted);
}

TEST_F(PlayTest, ResignAndDrawAreForTheUsersTurnOnly) {
  LaunchPlay();
  EXPECT_TRUE(menus().mnMoveDraw->isEnabled());
  app->settings.Depth = 10;  // long enough to watch the engine think
  Type("e4");
  EXPECT_FALSE(menus().mnMoveResign->isEnabled());
  EXPECT_FALSE(menus().mnMoveDraw->isEnabled());
  ASSERT_TRUE(QTest::qWaitFor([&] { return app->game.LastPly == 2; }, 30000));
  EXPECT_TRUE(menus().mnMoveResign->isEnabled());
}

TEST_F(PlayTest, TheDrawCommandIsNotAvailable) {
  LaunchPlay();
  menus().mnMoveDraw->trigger();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Sorry, this feature is not available yet.");
  EXPECT_EQ(ui.messages[0].icon, MsgIcon::Warning);
  EXPECT_FALSE(menus().mnMoveDraw->isChecked());
  EXPECT_EQ(app->game.GameResult, 0);
}

TEST_F(PlayTest, MatingTheComputerPlaysTheWinSound) {
  LaunchPlay({"/S", "6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1"});
  menus().mnEngineBlack->trigger();
  ASSERT_TRUE(engine().ComputerBlack);
  ui.answers = {MsgAnswer::No};
  Type("Ra8#");
  ASSERT_EQ(app->game.GameResult, 1);
  EXPECT_EQ(ui.sounds.last(), "WIN");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "White wins.\n\nStart another game?");
  EXPECT_EQ(ui.messages[0].icon, MsgIcon::Win);
  EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(app->game.MatedKingSquare, Sq("g8"));
  EXPECT_EQ(engine().EngineState, kEngineHalted);
  EXPECT_EQ(app->game.LastPly, 1);  // No: the finished game stays
}

TEST_F(PlayTest, BeingMatedByTheComputerPlaysTheLossSoundAndYesStartsAnotherGame) {
  LaunchPlay({"/S", "r5k1/8/8/8/8/8/5PPP/6K1 b - - 0 1"});
  // Yes to another game; the computer's mating move changed the game, so
  // the save prompt asks first: No, do not save.
  ui.answers = {MsgAnswer::Yes, MsgAnswer::No};
  menus().mnEngineBlack->trigger();  // Black to move: the computer mates at once
  ASSERT_TRUE(QTest::qWaitFor([&] { return ui.sounds.contains("LOSS"); }, 20000));
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, "Black wins.\n\nStart another game?");
  EXPECT_EQ(ui.messages[0].icon, MsgIcon::Loss);
  EXPECT_TRUE(ui.messages[1].text.startsWith("The game has changed."));
  // A new game in the play mode.
  EXPECT_TRUE(app->game.StandardStart);
  EXPECT_EQ(app->game.LastPly, 0);
  EXPECT_EQ(app->game.GameResult, 0);
}

TEST_F(PlayTest, AnotherGameCancelledInTheSavePromptLeavesTheGameAsItIs) {
  LaunchPlay({"/S", "6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1"});
  // Yes to another game, then Cancel when asked to save the changed game.
  ui.answers = {MsgAnswer::Yes, MsgAnswer::Cancel};
  Type("Ra8#");
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, "White wins.\n\nStart another game?");
  EXPECT_TRUE(ui.messages[1].text.startsWith("The game has changed."));
  EXPECT_EQ(app->game.LastPly, 1);
  EXPECT_EQ(app->game.GameResult, 1);
  EXPECT_FALSE(app->game.StandardStart);
}

TEST_F(PlayTest, AHandicapCancelledInTheSavePromptChangesNothing) {
  LaunchPlay();
  Type("e4");
  ASSERT_TRUE(app->game.GameModified);
  ui.answers = {MsgAnswer::Cancel};
  menus().mnTalvorHandicap[0]->trigger();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_TRUE(app->game.StandardStart);
  EXPECT_GE(app->game.LastPly, 1);
  EXPECT_TRUE(engine().ComputerBlack);
}

}  // namespace

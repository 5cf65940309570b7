// New games in the real main window: play modes, the Startup dialog,
// handicaps, the level dialog and Demonstrate.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "play/level_dialog.h"
#include "play/new_game_dialog.h"
#include "play/spin_button.h"
#include "play_fixture.h"

namespace {

TEST_F(PlayTest, AlternationGivesTheComputerBlackWhiteAndBlack) {
  LaunchPlay();  // start-up asks for a new game
  EXPECT_FALSE(engine().ComputerWhite);
  EXPECT_TRUE(engine().ComputerBlack);
  EXPECT_TRUE(menus().mnEngineBlack->isChecked());
  EXPECT_FALSE(Window().board->Flipped());
  app->RequestNewGame();
  EXPECT_TRUE(engine().ComputerWhite);
  EXPECT_FALSE(engine().ComputerBlack);
  EXPECT_TRUE(menus().buttons["EngineWhite"]->isChecked());
  EXPECT_TRUE(Window().board->Flipped());  // Auto Rotate: the user's side at the bottom
  // The computer, now White, moves first; wait until it did.
  ASSERT_TRUE(QTest::qWaitFor([&] { return app->game.LastPly == 1; }, 20000));
  app->RequestNewGame();
  EXPECT_FALSE(engine().ComputerWhite);
  EXPECT_TRUE(engine().ComputerBlack);
  EXPECT_EQ(ui.sounds.count("NEWGAME"), 3);
}

TEST_F(PlayTest, WithoutAnEngineANewGameKeepsTheSidesAsTheyWere) {
  LaunchPlay();
  ASSERT_TRUE(engine().ComputerBlack);
  engine().UnloadEngine();
  ui.sounds.clear();
  app->RequestNewGame();
  EXPECT_EQ(ui.sounds, QStringList({"NEWGAME"}));
  EXPECT_FALSE(engine().ComputerWhite);
  EXPECT_TRUE(engine().ComputerBlack);
}

TEST_F(PlayTest, PlayerNamesCarryTheEnginesNameAndTheLevel) {
  LaunchPlay({}, [](QSettings& store) { store.setValue("Timer/Depth", "-2"); });
  EXPECT_EQ(app->game.TagWhite, "Chess Fan");
  EXPECT_EQ(app->game.TagBlack, engine().EngineIdName + " (Newbie)");
  EXPECT_FALSE(engine().EngineIdName.isEmpty());
  EXPECT_TRUE(menus().mnEnginePonder->isEnabled());
  EXPECT_FALSE(engine().PonderOn);
  // The computer takes White too: no more pondering, and the names follow.
  app->settings.User = "Ann";
  menus().mnEngineWhite->trigger();
  EXPECT_TRUE(engine().ComputerWhite && engine().ComputerBlack);
  EXPECT_FALSE(menus().mnEnginePonder->isEnabled());
  EXPECT_EQ(app->game.TagWhite, engine().EngineIdName + " (Newbie)");
}

TEST_F(PlayTest, OfferingTheComputerAKnightTakesWhitesQueensKnight) {
  LaunchPlay();
  menus().mnTalvorHandicap[4]->trigger();
  EXPECT_FALSE(app->game.StandardStart);
  EXPECT_EQ(app->game.StartFen, "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/R1BQKBNR w KQkq - 0 1");
  EXPECT_EQ(app->game.Board.Squares[Sq("b1")], 0);
  EXPECT_NE(app->game.Board.Squares[Sq("g1")], 0);
  EXPECT_FALSE(engine().ComputerWhite);
  EXPECT_TRUE(engine().ComputerBlack);
  EXPECT_EQ(app->game.SideToMove, 0);
}

TEST_F(PlayTest, TheComputerOffersAQueenAndPlaysTheWeakenedWhite) {
  LaunchPlay();
  menus().mnTalvorHandicap[2]->trigger();
  EXPECT_EQ(app->game.Board.Squares[Sq("d1")], 0);
  EXPECT_TRUE(engine().ComputerWhite);
  EXPECT_FALSE(engine().ComputerBlack);
}

TEST_F(PlayTest, TheStartupDialogSetsLevelColourAndHandicap) {
  LaunchPlay();
  app->settings.ShowNew = true;
  bool checked = false;
  WhenDialogOpens<NewGameDialog>([&](NewGameDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Startup");
    EXPECT_EQ(dialog->cmbLevel->count(), 13);
    EXPECT_EQ(dialog->cmbLevel->itemText(12), "More...");
    EXPECT_EQ(dialog->cmbLevel->currentIndex(), 0);  // Peabrain
    EXPECT_TRUE(dialog->optFlip[1]->isChecked());    // the computer takes White next
    EXPECT_TRUE(dialog->optHandicap[0]->isChecked());
    EXPECT_FALSE(dialog->optHandicap[4]->isEnabled());
    EXPECT_TRUE(dialog->chkShowNew->isChecked());
    dialog->cmbLevel->setCurrentIndex(3);
    dialog->optFlip[0]->click();  // but the user wants White
    dialog->optHandicap[2]->click();
    dialog->chkShowNew->setChecked(false);
    checked = true;
    dialog->btnConfirm->click();
  });
  app->RequestNewGame();
  ASSERT_TRUE(checked);
  EXPECT_EQ(app->settings.Depth, -4);
  EXPECT_FALSE(app->settings.ShowNew);
  EXPECT_EQ(app->game.Board.Squares[Sq("a1")], 0);
  EXPECT_FALSE(engine().ComputerWhite);
  EXPECT_TRUE(engine().ComputerBlack);
  EXPECT_TRUE(app->play->NextComputerWhite);  // the user played White: next time Black
  EXPECT_EQ(Window().up.value->text(), "Rookie");
}

TEST_F(PlayTest, TheStartupDialogWarnsOfSlowLevelsAndCancelKeepsTheGame) {
  LaunchPlay();
  Type("e4");
  ASSERT_TRUE(QTest::qWaitFor([&] { return app->game.LastPly == 2; }, 20000));
  app->settings.ShowNew = true;
  WhenDialogOpens<NewGameDialog>([](NewGameDialog* dialog) {
    dialog->cmbLevel->setCurrentIndex(10);
    emit dialog->cmbLevel->activated(10);
    dialog->cmbLevel->setCurrentIndex(11);
    emit dialog->cmbLevel->activated(11);
    dialog->btnCancel->click();
  });
  app->RequestNewGame();
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_TRUE(ui.messages[0].text.startsWith("'Grandmaster' usually takes much time"));
  EXPECT_TRUE(ui.messages[1].text.startsWith("'Overwhelming' usually takes much more time"));
  EXPECT_EQ(ui.messages[1].icon, MsgIcon::Information);
  EXPECT_EQ(app->game.LastPly, 2);
  EXPECT_EQ(app->settings.Depth, -1);
}

TEST_F(PlayTest, MoreLevelsCancelledReturnsToTheNamedLevel) {
  LaunchPlay({}, [](QSettings& store) { store.setValue("Timer/Depth", "-6"); });
  app->settings.ShowNew = true;
  int position = -1;
  WhenDialogOpens<NewGameDialog>([&](NewGameDialog* dialog) {
    WhenDialogOpens<LevelDialog>([](LevelDialog* level) { level->btnCancel->click(); });
    dialog->cmbLevel->setCurrentIndex(12);
    emit dialog->cmbLevel->activated(12);
    position = dialog->cmbLevel->currentIndex();
    dialog->btnCancel->click();
  });
  app->RequestNewGame();
  EXPECT_EQ(position, 5);
}

TEST_F(PlayTest, TheLevelDialogPrefillsEightPliesAndClampsTypedDepths) {
  LaunchPlay();
  bool checked = false;
  WhenDialogOpens<LevelDialog>([&](LevelDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Level");
    EXPECT_TRUE(dialog->optLevel[0]->isChecked());
    EXPECT_FALSE(dialog->frmDepth->isVisibleTo(dialog));
    EXPECT_FALSE(dialog->frmTimer->isVisibleTo(dialog));
    dialog->optDepth->click();
    EXPECT_TRUE(dialog->frmDepth->isVisibleTo(dialog));
    EXPECT_EQ(dialog->txtDepth->text(), "8");
    dialog->txtDepth->setText("150");
    EXPECT_EQ(dialog->txtDepth->text(), "99");
    dialog->txtDepth->setText("abc");
    EXPECT_EQ(dialog->txtDepth->text(), "1");
    dialog->txtDepth->setText("");
    EXPECT_EQ(dialog->txtDepth->text(), "1");
    emit dialog->updnDepth->Stepped(1);
    EXPECT_EQ(dialog->txtDepth->text(), "2");
    checked = true;
    dialog->btnConfirm->click();
  });
  menus().mnEngineLevel->trigger();
  ASSERT_TRUE(checked);
  EXPECT_EQ(app->settings.Depth, 2);
  EXPECT_EQ(Window().up.value->text(), "2 Plies");
  EXPECT_FALSE(menus().mnEngineLevel->isChecked());
}

TEST_F(PlayTest, TheLevelDialogSetsATimeControlThatStartsTheClocks) {
  LaunchPlay();
  WhenDialogOpens<LevelDialog>([](LevelDialog* dialog) {
    dialog->optTimer->click();
    EXPECT_TRUE(dialog->frmTimer->isVisibleTo(dialog));
    EXPECT_TRUE(dialog->txtIncMove->isEnabled());
    EXPECT_FALSE(dialog->txtIncTime->isEnabled());
    dialog->optIncTime->click();
    EXPECT_FALSE(dialog->txtIncMove->isEnabled());
    EXPECT_TRUE(dialog->txtIncTime->isEnabled());
    dialog->txtInitTime->setText("500");
    EXPECT_EQ(dialog->txtInitTime->text(), "480");
    dialog->txtIncTime->setText("-70");
    EXPECT_EQ(dialog->txtIncTime->text(), "-60");
    dialog->txtIncTime->setText("5");
    dialog->txtInitTime->setText("3");
    dialog->btnConfirm->click();
  });
  menus().mnEngineLevel->trigger();
  EXPECT_EQ(app->settings.Depth, 0);
  EXPECT_TRUE(app->settings.IncMode);
  EXPECT_EQ(app->settings.IncTime, 5);
  EXPECT_EQ(app->settings.InitTime, 3);
  EXPECT_TRUE(clocks().ClockRunning);  // the computer plays Black
  EXPECT_TRUE(menus().mnEngineLevel->isChecked());
  EXPECT_EQ(Window().down.value->text(), "00:03:00");
  EXPECT_EQ(Window().down.rule->text(), "Plus 5 sec/move");
}

TEST_F(PlayTest, TheLevelDialogInformsOfSlowLevelsAndCancelChangesNothing) {
  LaunchPlay();
  WhenDialogOpens<LevelDialog>([](LevelDialog* dialog) {
    dialog->optLevel[10]->click();
    dialog->optInfinite->click();
    dialog->btnCancel->click();
  });
  menus().mnEngineLevel->trigger();
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_TRUE(ui.messages[0].text.startsWith("'Grandmaster'"));
  EXPECT_TRUE(ui.messages[1].text.startsWith("'Infinite' usually fits for solving puzzles"));
  EXPECT_EQ(app->settings.Depth, -1);
  EXPECT_FALSE(menus().mnEngineLevel->isChecked());
}

TEST_F(PlayTest, AnOpenedGameReplaysByItselfWhenAutoDemoIsOn) {
  const QString path = dir.filePath("game.pgn");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[White \"A\"]\n[Black \"B\"]\n\n1. e4 e5 2. Nf3 *\n");
  file.close();
  LaunchPlay({path});
  ASSERT_EQ(app->game.LastPly, 3);
  ASSERT_EQ(app->game.CurPly, 0);
  EXPECT_TRUE(app->play->DemoMode());
  EXPECT_TRUE(menus().mnTalvorPlay->isChecked());
  for (int i = 0; i < 3; ++i) Pass(1.1);
  EXPECT_EQ(app->game.CurPly, 3);
  EXPECT_FALSE(app->play->DemoMode());
  // The moves were replayed with sounds, as a demonstration should be heard.
  EXPECT_EQ(ui.sounds.count("MOVE2"), 3);
}

TEST_F(PlayTest, DemonstrateReplaysTheRecordedMovesAndStopsAtTheEnd) {
  LaunchPlay();
  app->settings.EnginePlay = kModeNoComputer;
  app->RequestNewGame();
  for (const char* move : {"e4", "e5", "Nf3", "Nc6"}) Type(move);
  ASSERT_EQ(app->game.LastPly, 4);
  menus().mnTalvorPlay->trigger();  // at the last move: stays off
  EXPECT_FALSE(app->play->DemoMode());
  EXPECT_FALSE(menus().mnTalvorPlay->isChecked());
  menus().mnMoveStart->trigger();
  menus().mnTalvorPlay->trigger();
  EXPECT_TRUE(app->play->DemoMode());
  EXPECT_TRUE(menus().buttons["TalvorPlay"]->isChecked());
  app->game.LastMoveTime = fakeNow;
  Pass(0.5);
  EXPECT_EQ(app->game.CurPly, 0);
  Pass(0.6);  // more than the interval of one second
  EXPECT_EQ(app->game.CurPly, 1);
  for (int i = 0; i < 3; ++i) Pass(1.1);
  EXPECT_EQ(app->game.CurPly, 4);
  EXPECT_FALSE(app->play->DemoMode());  // the end of the game ends it
  EXPECT_FALSE(menus().mnTalvorPlay->isChecked());
}

}  // namespace

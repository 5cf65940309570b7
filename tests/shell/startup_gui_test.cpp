#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "app_fixture.h"
#include "engine/engine.h"
#include "shell/command_line.h"
#include "shell/preferences_dialog.h"

namespace {

TEST(CommandLine, RecognisesPositionsPositionFilesAndGameFiles) {
  auto parsed = ParseCommandLine({"-s", "\"8/8/8/8/8/8/8/K6k w - - 0 1\""});
  EXPECT_EQ(parsed.kind, CommandLine::kPosition);
  EXPECT_EQ(parsed.text, "8/8/8/8/8/8/8/K6k w - - 0 1");
  parsed = ParseCommandLine({"/S 8/8/8/8/8/8/8/K6k", "b", "-", "-", "0", "9"});
  EXPECT_EQ(parsed.kind, CommandLine::kPosition);
  EXPECT_EQ(parsed.text, "8/8/8/8/8/8/8/K6k b - - 0 9");
  parsed = ParseCommandLine({"-F", "/tmp/a b.fen"});
  EXPECT_EQ(parsed.kind, CommandLine::kPositionFile);
  EXPECT_EQ(parsed.text, "/tmp/a b.fen");
  parsed = ParseCommandLine({"/Sgame.pgn"});  // no space after /S: a file name
  EXPECT_EQ(parsed.kind, CommandLine::kGameFile);
  EXPECT_EQ(parsed.text, "/Sgame.pgn");
  parsed = ParseCommandLine({"\"/home/me/my game.pgn\""});
  EXPECT_EQ(parsed.text, "/home/me/my game.pgn");
  EXPECT_EQ(ParseCommandLine({}).kind, CommandLine::kEmpty);
}

TEST_F(AppTest, APositionOnTheCommandLineIsSetUp) {
  Launch({"-s", "\"4k3/8/8/8/8/8/8/4K2R b K - 0 23\""});
  EXPECT_FALSE(app->game.StandardStart);
  EXPECT_EQ(app->game.MoveNumber, 23);
  EXPECT_EQ(app->game.SideToMove, 1);
  // Without a file name the caption names the engine.
  EXPECT_EQ(Window().windowTitle(), app->engine->EngineIdName + " - Chess Talvor");
}

TEST_F(AppTest, AMissingPositionFileIsReportedAndANewGameStarts) {
  Launch({"/F", dir.filePath("none.fen")});
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Error Open File: " + dir.filePath("none.fen"));
  EXPECT_TRUE(app->game.StandardStart);
}

TEST_F(AppTest, StoredValuesAreReadWithTheirClamps) {
  Launch({}, [](QSettings& store) {
    store.setValue("Options/PlayIntv", "15");
    store.setValue("Options/Blindfold", "-1");
    store.setValue("Timer/InitTime", "abc");
  });
  EXPECT_EQ(app->settings.PlayIntv, 10);
  EXPECT_TRUE(app->settings.Blindfold);
  EXPECT_EQ(app->settings.InitTime, 1);
  // Blindfold hides every piece.
  EXPECT_EQ(Window().board->PictureAt(0), 0);
}

TEST_F(AppTest, ChangesAreWrittenAtANormalExitOnly) {
  Launch();
  Window().menus.mnOptionsCoordinates->trigger();
  Window().menus.mnOptionsAnimation[3]->trigger();
  app.reset();  // the program ends without its shutdown steps
  {
    QSettings store(SettingsPath(), QSettings::IniFormat);
    EXPECT_FALSE(store.contains("Options/Coordinates"));
    EXPECT_EQ(store.value("Options/MoveDelay").toString(), "0");
  }
  Launch();
  Window().menus.mnOptionsCoordinates->trigger();
  Window().menus.mnOptionsAnimation[3]->trigger();
  EXPECT_TRUE(Window().close());
  app->Shutdown();
  QSettings store(SettingsPath(), QSettings::IniFormat);
  EXPECT_EQ(store.value("Options/Coordinates").toString(), "1");
  EXPECT_EQ(store.value("Options/MoveDelay").toString(), "3");
}

TEST_F(AppTest, PreferencesClampTheIntervalAndCancelChangesNothing) {
  Launch();
  const Settings before = app->settings;
  WhenDialogOpens<PreferencesDialog>([](PreferencesDialog* dialog) {
    QTest::keyClicks(dialog->txtPlayIntv, "5");  // "15" read as 15 becomes 10
    EXPECT_EQ(dialog->txtPlayIntv->text(), "10");
    dialog->txtPlayIntv->selectAll();
    QTest::keyClick(dialog->txtPlayIntv, Qt::Key_Delete);  // empty reads as 1
    EXPECT_EQ(dialog->txtPlayIntv->text(), "1");
    dialog->chkAutoSave->setChecked(true);
    dialog->txtUser->setText("Ann");
    dialog->findChild<QPushButton*>("btnCancel")->click();
  });
  Window().menus.mnOptionsSettings->trigger();
  EXPECT_EQ(app->settings.PlayIntv, before.PlayIntv);
  EXPECT_EQ(app->settings.AutoSave, before.AutoSave);
  EXPECT_EQ(app->settings.User, before.User);

  WhenDialogOpens<PreferencesDialog>([](PreferencesDialog* dialog) {
    dialog->txtPlayIntv->selectAll();
    QTest::keyClicks(dialog->txtPlayIntv, "7");
    dialog->cmbEnginePlay->setCurrentIndex(4);
    dialog->txtUser->setText("Ann");
    dialog->findChild<QPushButton*>("btnConfirm")->click();
  });
  Window().menus.mnOptionsSettings->trigger();
  EXPECT_EQ(app->settings.PlayIntv, 7);
  EXPECT_EQ(app->settings.EnginePlay, 4);
  EXPECT_EQ(app->settings.User, "Ann");
}

}  // namespace

// The engine conversation with the scriptable test engine: what the engine
// is told, and what the program does with its answers.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "engine/engine_settings_dialog.h"
#include "engine_fixture.h"
#include "shell/main_window.h"

namespace {

TEST_F(EngineTest, HandshakeRecordsTheEngineAndSendsTheOptionsInOrder) {
  LaunchWithTestEngine({}, [](QSettings& store) {
    store.setValue("Engine/Hash", "3");
    store.setValue("Engine/Threads", "3");
    store.setValue("Engine/Style", "2");
    store.setValue("Engine/BookFiles", "");
  });
  EXPECT_EQ(engine().EngineState, kEngineIdle);
  EXPECT_EQ(engine().EngineIdName, "Talvor Test Engine");
  EXPECT_EQ(engine().EngineIdAuthor, "The Talvor Team");
  EXPECT_EQ(Window().windowTitle(), "Talvor Test Engine - Chess Talvor");
  EXPECT_TRUE(Window().menus.mnEngineWhite->isEnabled());

  engine().ProcessorCount = 4;
  ReloadTestEngine({});
  ASSERT_TRUE(WaitForReceived("setoption name Cowardice value 0"));
  EXPECT_EQ(
      Received(),
      QStringList({"uci", "setoption name OwnBook value true",
                   "setoption name Use Tablebases value true", "setoption name Hash value 128",
                   "setoption name Threads value 4", "setoption name Minimum Thinking Time value 0",
                   "setoption name Randomness value 3", "setoption name Aggressiveness value 200",
                   "setoption name Cowardice value 0"}));
}

TEST_F(EngineTest, TheStartPositionIsSentWithoutMoves) {
  LaunchWithTestEngine();
  Window().menus.mnEngineWhite->trigger();
  ASSERT_TRUE(WaitForReceived("go depth 2"));
  EXPECT_EQ(ReceivedStarting("position "), QStringList({"position startpos"}));
  EXPECT_EQ(engine().EngineState, kEngineThinking);
  EXPECT_TRUE(Window().menus.mnEngineStop->isEnabled());
  EXPECT_FALSE(Window().menus.mnEngineSet->isEnabled());
}

TEST_F(EngineTest, AGameFromAPositionSendsTheFenAndEveryPly) {
  LaunchWithTestEngine();
  const QString fen = "4k3/8/8/8/8/8/4P3/4K3 w - - 0 1";
  app->game.LoadPosition(fen, false);
  for (const char* move : {"e2e4", "e8d7", "e1e2"})
    ASSERT_TRUE(app->game.ApplyMove(ChessCoord2Move(move), kModeSilent, 0));
  Window().menus.mnEngineBlack->trigger();
  ASSERT_TRUE(WaitForReceived("go depth 2"));
  EXPECT_EQ(ReceivedStarting("position "),
            QStringList({"position fen " + fen + " moves e2e4 e8d7 e1e2"}));
}

TEST_F(EngineTest, GoCommandsFollowTheLevelAndTheClocks) {
  LaunchWithTestEngine();
  struct Row {
    int level;
    bool incMode;
    int incTime;
    const char* go;
  } rows[] = {
      {-12, false, 1, "go depth 24"},
      {-1, false, 1, "go depth 2"},
      {7, false, 1, "go depth 7"},
      {100, false, 1, "go depth 100"},
      {0, false, 1, "go wtime 300000 btime 290000 movestogo 40"},
      {0, true, 5, "go wtime 300000 btime 290000 winc 5000 binc 5000"},
      {0, true, -5, "go wtime 300000 btime 290000 winc 0 binc 0"},
  };
  app->clocks.TimeLeft[0] = 300;
  app->clocks.TimeLeft[1] = 290;
  app->clocks.MovesToGo[0] = 40;
  for (const Row& row : rows) {
    app->settings.Depth = row.level;
    app->settings.IncMode = row.incMode;
    app->settings.IncTime = row.incTime;
    engine().EngineState = kEngineThinking;
    engine().StartSearch();
    EXPECT_TRUE(WaitForReceived(row.go)) << row.go;
    engine().EngineState = kEngineIdle;
  }
}

TEST_F(EngineTest, TheBestMoveIsPlayedAndPonderingStartsOnThePredictedReply) {
  LaunchWithTestEngine(
      "on go ponder\n"
      "on go\nprint info depth 1 score cp 20 pv e2e4\nprint bestmove e2e4 ponder e7e5\n");
  Window().menus.mnEngineWhite->trigger();
  ASSERT_TRUE(Window().menus.mnEnginePonder->isEnabled());
  Window().menus.mnEnginePonder->trigger();
  ASSERT_TRUE(engine().PonderOn);
  ASSERT_TRUE(WaitForReceived("go ponder depth 2"));
  EXPECT_EQ(ReceivedStarting("position "),
            QStringList({"position startpos", "position startpos moves e2e4 e7e5"}));
  EXPECT_EQ(app->game.LastPly, 1);
  EXPECT_EQ(app->game.GameSan[1], "e4");
  EXPECT_EQ(engine().EngineState, kEnginePondering);
  EXPECT_EQ(engine().PonderMoveSan, "e5");

  // The user plays the expected move: the ponder search becomes the real one.
  Click("e7");
  Click("e5");
  ASSERT_TRUE(WaitForReceived("ponderhit"));
  EXPECT_EQ(engine().EngineState, kEngineThinking);
  EXPECT_EQ(ReceivedStarting("position ").size(), 2);
}

TEST_F(EngineTest, AnotherMoveThanThePredictedOneStopsThePonderSearch) {
  LaunchWithTestEngine(
      "on go ponder\n"
      "on stop\nprint bestmove g1f3\n"
      "on go\nprint bestmove e2e4 ponder e7e5\n");
  Window().menus.mnEngineWhite->trigger();
  Window().menus.mnEnginePonder->trigger();
  ASSERT_TRUE(WaitForState(kEnginePondering));
  Click("d7");
  Click("d5");
  ASSERT_TRUE(WaitForReceived("stop"));
  // The stopped search's move is dropped; a new search starts for the new position.
  ASSERT_TRUE(QTest::qWaitFor([&] { return ReceivedStarting("position ").size() == 3; }, 5000));
  EXPECT_EQ(ReceivedStarting("position ").last(), "position startpos moves e2e4 d7d5");
  EXPECT_FALSE(Received().contains("ponderhit"));
}

TEST_F(EngineTest, NoMoveWhileThinkingLeavesTheEngineHalted) {
  LaunchWithTestEngine("on go\nprint bestmove (none)\n");
  Window().menus.mnEngineWhite->trigger();
  ASSERT_TRUE(WaitForState(kEngineHalted));
  EXPECT_EQ(app->game.LastPly, 0);
  EXPECT_FALSE(Window().menus.mnEngineStop->isEnabled());
  QTest::qWait(100);  // the tick starts nothing from Halted
  EXPECT_EQ(ReceivedStarting("go").size(), 1);
}

TEST_F(EngineTest, AnIllegalBestMoveHaltsTheEngine) {
  LaunchWithTestEngine("on go\nprint bestmove e2e5\n");
  Window().menus.mnEngineWhite->trigger();
  ASSERT_TRUE(WaitForState(kEngineHalted));
  EXPECT_EQ(app->game.LastPly, 0);
}

TEST_F(EngineTest, UciokWithATrailingSpaceTimesOutWithTheCpuSentence) {
  LaunchWithTestEngine();
  engine().HandshakeLimitMs = 300;
  ui.messages.clear();
  ReloadTestEngine("on uci\nprint id name Spacey\nprint uciok \n");
  const QString path = TALVOR_TEST_ENGINE;
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Unable to load engine: " + path +
                                     "\n\nYour CPU may be overloaded. Exit Chess Talvor and "
                                     "launch again later.");
  EXPECT_EQ(ui.messages[0].icon, MsgIcon::Warning);
  EXPECT_EQ(engine().EngineState, kEngineNone);
  EXPECT_EQ(engine().EnginePath, "");
  EXPECT_FALSE(Window().menus.mnEngineWhite->isEnabled());
  EXPECT_FALSE(Window().menus.mnEngineAnalyze->isEnabled());
  EXPECT_EQ(Received(), QStringList({"uci", "quit"}));
}

TEST_F(EngineTest, AnEngineThatExitsAtOnceFailsWithoutTheCpuSentence) {
  LaunchWithTestEngine();
  ui.messages.clear();
  ReloadTestEngine("on start\nexit 1\n");
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, QString("Unable to load engine: ") + TALVOR_TEST_ENGINE);
  EXPECT_EQ(engine().EngineState, kEngineNone);
}

TEST_F(EngineTest, AFileThatIsNoEngineIsRefused) {
  LaunchWithTestEngine();
  ui.messages.clear();
  const QString text = dir.filePath("notes.txt");
  QFile file(text);
  file.open(QIODevice::WriteOnly);
  file.write("hello");
  file.close();
  ui.paths = {text};
  Window().menus.mnEngineLoad->trigger();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, text + " is not an engine file.");
  EXPECT_EQ(engine().EngineState, kEngineIdle);
  EXPECT_EQ(engine().EnginePath, TALVOR_TEST_ENGINE);
}

TEST_F(EngineTest, AKilledSlaveIsReportedAndTheMainEngineTakesOver) {
  LaunchWithTestEngine();
  ui.paths = {TALVOR_TEST_ENGINE};
  ui.messages.clear();
  engine().LoadSlaveEngine();
  ASSERT_TRUE(engine().SlaveBlack);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Engine Name: Talvor Test Engine\n\nDesigned by: The Talvor Team");
  Window().menus.mnEngineBlack->trigger();
  Click("e2");
  Click("e4");
  ASSERT_TRUE(WaitForState(kEngineThinking));
  ASSERT_TRUE(engine().SlaveToMove());
  ASSERT_TRUE(WaitForReceived("go depth 2"));
  ui.messages.clear();
  KillTestEngine();  // the slave started last
  ASSERT_TRUE(QTest::qWaitFor([&] { return !ui.messages.empty(); }, 5000));
  EXPECT_EQ(ui.messages[0].text, "Slave engine quits abnormally!");
  EXPECT_FALSE(engine().SlaveWhite || engine().SlaveBlack);
  // The main engine searches Black's move now.
  ASSERT_TRUE(QTest::qWaitFor([&] { return ReceivedStarting("go ").size() == 2; }, 5000));
  EXPECT_EQ(engine().EngineState, kEngineThinking);
  EXPECT_FALSE(engine().SlaveToMove());
}

TEST_F(EngineTest, InfoLinesFillThePanelsAndTheAnalysisWindow) {
  LaunchWithTestEngine(
      "on go\n"
      "print info string depth 7 score cp 5 pv d2d4\n"
      "print info depth 5 seldepth 9 score cp 31 nodes 20000 pv e2e4 e7e5\n"
      "print info depth 9 score cp 20 lowerbound pv d2d4\n"
      "print info depth 9 currmove g1f3 currmovenumber 3\n"
      "print info depth 9 message Hello <b>\n");
  Window().menus.mnEngineAnalyze->trigger();
  ASSERT_TRUE(engine().AnalysisShown);
  ASSERT_TRUE(WaitForReceived("go infinite"));
  EXPECT_EQ(engine().EngineState, kEngineAnalysing);
  ASSERT_TRUE(QTest::qWaitFor([&] { return Window().stbMsg->text() == "Hello <b>"; }, 5000));
  EXPECT_EQ(Window().stbPv->text(), "  5   (+31) e4 e5");
  EXPECT_EQ(Window().stbCurr->text(), "9 (3/20) Nf3");
  EXPECT_EQ(engine().SearchDepth, 9);
  EXPECT_TRUE(Window().stbNps->text().startsWith("NPS "));
  EXPECT_EQ(engine().analysisWindow()->Text(), "  5   (+31) e4 e5\nHello <b>");
  EXPECT_EQ(engine().analysisWindow()->windowTitle(), "Depth  Score  Principal Variation");
}

TEST_F(EngineTest, TheLogHoldsTheConversationEscaped) {
  const QString log = dir.filePath("engine.htm");
  LaunchWithTestEngine("on go\nprint info string <i>x</i> & y\n", [&](QSettings& store) {
    store.setValue("Engine/EngineLog", "1");
    store.setValue("Engine/LogFile", log);
  });
  Window().menus.mnEngineWhite->trigger();
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        QFile file(log);
        return file.open(QIODevice::ReadOnly) && file.readAll().contains("&lt;i&gt;");
      },
      5000));
  QFile file(log);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(text.startsWith("<font color=\"red\">uci</font><br>\r\n"));
  EXPECT_TRUE(text.contains("<font color=\"blue\">uciok</font><br>\r\n"));
  EXPECT_TRUE(text.contains("<font color=\"red\">go depth 2</font><br>\r\n"));
  EXPECT_TRUE(
      text.contains("<font color=\"blue\">info string &lt;i&gt;x&lt;/i&gt; &amp; y</font><br>"));
}

TEST_F(EngineTest, ClosingTheAnalysisWindowEndsTheAnalysisAndKeepsItsSize) {
  LaunchWithTestEngine("on stop\nprint bestmove e2e4\n");
  Window().menus.mnEngineAnalyze->trigger();
  ASSERT_TRUE(WaitForState(kEngineAnalysing));
  engine().analysisWindow()->resize(400, 200);
  Window().menus.mnEngineAnalyze->trigger();
  EXPECT_FALSE(engine().AnalysisShown);
  EXPECT_FALSE(Window().menus.mnEngineAnalyze->isChecked());
  EXPECT_EQ(engine().EngineState, kEngineIdle);
  EXPECT_TRUE(Received().contains("stop"));
  EXPECT_EQ(app->settings.ThinkWidth, 6000);
  EXPECT_EQ(app->settings.ThinkHeight, 3000);
}

TEST_F(EngineTest, StopMoveNowPlaysTheEnginesMoveAtOnce) {
  LaunchWithTestEngine("on stop\nprint bestmove d2d4\n");
  Window().menus.mnEngineWhite->trigger();
  ASSERT_TRUE(WaitForState(kEngineThinking));
  Window().menus.mnEngineStop->trigger();
  EXPECT_EQ(app->game.LastPly, 1);
  EXPECT_EQ(app->game.GameSan[1], "d4");
}

TEST_F(EngineTest, ATypedPositionInTheConsoleSetsUpTheBoard) {
  LaunchWithTestEngine("on stop\nprint bestmove e2e4\n");
  WhenDialogOpens<EngineSettingsDialog>([](EngineSettingsDialog* dialog) {
    dialog->txtCommand->setText("position startpos moves e2e4 e7e5");
    dialog->btnSend->click();
    dialog->txtCommand->setText("go infinite");
    dialog->btnSend->click();
    QTimer::singleShot(300, dialog, [dialog] { dialog->btnCancel->click(); });
  });
  Window().menus.mnEngineSet->trigger();
  EXPECT_EQ(app->game.LastPly, 2);
  EXPECT_TRUE(app->game.StandardStart);
  EXPECT_EQ(app->game.GameSan[2], "e5");
  EXPECT_TRUE(Received().contains("position startpos moves e2e4 e7e5"));
  // The manual search is stopped once the dialog closed.
  EXPECT_TRUE(Received().contains("stop"));
}

}  // namespace

namespace {

TEST_F(EngineTest, AnEngineEndingWhileTheConsoleIsOpenClosesItAndIsReportedAfter) {
  LaunchWithTestEngine("on die\nprint last words\nexit 3\n");
  bool closedByItself = true;
  QStringList listed;
  WhenDialogOpens<EngineSettingsDialog>([&](EngineSettingsDialog* dialog) {
    dialog->txtCommand->setText("die");
    dialog->btnSend->click();
    QObject::connect(dialog, &QDialog::finished, [&, dialog] {
      for (int i = 0; i < dialog->lstReceived->count(); ++i)
        listed << dialog->lstReceived->item(i)->text();
    });
    QTimer::singleShot(5000, dialog, [&, dialog] {
      closedByItself = false;
      dialog->reject();
    });
  });
  ui.messages.clear();
  Window().menus.mnEngineSet->trigger();
  EXPECT_TRUE(closedByItself);
  EXPECT_TRUE(listed.contains("last words"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !ui.messages.empty(); }, 5000));
  EXPECT_EQ(ui.messages[0].text, "Engine quits abnormally!");
  EXPECT_EQ(engine().EngineState, kEngineNone);
}

}  // namespace

namespace {

TEST_F(EngineTest, SettingsConfirmedAreStoredAndSentAgain) {
  LaunchWithTestEngine({}, [](QSettings& store) { store.setValue("Engine/Hash", "7"); });
  WhenDialogOpens<EngineSettingsDialog>([](EngineSettingsDialog* dialog) {
    EXPECT_EQ(dialog->cmbHash->currentText(), "2048MB");  // a stored index past the list
    EXPECT_FALSE(dialog->chkSlaveWhite->isEnabled());
    EXPECT_EQ(dialog->btnLoadSlave->text(), "Load Slave");
    dialog->cmbStyle->setCurrentIndex(0);
    dialog->cmbHash->setCurrentIndex(1);
    dialog->chkUseBook->setChecked(false);
    dialog->btnConfirm->click();
  });
  Window().menus.mnEngineSet->trigger();
  EXPECT_EQ(app->settings.Style, 0);
  EXPECT_EQ(app->settings.Hash, 1);
  EXPECT_FALSE(app->settings.UseBook);
  ASSERT_TRUE(WaitForReceived("setoption name Cowardice value 200"));
  EXPECT_TRUE(Received().contains("setoption name OwnBook value false"));
  EXPECT_TRUE(Received().contains("setoption name Hash value 32"));
}

TEST_F(EngineTest, ASlaveTakesWhiteWhenTicked) {
  LaunchWithTestEngine();
  ui.paths = {TALVOR_TEST_ENGINE};
  WhenDialogOpens<EngineSettingsDialog>([](EngineSettingsDialog* dialog) {
    dialog->btnLoadSlave->click();
    EXPECT_EQ(dialog->btnLoadSlave->text(), "Unload Slave");
    EXPECT_TRUE(dialog->chkSlaveWhite->isEnabled());
    EXPECT_FALSE(dialog->chkSlaveWhite->isChecked());
    dialog->chkSlaveWhite->click();
    dialog->btnCancel->click();
  });
  Window().menus.mnEngineSet->trigger();
  EXPECT_TRUE(engine().SlaveWhite);
  EXPECT_FALSE(engine().SlaveBlack);
  ui.messages.clear();
  engine().LoadSlaveEngine();  // the toggle unloads it
  EXPECT_FALSE(engine().SlaveWhite || engine().SlaveBlack);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Slave engine is unloaded.");
}

}  // namespace

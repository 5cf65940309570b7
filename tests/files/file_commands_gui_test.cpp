// The File menu, the save prompt, the imports, the tag editor and the text
// view with the real main window.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app_fixture.h"
#include "files/pgn_view_dialog.h"
#include "files/pgn_writer.h"
#include "files/tag_editor_dialog.h"

namespace {

class FilesGuiTest : public AppTest {
 protected:
  QString WriteFile(const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
  }
  QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  // Two moves played on the board: the game has changed.
  void PlayE4E5() {
    Click("e2");
    Click("e4");
    Click("e7");
    Click("e5");
    ASSERT_EQ(app->game.LastPly, 2);
  }
  MainMenus& Menus() { return Window().menus; }

  const QByteArray kGame =
      "[Event \"Club\"]\n[White \"Ann\"]\n[Black \"Bob\"]\n[Result \"1-0\"]\n\n"
      "1. d4 {Queen's pawn} d5 2. c4 1-0\n";
};

// Opening and saving.

TEST_F(FilesGuiTest, OpenReadsTheChosenFileAndShowsItFromTheStart) {
  Launch();
  const QString path = WriteFile("club game.pgn", kGame);
  ui.paths = {path};
  Menus().mnFileOpen->trigger();
  EXPECT_EQ(ui.dialogs, QStringList({"open|Open|Game files (*.pgn)|*.pgn|All files|*.*"}));
  EXPECT_EQ(app->game.GameFileName, path);
  EXPECT_EQ(Lines(), QStringList({"==Start==", "1.d4*", "  d5", "2.c4"}));
  EXPECT_EQ(app->game.CurPly, 0);
  EXPECT_EQ(Window().windowTitle(), "club game - Chess Talvor");
  EXPECT_EQ(Window().lblResult->text(), "Ann 1-0 Bob");
  EXPECT_EQ(Window().lblEvent->text(), "Club");
  EXPECT_FALSE(Menus().mnFileSave->isEnabled());
}

TEST_F(FilesGuiTest, AGameFileOnTheCommandLineIsLoaded) {
  const QString path = WriteFile("cmd.pgn", kGame);
  Launch({"\"" + path + "\""});
  EXPECT_EQ(app->game.GameFileName, path);
  EXPECT_EQ(app->game.LastPly, 3);
  EXPECT_EQ(Window().windowTitle(), "cmd - Chess Talvor");
}

TEST_F(FilesGuiTest, SaveWithoutAFileAsksForOneAndThenIsDisabled) {
  Launch();
  PlayE4E5();
  EXPECT_TRUE(Menus().mnFileSave->isEnabled());
  EXPECT_TRUE(Menus().buttons["FileSave"]->isEnabled());
  const QString path = dir.filePath("mine.pgn");
  ui.paths = {path};
  Menus().mnFileSave->trigger();
  ASSERT_EQ(ui.dialogs.size(), 1);
  EXPECT_EQ(ui.dialogs[0],
            "save|Save As|Portable Game Notations (*.pgn)|*.pgn|All files (*.*)|*.*|"
            "(In progress).pgn|pgn");
  EXPECT_EQ(ReadFile(path), PgnText(app->game).toUtf8());
  EXPECT_FALSE(Menus().mnFileSave->isEnabled());
  EXPECT_FALSE(app->game.GameModified);
  EXPECT_EQ(Window().windowTitle(), "mine - Chess Talvor");

  // The next change enables Save, which now writes the same file at once.
  Click("g1");
  Click("f3");
  EXPECT_TRUE(Menus().mnFileSave->isEnabled());
  Menus().mnFileSave->trigger();
  EXPECT_EQ(ui.dialogs.size(), 1);
  EXPECT_TRUE(ReadFile(path).contains(" 2. Nf3 *"));
}

TEST_F(FilesGuiTest, SaveAsCancelledChangesNothing) {
  Launch();
  PlayE4E5();
  ui.paths = {""};
  Menus().mnFileSaveAs->trigger();
  EXPECT_TRUE(app->game.GameFileName.isEmpty());
  EXPECT_TRUE(app->game.GameModified);
}

// The save prompt.

TEST_F(FilesGuiTest, ThePromptsYesSavesTheNamedGameAndGoesOn) {
  const QString path = WriteFile("named.pgn", kGame);
  Launch({path});
  Click("e2");
  Click("e4");  // "This will clear all later moves": answered Yes
  ui.messages.clear();
  ui.answers = {MsgAnswer::Yes};
  const QString other = WriteFile("other.pgn", "1. c4 *");
  ui.paths = {other};
  Menus().mnFileOpen->trigger();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text,
            "The game in the " + path + " has changed.\n\nDo you want to save the changes?");
  EXPECT_EQ(ui.messages[0].buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(ui.messages[0].icon, MsgIcon::Warning);
  EXPECT_TRUE(ReadFile(path).contains("\r\n 1. e4 1-0\r\n"));
  EXPECT_EQ(app->game.GameFileName, other);
}

TEST_F(FilesGuiTest, ThePromptsNoDiscardsAndCancelKeepsTheGame) {
  Launch();
  PlayE4E5();
  const QString other = WriteFile("other.pgn", "1. c4 *");
  ui.answers = {MsgAnswer::Cancel};
  ui.paths = {other};
  Menus().mnFileOpen->trigger();
  EXPECT_EQ(ui.messages.back().text, "The game has changed.\n\nDo you want to save the changes?");
  EXPECT_TRUE(ui.dialogs.isEmpty());
  EXPECT_EQ(app->game.LastPly, 2);

  ui.answers = {MsgAnswer::No};
  Menus().mnFileOpen->trigger();
  EXPECT_EQ(app->game.GameFileName, other);
  EXPECT_EQ(Lines(), QStringList({"==Start==", "1.c4"}));
}

TEST_F(FilesGuiTest, YesOnAnUnnamedGameWithSaveAsCancelledCancelsTheCommand) {
  Launch();
  PlayE4E5();
  ui.answers = {MsgAnswer::Yes};
  ui.paths = {""};  // the Save As dialog is cancelled
  Menus().mnFileNew->trigger();
  EXPECT_EQ(app->game.LastPly, 2);
  ui.answers = {MsgAnswer::Yes};
  ui.paths = {dir.filePath("kept.pgn")};
  Menus().mnFileNew->trigger();
  EXPECT_TRUE(ReadFile(dir.filePath("kept.pgn")).contains(" 1. e4 e5"));
  EXPECT_EQ(app->game.LastPly, 0);
}

TEST_F(FilesGuiTest, AGameThatCannotBeSavedIsKept) {
  Launch();
  PlayE4E5();
  app->game.GameFileName = dir.filePath("no/such/folder/g.pgn");
  ui.answers = {MsgAnswer::Yes};
  Menus().mnFileNew->trigger();
  EXPECT_EQ(ui.messages.back().text, "Error Open File: " + dir.filePath("no/such/folder/g.pgn"));
  EXPECT_EQ(app->game.LastPly, 2);
}

TEST_F(FilesGuiTest, WithoutPromptSaveANewGameDiscardsTheChanges) {
  Launch({}, [](QSettings& store) { store.setValue("Options/PromptSave", "0"); });
  PlayE4E5();
  Menus().mnFileNew->trigger();
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(app->game.LastPly, 0);
}

TEST_F(FilesGuiTest, ClosingTheWindowAsksAndCancelKeepsItOpen) {
  Launch();
  PlayE4E5();
  ui.answers = {MsgAnswer::Cancel};
  EXPECT_FALSE(Window().close());
  ui.answers = {MsgAnswer::No};
  EXPECT_TRUE(Window().close());
}

// The autosave game.

TEST_F(FilesGuiTest, TheAutosaveGameIsWrittenAtCloseAndReadAtTheNextStart) {
  const auto autoSave = [](QSettings& store) { store.setValue("Options/AutoSave", "1"); };
  Launch({}, autoSave);
  PlayE4E5();
  ui.answers = {MsgAnswer::No};
  ASSERT_TRUE(Window().close());
  const QString path = dir.filePath("AUTOSAVE.PGN");
  EXPECT_TRUE(ReadFile(path).contains(" 1. e4 e5\r\n *\r\n"));
  app.reset();

  Launch({}, autoSave);
  EXPECT_EQ(app->game.LastPly, 2);
  EXPECT_EQ(app->game.CurPly, 2);
  EXPECT_TRUE(app->game.GameFileName.isEmpty());
  EXPECT_FALSE(app->game.GameModified);
  // The restored game has no file: the caption names the engine instead.
  EXPECT_FALSE(Window().windowTitle().contains("AUTOSAVE"));
  EXPECT_TRUE(Window().windowTitle().endsWith("Chess Talvor"));
}

TEST_F(FilesGuiTest, WithoutAutoSaveNothingIsWrittenOrRead) {
  WriteFile("AUTOSAVE.PGN", "1. e4 *");
  Launch();
  EXPECT_EQ(app->game.LastPly, 0);
  PlayE4E5();
  ui.answers = {MsgAnswer::No};
  ASSERT_TRUE(Window().close());
  EXPECT_EQ(ReadFile(dir.filePath("AUTOSAVE.PGN")), "1. e4 *");
}

// Importing moves.

TEST_F(FilesGuiTest, ImportFromFileAppendsEveryGameOfTheFile) {
  Launch();
  Click("e2");
  Click("e4");
  app->game.MoveStart();
  const QString path =
      WriteFile("moves.txt", "[Event \"one\"]\n1. e4 e5 2. Nf3 1-0\n\n1... Nc6 2. Bb5 {open\n");
  ui.paths = {path};
  Menus().mnMoveImport->trigger();
  EXPECT_EQ(ui.dialogs, QStringList({"open|Load Moves from Text File|Text files (*.txt)|*.txt|"
                                     "All files (*.*)|*.*"}));
  // e4 is illegal after e4; e5, Nf3 are played, then Nc6 and Bb5 of the second part.
  EXPECT_EQ(Lines(), QStringList({"==Start==", "1.e4", "  e5", "2.Nf3", "  Nc6", "3.Bb5"}));
  EXPECT_EQ(app->game.GameResult, 1);
  EXPECT_TRUE(app->game.GameComments[5].isEmpty());  // the open comment is dropped
  EXPECT_TRUE(app->game.GameModified);
  EXPECT_TRUE(Menus().mnFileSave->isEnabled());
}

TEST_F(FilesGuiTest, ImportFromAMissingFileIsReported) {
  Launch();
  ui.paths = {dir.filePath("none.txt")};
  Menus().mnMoveImport->trigger();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Error Open File: " + dir.filePath("none.txt"));
  EXPECT_FALSE(app->game.GameModified);
}

TEST_F(FilesGuiTest, ImportFromTheClipboardCanStartFromAPosition) {
  Launch();
  ui.clipboard = "{$fen 4k3/8/8/8/8/8/8/4K2R w K - 0 30} 30. O-O Kd7\n31. Rd1+ *";
  Menus().mnMovePaste->trigger();
  EXPECT_FALSE(app->game.StandardStart);
  EXPECT_EQ(app->game.StartMoveNumber, 30);
  EXPECT_EQ(Lines(), QStringList({"==Start==", "30.O-O", "   Kd7", "31.Rd1+"}));
  EXPECT_TRUE(app->game.GameModified);

  // Plain movetext is appended to the game as it is.
  ui.clipboard = "31... Ke7 32. Re1+";
  Menus().mnMovePaste->trigger();
  EXPECT_EQ(app->game.LastPly, 5);
  EXPECT_EQ(app->game.CurPly, 5);
}

// The tag editor and the text view.

TEST_F(FilesGuiTest, TheTagEditorStoresTheTagsWithoutMarkingTheGameChanged) {
  Launch();
  WhenDialogOpens<TagEditorDialog>([](TagEditorDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "Edit Tags");
    EXPECT_TRUE(dialog->chkAutoEco->isEnabled());
    dialog->txtWhite->setText("Ann");
    dialog->txtBlack->setText("Bob");
    dialog->txtWhiteElo->setText("2100");
    dialog->txtEvent->setText("Club");
    dialog->txtRound->setText("3");
    dialog->txtOpen->setText("Open game");
    dialog->chkAutoEco->setChecked(false);
    dialog->cmbResult->setCurrentIndex(2);
    dialog->btnConfirm->click();
  });
  Menus().mnFileTags->trigger();
  EXPECT_EQ(Window().lblResult->text(), "Ann (2100) 1/2-1/2 Bob");
  EXPECT_EQ(Window().lblEvent->text(), "Club, Round 3");
  EXPECT_EQ(Window().lblOpen->text(), "Open game");
  EXPECT_EQ(app->game.GameResult, 2);
  EXPECT_FALSE(app->game.EcoLookup);
  EXPECT_FALSE(app->game.GameModified);

  WhenDialogOpens<TagEditorDialog>([](TagEditorDialog* dialog) {
    EXPECT_EQ(dialog->txtWhite->text(), "Ann");
    EXPECT_EQ(dialog->cmbResult->currentText(), "Draw");
    dialog->txtWhite->setText("Changed");
    dialog->btnCancel->click();
  });
  Menus().mnFileTags->trigger();
  EXPECT_EQ(app->game.TagWhite, "Ann");
}

TEST_F(FilesGuiTest, AutoAnalyzeIsGreyedOutForAGameFromAPosition) {
  Launch({"/S", "4k3/8/8/8/8/8/8/4K2R w K - 0 1"});
  WhenDialogOpens<TagEditorDialog>([](TagEditorDialog* dialog) {
    EXPECT_FALSE(dialog->chkAutoEco->isEnabled());
    dialog->cmbResult->setCurrentIndex(2);
    dialog->btnConfirm->click();
  });
  Menus().mnFileTags->trigger();
  EXPECT_EQ(Window().lblResult->text(), "(Draw)");
}

TEST_F(FilesGuiTest, TheTextViewShowsTheGameAndCopiesIt) {
  Launch();
  PlayE4E5();
  QString shown;
  WhenDialogOpens<PgnViewDialog>([this, &shown](PgnViewDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), "View Text");
    shown = dialog->txt->toPlainText();
    dialog->txt->setPlainText("edited");
    dialog->btnCopy->click();
    dialog->btnExit->click();
  });
  Menus().mnFilePgn->trigger();
  QString expected = PgnText(app->game);
  expected.replace("\r\n", "\n");
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(ui.clipboard, expected);  // the loaded text, not the edits
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, u"\u68cb\u8c31\u5df2\u590d\u5236\u5230\u526a\u8d34\u677f\u3002");
  EXPECT_EQ(ui.messages[0].icon, MsgIcon::Information);
}

TEST_F(FilesGuiTest, TheTextViewOfAnEmptyGameIsTheTagsAndTheMarker) {
  Launch();
  WhenDialogOpens<PgnViewDialog>([](PgnViewDialog* dialog) {
    const QStringList lines = dialog->txt->toPlainText().split('\n');
    EXPECT_EQ(lines.size(), 16);  // 13 tags, the empty line, " *" and the final line end
    EXPECT_EQ(lines[13], "");
    EXPECT_EQ(lines[14], " *");
    dialog->btnExit->click();
  });
  Menus().mnFilePgn->trigger();
}

}  // namespace

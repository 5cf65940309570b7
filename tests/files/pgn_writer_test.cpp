#include "files/pgn_writer.h"

#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "pgn_fixture.h"

namespace {

const char* const kEmptyTags =
    "[Event \"\"]\r\n[Site \"\"]\r\n[Date \"\"]\r\n[Round \"\"]\r\n[White \"\"]\r\n"
    "[WhiteElo \"\"]\r\n[Black \"\"]\r\n[BlackElo \"\"]\r\n[Result \"*\"]\r\n[ECO \"\"]\r\n"
    "[Opening \"\"]\r\n[Variation \"\"]\r\n[SubVariation \"\"]\r\n\r\n";

TEST(TagLine, LineBreaksAreRemovedAndQuotesKept) {
  EXPECT_EQ(TagLine("Event", "a\r\nb\nc\"d\\"), "[Event \"abc\"d\\\"]");
}

using PgnWriterTest = PgnTest;

TEST_F(PgnWriterTest, AGameWithoutMovesIsTheTagsAndTheMarker) {
  EXPECT_EQ(PgnText(game), QString(kEmptyTags) + " *\r\n");
}

TEST_F(PgnWriterTest, ALineEndsAfterEachBlackMove) {
  Play({"e4", "e5", "Nf3"});
  EXPECT_EQ(PgnText(game), QString(kEmptyTags) + " 1. e4 e5\r\n 2. Nf3 *\r\n");
}

TEST_F(PgnWriterTest, ACommentStandsOnItsOwnLineAndTheNextMoveIsNumbered) {
  Play({"e4", "e5", "Nf3", "Nc6"});
  game.GameComments[0] = "Before";
  game.GameComments[1] = "best";
  game.GameComments[2] = "reply";
  game.GameNags[3] = 1;
  game.GameResult = 2;
  EXPECT_EQ(PgnText(game), QString(kEmptyTags).replace("[Result \"*\"]", "[Result \"1/2-1/2\"]") +
                               "{Before}\r\n 1. e4\r\n{best}\r\n 1... e5\r\n{reply}\r\n"
                               " 2. Nf3 Nc6\r\n 1/2-1/2\r\n");
}

TEST_F(PgnWriterTest, AGameFromAPositionWritesItsFenAfterTheEmptyLine) {
  game.LoadPosition("4k3/8/8/8/8/8/8/4K2R b K - 0 23", false);
  Play({"Kd7", "O-O"});
  EXPECT_EQ(PgnText(game), QString(kEmptyTags) +
                               "[FEN \"4k3/8/8/8/8/8/8/4K2R b K - 0 23\"]\r\n"
                               " 23... Kd7\r\n 24. O-O *\r\n");
}

TEST_F(PgnWriterTest, WhatIsWrittenReadsBackTheSame) {
  Play({"e4", "c5", "Nf3", "d6", "d4", "cxd4", "Nxd4", "Nf6", "Nc3", "a6"});
  game.TagEvent = "Ev\nent";
  game.TagWhite = QString::fromUtf16(u"R\u00e9ti");
  game.TagBlack = QString::fromUtf16(u"\u68cb");
  game.TagEco = "B90";
  game.GameComments[0] = "Start";
  game.GameComments[4] = "line 1\r\nline 2";
  game.GameComments[7] = "see (a";  // a bracket left open by the user
  game.GameComments[10] = "1... e5 {x} (1... e6)";
  game.GameResult = 1;
  const QString text = PgnText(game);
  Game copy(settings, ui, eco);
  ReadGameText(copy, text);
  EXPECT_EQ(Uci(copy), Uci(game));
  EXPECT_EQ(copy.TagEvent, "Event");
  EXPECT_EQ(copy.TagWhite, game.TagWhite);
  EXPECT_EQ(copy.TagBlack, game.TagBlack);
  EXPECT_EQ(copy.TagEco, "B90");
  EXPECT_EQ(copy.GameResult, 1);
  for (int ply = 0; ply <= game.LastPly; ++ply)
    EXPECT_EQ(copy.GameComments[ply], game.GameComments[ply]) << ply;
  EXPECT_EQ(PgnText(copy), QString(text).replace("Ev\nent", "Event"));
}

class SaveFileTest : public PgnTest {
 protected:
  QTemporaryDir dir;
};

TEST_F(SaveFileTest, SavingTheOwnFileClearsTheChangeMark) {
  Play({"d4"});
  game.MarkGameModified();
  game.GameFileName = dir.filePath("game.pgn");
  EXPECT_TRUE(SaveGameFile(game, false, {}));
  EXPECT_FALSE(game.GameModified);
  EXPECT_FALSE(view.saveEnabled);
  QFile file(game.GameFileName);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), PgnText(game).toUtf8());
}

TEST_F(SaveFileTest, TheAutosaveFileKeepsTheChangeMarkAndMakesItsFolder) {
  Play({"d4"});
  game.MarkGameModified();
  const QString path = dir.filePath("new/folder/AUTOSAVE.PGN");
  EXPECT_TRUE(SaveGameFile(game, true, path));
  EXPECT_TRUE(QFile::exists(path));
  EXPECT_TRUE(game.GameModified);
}

TEST_F(SaveFileTest, AFolderThatIsMissingIsReportedAndNothingChanges) {
  game.MarkGameModified();
  game.GameFileName = dir.filePath("no/such/folder/game.pgn");
  EXPECT_FALSE(SaveGameFile(game, false, {}));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Error Open File: " + game.GameFileName);
  EXPECT_TRUE(game.GameModified);
}

TEST_F(SaveFileTest, AWriteThatFailsHalfwayLeavesTheOldFileWhole) {
  const QString path = dir.filePath("game.pgn");
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old game");
  }
  // A file size limit makes the write fail part way, as a full disk does.
  game.GameComments[0] = QString(64 * 1024, 'x');
  game.GameFileName = path;
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &small);
  const bool saved_ok = SaveGameFile(game, false, {});
  setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_FALSE(saved_ok);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "old game");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"game.pgn"}));
}

}  // namespace

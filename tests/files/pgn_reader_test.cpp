#include "files/pgn_reader.h"

#include <QFile>
#include <QTemporaryDir>

#include "files/text_decoding.h"
#include "pgn_fixture.h"

namespace {

// Tags and their matching.

TEST(ReadTagValue, MatchesTheKeyInAnyCaseWithExactlyOneSpace) {
  QString value;
  EXPECT_TRUE(ReadTagValue(value, u"[white \"Morphy\"]", u"WHITE"));
  EXPECT_EQ(value, "Morphy");
  EXPECT_FALSE(ReadTagValue(value, u"[White  \"Morphy\"]", u"WHITE"));
  EXPECT_FALSE(ReadTagValue(value, u"[WhiteElo \"2700\"]", u"WHITE"));
  EXPECT_FALSE(ReadTagValue(value, u" [White \"Morphy\"]", u"WHITE"));
  EXPECT_FALSE(ReadTagValue(value, u"[White", u"WHITE"));
}

TEST(ReadTagValue, TheValueEndsAtTheNextQuoteOrTheLineEnd) {
  QString value;
  EXPECT_TRUE(ReadTagValue(value, u"[Event \"A \\\"B\" C\"]", u"EVENT"));
  EXPECT_EQ(value, "A \\");  // no escapes
  EXPECT_TRUE(ReadTagValue(value, u"[Event \"Open end", u"EVENT"));
  EXPECT_EQ(value, "Open end");
  EXPECT_TRUE(ReadTagValue(value, u"[Event \"\"]", u"EVENT"));
  EXPECT_EQ(value, "");
}

TEST_F(PgnTest, TagsFillTheirFieldsAndOthersAreIgnored) {
  Read(
      "[Event \"Match\"]\n[Site \"Here\"]\n[Date \"2020.01.02\"]\n[Round \"3\"]\n"
      "[White \"A\"]\n[WhiteElo \"2500\"]\n[Black \"B\"]\n[BlackElo \"2400\"]\n"
      "[Result \"0-1\"]\n[Annotator \"X\"]\n[PlyCount \"2\"]\n\n1. e4 e5 0-1\n");
  EXPECT_EQ(game.TagEvent, "Match");
  EXPECT_EQ(game.TagSite, "Here");
  EXPECT_EQ(game.TagDate, "2020.01.02");
  EXPECT_EQ(game.TagRound, "3");
  EXPECT_EQ(game.TagWhite, "A");
  EXPECT_EQ(game.TagWhiteElo, "2500");
  EXPECT_EQ(game.TagBlack, "B");
  EXPECT_EQ(game.TagBlackElo, "2400");
  EXPECT_EQ(game.GameResult, 3);
  EXPECT_TRUE(game.EcoLookup);
  EXPECT_EQ(Sans(), QStringList({"e4", "e5"}));
}

TEST_F(PgnTest, OpeningTagsTurnTheLookupOff) {
  Read("[ECO \"C20\"]\n[Opening \"King's pawn\"]\n\n1. e4 e5 *");
  EXPECT_FALSE(game.EcoLookup);
  EXPECT_EQ(game.TagEco, "C20");
  EXPECT_EQ(game.TagOpening, "King's pawn");
}

TEST_F(PgnTest, OnlyAnExactResultTagDecidesTheResult) {
  Read("[Result \"1/2-1/2\"]\n*");
  EXPECT_EQ(game.GameResult, 2);
  Read("[Result \"1-0 \"]\n*");
  EXPECT_EQ(game.GameResult, 0);
}

TEST_F(PgnTest, AResultTagIsKeptWhenTheMovetextEndsWithAStar) {
  Read("[Result \"1-0\"]\n\n1. e4 *");
  EXPECT_EQ(game.GameResult, 1);
}

TEST_F(PgnTest, TagLinesAfterTheMovetextBeganAreReadAsMovetext) {
  Read("1. e4\n[White \"Nobody\"] e5\n");
  EXPECT_TRUE(game.TagWhite.isEmpty());
  EXPECT_EQ(Sans(), QStringList({"e4", "e5"}));
}

// The start position.

TEST_F(PgnTest, AFenTagSetsUpThePositionAndItsMoveNumber) {
  Read("[FEN \"4k3/8/8/8/8/8/8/4K2R w K - 0 23\"]\n\n23. O-O Kd7 *");
  EXPECT_FALSE(game.StandardStart);
  EXPECT_EQ(game.StartMoveNumber, 23);
  EXPECT_EQ(game.StartSide, 0);
  EXPECT_EQ(Sans(), QStringList({"O-O", "Kd7"}));
  EXPECT_EQ(game.StartFen, "4k3/8/8/8/8/8/8/4K2R w K - 0 23");
}

TEST_F(PgnTest, AFenWithAnotherHalfmoveFieldStartsAtMoveOne) {
  Read("[FEN \"4k3/8/8/8/8/8/8/4K2R b K - 5 23\"]\n");
  EXPECT_EQ(game.StartMoveNumber, 1);
  EXPECT_EQ(game.StartSide, 1);
  EXPECT_EQ(game.EndSide, 1);
}

TEST_F(PgnTest, AnUnreadableFenLeavesARecordOfTheBoardInstead) {
  Read("[FEN \"not a position\"]\n\n1. e4 *");
  EXPECT_FALSE(game.StandardStart);
  EXPECT_EQ(game.StartFen, QString::fromStdString(ChessBoard2Fen(game.Board)) + " 0 1");
  EXPECT_EQ(game.LastPly, 0);
}

// Movetext.

TEST_F(PgnTest, ACommentGoesToThePlyBeforeIt) {
  Read("1. e4 {best} e5 *");
  EXPECT_EQ(Sans(), QStringList({"e4", "e5"}));
  EXPECT_EQ(game.GameComments[1], "best");
  EXPECT_EQ(view.lines[1], "1.e4*");
}

TEST_F(PgnTest, AVariationBecomesCommentTextAndIsNotPlayed) {
  Read("1. e4 (1. d4 d5) e5 *");
  EXPECT_EQ(Sans(), QStringList({"e4", "e5"}));
  EXPECT_EQ(game.GameComments[1], "1. d4 d5");
}

TEST_F(PgnTest, NestedVariationsAndCommentsStayInOneComment) {
  Read("{Intro} 1. e4 (1. d4 {quiet} (1. c4 c5) d5) e5 {a} {b} *");
  EXPECT_EQ(game.GameComments[0], "Intro");
  EXPECT_EQ(game.GameComments[1], "1. d4 {quiet} (1. c4 c5) d5");
  EXPECT_EQ(game.GameComments[2], "ab");
}

TEST_F(PgnTest, ACommentAcrossLinesKeepsItsLineBreaks) {
  Read("1. e4 {first\r\nsecond\r\nthird} e5 *");
  EXPECT_EQ(game.GameComments[1], "first\r\nsecond\r\nthird");
  EXPECT_EQ(Sans(), QStringList({"e4", "e5"}));
}

TEST_F(PgnTest, BracketsInsideBracesAreText) {
  // A smiley neither ends the comment nor swallows the moves after it.
  Read("1. e4 {good :)} e5 {sad :(} 2. Nf3 (2. f4 {risky :(} exf4) Nc6 *");
  EXPECT_EQ(Sans(), QStringList({"e4", "e5", "Nf3", "Nc6"}));
  EXPECT_EQ(game.GameComments[1], "good :)");
  EXPECT_EQ(game.GameComments[2], "sad :(");
  EXPECT_EQ(game.GameComments[3], "2. f4 {risky :(} exf4");
}

TEST_F(PgnTest, AnUnclosedCommentAtTheEndIsDropped) {
  Read("1. e4 e5 {never closed\n2. Nf3");
  EXPECT_EQ(Sans(), QStringList({"e4", "e5"}));
  EXPECT_TRUE(game.GameComments[2].isEmpty());
}

TEST_F(PgnTest, GlyphSuffixesGiveAnnotationCodes) {
  Read("1. e4! e5? 2. Nf3!! Nc6?? 3. Bb5!? a6?! 4. Ba4 $1 Nf6 *");
  EXPECT_EQ(Sans(), QStringList({"e4", "e5", "Nf3", "Nc6", "Bb5", "a6", "Ba4", "Nf6"}));
  const std::vector<int> nags(game.GameNags.begin() + 1, game.GameNags.begin() + 9);
  EXPECT_EQ(nags, (std::vector<int>{1, 2, 3, 4, 5, 6, 0, 0}));
}

TEST_F(PgnTest, CastlingWithZerosIsPassedOverAndWithLettersPlayed) {
  Read("1. e4 e5 2. Nf3 Nf6 3. Bc4 Bc5 4. 0-0 *");
  EXPECT_EQ(Sans(), QStringList({"e4", "e5", "Nf3", "Nf6", "Bc4", "Bc5"}));
  Read("1. e4 e5 2. Nf3 Nf6 3. Bc4 Bc5 4. O-O O-O *");
  EXPECT_EQ(game.LastPly, 8);
  EXPECT_EQ(Sans().last(), "O-O");
}

TEST_F(PgnTest, MoveNumbersWithoutSpacesStillGiveTheirMoves) {
  Read("1.e4 e5 2.Nf3 2...Nc6 3.Bb5{Spanish}a6 *");
  EXPECT_EQ(Sans(), QStringList({"e4", "e5", "Nf3", "Nc6", "Bb5", "a6"}));
  EXPECT_EQ(game.GameComments[5], "Spanish");
}

TEST_F(PgnTest, IllegalAndUnknownTokensAreDroppedAndReadingGoesOn) {
  Read("1. e4 Ke3 e5 -- $14 xyz 2. Nf3 *");
  EXPECT_EQ(Sans(), QStringList({"e4", "e5", "Nf3"}));
}

TEST_F(PgnTest, TerminationMarkersSetTheResultAndStopReading) {
  Read("1. e4 e5 1/2-1/2 2. Nf3");
  EXPECT_EQ(game.GameResult, 2);
  EXPECT_EQ(game.LastPly, 2);
  Read("1. f3 e5 2. g4 Qh4# 0-1\n\n[Event \"second\"]\n1. d4 *");
  EXPECT_EQ(game.GameResult, 3);
  EXPECT_EQ(Sans().last(), "Qh4#");
  EXPECT_TRUE(game.TagEvent.isEmpty());
  Read("1. e4 1-0 e5");
  EXPECT_EQ(game.GameResult, 1);
  EXPECT_EQ(game.LastPly, 1);
}

TEST_F(PgnTest, LineEndsOfEveryKindReadAlike) {
  const QString text = "[White \"A\"]\n[Black \"B\"]\n\n1. e4 {x\ny} e5\n2. Nf3 *\n";
  Read(text);
  const QStringList sans = Sans();
  const QString comment = game.GameComments[1];
  for (const char* end : {"\r\n", "\r"}) {
    QString other = text;
    other.replace("\n", end);
    Read(other);
    EXPECT_EQ(Sans(), sans) << end;
    EXPECT_EQ(game.TagBlack, "B");
    EXPECT_EQ(game.GameComments[1], comment);
  }
  EXPECT_EQ(comment, "x\r\ny");
}

TEST_F(PgnTest, MovesPastTheLimitAreRefusedSilently) {
  QString text;
  for (int i = 0; i < 300; ++i) text += "Nf3 Nf6 Ng1 Ng8 ";
  Read(text);
  EXPECT_EQ(game.LastPly, kMaxPlies);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(PgnTest, BinaryGarbageReadsWithoutHarm) {
  QByteArray bytes;
  quint32 seed = 12345;
  for (int i = 0; i < 200000; ++i) {
    seed = seed * 1103515245 + 12345;
    bytes.append(char(seed >> 24));
  }
  Read(DecodeText(bytes));
  EXPECT_LE(game.LastPly, kMaxPlies);
  EXPECT_TRUE(ui.messages.empty());
}

// Reading files.

class LoadFileTest : public PgnTest {
 protected:
  QString Write(const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
  }
  QTemporaryDir dir;
};

TEST_F(LoadFileTest, AGameFileIsShownFromItsFirstPosition) {
  game.GameFileName = Write("g.pgn", "[White \"A\"]\r\n\r\n1. e4 e5 2. Nf3 *\r\n");
  EXPECT_TRUE(LoadGameFile(game, false, dir.filePath("AUTOSAVE.PGN")));
  EXPECT_EQ(game.LastPly, 3);
  EXPECT_EQ(game.CurPly, 0);
  EXPECT_EQ(game.TagWhite, "A");
  EXPECT_EQ(game.GameFileName, dir.filePath("g.pgn"));
  EXPECT_FALSE(game.GameModified);
  EXPECT_EQ(view.lines, QStringList({"==Start==", "1.e4", "  e5", "2.Nf3"}));
}

TEST_F(LoadFileTest, TheAutosaveGameStaysAtItsLastPositionWithoutAFileName) {
  Write("AUTOSAVE.PGN", "1. e4 e5 *");
  game.GameFileName = "/somewhere/else.pgn";
  EXPECT_TRUE(LoadGameFile(game, true, dir.filePath("AUTOSAVE.PGN")));
  EXPECT_EQ(game.CurPly, 2);
  EXPECT_TRUE(game.GameFileName.isEmpty());
}

TEST_F(LoadFileTest, AMissingFileIsReportedAndLeavesANewGame) {
  ReadGameText(game, u"1. e4 *");
  game.GameFileName = dir.filePath("missing.pgn");
  EXPECT_FALSE(LoadGameFile(game, false, {}));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Error Open File: " + dir.filePath("missing.pgn"));
  EXPECT_EQ(ui.messages[0].icon, MsgIcon::Warning);
  EXPECT_EQ(game.LastPly, 0);
  EXPECT_EQ(game.GameFileName, dir.filePath("missing.pgn"));
}

TEST_F(LoadFileTest, AFolderIsNoGameFile) {
  game.GameFileName = dir.path();
  EXPECT_FALSE(LoadGameFile(game, false, {}));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Error Open File: " + dir.path());
}

TEST_F(LoadFileTest, AMissingAutosaveFileIsNoError) {
  EXPECT_FALSE(LoadGameFile(game, true, dir.filePath("AUTOSAVE.PGN")));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(LoadFileTest, NamesInUtf8AndLatin1BothReadIntact) {
  game.GameFileName = Write("u.pgn", "[White \"R\xC3\xA9ti\"]\n[Black \"Pol\xE1r\"]\n*");
  LoadGameFile(game, false, {});
  EXPECT_EQ(game.TagWhite, u"R\u00e9ti");
  EXPECT_EQ(game.TagBlack, u"Pol\u00e1r");
}

TEST_F(LoadFileTest, OnlyTheFirstGameOfALargeFileIsRead) {
  QByteArray first = "[Event \"first\"]\n\n1. e4 e5 *\n";
  QByteArray rest;
  const QByteArray game2 = "\n[Event \"next\"]\n\n1. d4 d5 2. c4 {comment} e6 1-0\n";
  while (rest.size() < 20 * 1024 * 1024) rest += game2;
  game.GameFileName = Write("big.pgn", first + rest);
  LoadGameFile(game, false, {});
  EXPECT_EQ(game.TagEvent, "first");
  EXPECT_EQ(Sans(), QStringList({"e4", "e5"}));
}

TEST_F(LoadFileTest, ATwentyMegabyteGameAndATenMegabyteLineAreRead) {
  // One long game whose moves are followed by megabytes of comments.
  QByteArray text = "1. e4 e5 2. Nf3 Nc6";
  const QByteArray comment = " {A long note about the position, (with a variation) and more} ";
  while (text.size() < 20 * 1024 * 1024) text += comment + "\n";
  game.GameFileName = Write("long.pgn", text + " 3. Bb5 *\n");
  LoadGameFile(game, false, {});
  EXPECT_EQ(Sans(), QStringList({"e4", "e5", "Nf3", "Nc6", "Bb5"}));
  EXPECT_GT(game.GameComments[4].size(), 15 * 1024 * 1024);

  // The same on a single line, with tokens that are no moves in between.
  QByteArray line = "1. d4 d5";
  while (line.size() < 10 * 1024 * 1024) line += " 12... $1 zz {c} (1. e4) 0-0";
  game.GameFileName = Write("line.pgn", line + " 2. c4 1-0");
  LoadGameFile(game, false, {});
  EXPECT_EQ(Sans(), QStringList({"d4", "d5", "c4"}));
  EXPECT_EQ(game.GameResult, 1);
}

}  // namespace

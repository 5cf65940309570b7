#include "game_fixture.h"

namespace {

TEST_F(GameTest, LoadPositionReadsTheMoveNumberAfterTheFirstZeroField) {
  game.LoadPosition("4k3/8/8/8/8/8/8/4K3 w - - 0 57", false);
  EXPECT_EQ(game.MoveNumber, 57);
  EXPECT_EQ(game.StartMoveNumber, 57);
  EXPECT_FALSE(game.StandardStart);
  game.LoadPosition("4k3/8/8/8/8/8/8/4K3 b - - 3 40", false);
  EXPECT_EQ(game.MoveNumber, 1);
  EXPECT_EQ(game.SideToMove, 1);
  EXPECT_EQ(game.StartSide, 1);
  EXPECT_EQ(game.EndSide, 1);
  game.LoadPosition("4k3/8/8/8/8/8/8/4K3 w - -", false);
  EXPECT_EQ(game.MoveNumber, 1);
  game.LoadPosition("4k3/8/8/8/8/8/8/4K3 w - - 0 x", false);
  EXPECT_EQ(game.MoveNumber, 1);
  game.LoadPosition("4k3/8/8/8/8/8/8/4K3 w - - 0 5000", false);
  EXPECT_EQ(game.MoveNumber, 999);
}

TEST_F(GameTest, LoadPositionRemovesLineBreaksAndIgnoresEmptyText) {
  game.LoadPosition("4k3/8/8/8/8/8/8/4K3 w - - 0 12\r\n", false);
  EXPECT_EQ(game.StartFen, "4k3/8/8/8/8/8/8/4K3 w - - 0 12");
  game.GameFileName = "kept.pgn";
  game.LoadPosition("", false);
  EXPECT_EQ(game.GameFileName, "kept.pgn");
  EXPECT_EQ(game.StartFen, "4k3/8/8/8/8/8/8/4K3 w - - 0 12");
}

TEST_F(GameTest, AnUnreadablePositionLeavesAnEmptyBoardRecordedAsSuch) {
  game.LoadPosition("this is no position", false);
  EXPECT_EQ(ChessBoard2Fen(game.Board), "8/8/8/8/8/8/8/8 w - -");
  EXPECT_EQ(game.StartFen, "8/8/8/8/8/8/8/8 w - - 0 1");
  EXPECT_EQ(game.FindKingSquare(), 0);
}

TEST_F(GameTest, ABlackStartNumbersTheListFromTheFen) {
  game.LoadPosition("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 23", false);
  view.lines = {"==Start=="};
  Play({"e5", "Nf3"});
  EXPECT_EQ(view.lines, QStringList({"==Start==", "   e5", "24.Nf3"}));
}

TEST_F(GameTest, NewGameClearsTheRecordAndTheList) {
  Play({"e4", "e5"});
  game.TagWhite = "Ann";
  game.GameComments[0] = "before";
  game.GameComments[2] = "after e5";
  game.MarkGameModified();
  EXPECT_TRUE(view.saveEnabled);
  game.NewGame(true, false);  // keeping the tags
  EXPECT_EQ(game.TagWhite, "Ann");
  EXPECT_EQ(game.LastPly, 0);
  EXPECT_TRUE(game.GameComments[0].isEmpty());
  EXPECT_TRUE(game.GameComments[2].isEmpty());
  EXPECT_FALSE(game.GameModified);
  EXPECT_FALSE(view.saveEnabled);
  EXPECT_EQ(view.lines, QStringList({"==Start=="}));
  game.NewGame(false, false);
  EXPECT_TRUE(game.TagWhite.isEmpty());
  EXPECT_EQ(game.StartFen, QString(kStandardFen) + " 0 1");
  EXPECT_TRUE(game.StandardStart);
}

TEST_F(GameTest, ListLinesShowAnnotationsAndComments) {
  Play({"e4", "e5", "Nf3", "Nc6", "Bb5", "a6", "Nc3"});
  game.GameNags[7] = 5;
  EXPECT_EQ(MoveListLine(game, 7), "4.Nc3!?");
  game.GameNags[7] = 2;
  EXPECT_EQ(MoveListLine(game, 7), "4.Nc3?");
  game.GameComments[7] = "dubious";
  EXPECT_EQ(MoveListLine(game, 7), "4.Nc3?*");
  game.GameComments[0] = "a game";
  EXPECT_EQ(MoveListLine(game, 0), "==Start==*");
  EXPECT_EQ(NagFromSuffix("Nf3!?"), 5);
  EXPECT_EQ(NagFromSuffix("e4!"), 1);
  EXPECT_EQ(NagFromSuffix("Qxf7#??"), 4);
  EXPECT_EQ(NagFromSuffix("exd5?!"), 6);
  EXPECT_EQ(NagFromSuffix("O-O"), 0);
}

}  // namespace

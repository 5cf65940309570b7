#include <QFile>

#include "game_fixture.h"

namespace {

TEST_F(GameTest, MovesAreRecordedWithNotationAndListLines) {
  Play({"e4", "e5", "Nf3", "Nc6", "Bb5", "a6", "Bxc6", "dxc6"});
  EXPECT_EQ(game.LastPly, 8);
  EXPECT_EQ(game.CurPly, 8);
  EXPECT_EQ(game.EndSide, 0);
  EXPECT_EQ(game.MoveNumber, 5);
  EXPECT_EQ(game.GameSan[7], "Bxc6");
  EXPECT_EQ(view.lines, QStringList({"==Start==", "1.e4", "  e5", "2.Nf3", "  Nc6", "3.Bb5", "  a6",
                                     "4.Bxc6", "  dxc6"}));
  EXPECT_EQ(play.movers, std::vector<int>({0, 1, 0, 1, 0, 1, 0, 1}));
  EXPECT_EQ(view.viewRefreshes, 8);  // every shown move refreshes the view
}

TEST_F(GameTest, CheckAndMateMarksAreAppended) {
  Play({"e4", "e5", "Qh5", "Nc6", "Bc4", "Nf6"});
  Play({"Qxf7"});
  EXPECT_EQ(game.GameSan[7], "Qxf7#");
  EXPECT_EQ(game.GameResult, 1);
  EXPECT_EQ(play.gameEnds, 1);
  EXPECT_EQ(play.announcements, QStringList({"White wins."}));
  EXPECT_EQ(play.icons, std::vector<MsgIcon>({MsgIcon::Win}));
  EXPECT_EQ(game.MatedKingSquare, Sq("e8"));
}

TEST_F(GameTest, MateByTheComputerAnnouncesALoss) {
  play.computerBlack = true;
  Play({"f3", "e5", "g4"});
  Play({"Qh4"}, kModeEngine);
  EXPECT_EQ(game.GameSan[4], "Qh4#");
  EXPECT_EQ(game.GameResult, 3);
  EXPECT_EQ(play.announcements, QStringList({"Black wins."}));
  EXPECT_EQ(play.icons, std::vector<MsgIcon>({MsgIcon::Loss}));
}

TEST_F(GameTest, SilentModeMateSetsTheResultWithoutSoundOrMessage) {
  Play({"f3", "e5", "g4", "Qh4"}, kModeSilent);
  EXPECT_EQ(game.GameResult, 3);
  EXPECT_EQ(play.gameEnds, 1);
  EXPECT_TRUE(play.announcements.isEmpty());
  EXPECT_TRUE(ui.sounds.isEmpty());
  EXPECT_EQ(game.MatedKingSquare, 0);
  EXPECT_EQ(view.viewRefreshes, 0);  // the caller refreshes once it is done
}

TEST_F(GameTest, SoundsAreChosenByTheMoveFlags) {
  game.LoadPosition("r3k2r/8/8/3pP3/8/8/8/R3K2R w KQkq d6 0 1", false);
  Play({"exd6"});              // en passant
  Play({"O-O"}, kModeEngine);  // castling, by the engine
  game.LoadPosition("3k4/8/8/8/8/8/3r4/3RK3 w - - 0 1", false);
  Play({"Rxd2+"});  // a capture that gives check
  Play({"Kc7"}, kModeEngine);
  Play({"Rd7+"}, kModeTyped);
  Play({"Kxd7"}, kModeEngine);  // a capture, leaving the bare kings
  EXPECT_EQ(ui.sounds, QStringList({"SPECIAL", "SPECIAL2", "CHECK", "MOVE2", "CHECK", "CAPTURE2"}));
  EXPECT_EQ(game.GameSan[1], "Rxd2+");
  EXPECT_EQ(game.GameResult, 2);
  EXPECT_EQ(play.announcements, QStringList({"Draw by insufficient material."}));
  EXPECT_EQ(play.icons, std::vector<MsgIcon>({MsgIcon::Draw}));
}

TEST_F(GameTest, RefusedMovesSoundOnlyWhereTheUserShouldHearThem) {
  const int32_t illegal = MakeMove(Sq("e2"), Sq("e5"));
  EXPECT_FALSE(game.ApplyMove(illegal, kModeClick, 0));  // own piece: flag 0x200
  EXPECT_FALSE(game.ApplyMove(MakeMove(Sq("e4"), Sq("e5")), kModeClick, 0));  // nothing on e4
  EXPECT_FALSE(game.ApplyMove(0, kModeTyped, 0));
  EXPECT_FALSE(game.ApplyMove(illegal, kModeSilent, 0));
  EXPECT_EQ(ui.sounds, QStringList({"ILLEGAL", "ILLEGAL"}));
  EXPECT_EQ(game.LastPly, 0);
}

TEST_F(GameTest, AMoveBeforeTheEndAsksOnceBeforeDroppingLaterPlies) {
  Play({"e4", "e5", "Nf3", "Nc6", "Bb5"});
  game.GoToPly(2);
  const int32_t d4 = ChessAlg2Move(game.Board, "d4");
  ui.answers = {MsgAnswer::No};
  EXPECT_FALSE(game.ApplyMove(d4, kModeClick, 0));
  EXPECT_EQ(game.LastPly, 5);
  EXPECT_EQ(ui.messages.size(), 1u);
  ui.answers = {MsgAnswer::Yes};
  EXPECT_TRUE(game.ApplyMove(d4, kModeClick, 0));
  EXPECT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1].text, "This will clear all later moves.\n\nDo you want to continue?");
  EXPECT_EQ(ui.messages[1].buttons, MsgButtons::YesNo);
  EXPECT_EQ(game.LastPly, 3);
  EXPECT_EQ(game.CurPly, 3);
  EXPECT_EQ(view.lines, QStringList({"==Start==", "1.e4", "  e5", "2.d4"}));
}

TEST_F(GameTest, ThePlyLimitRefusesFurtherMoves) {
  const char* shuffle[] = {"Nf3", "Nf6", "Ng1", "Ng8"};
  for (int ply = 0; ply < kMaxPlies; ++ply) {
    const int32_t move = ChessAlg2Move(game.Board, shuffle[ply % 4]);
    ASSERT_TRUE(game.ApplyMove(move, kModeSilent, 0)) << ply;
  }
  EXPECT_EQ(game.LastPly, 1023);
  EXPECT_EQ(game.GameResult, 2);  // repetition ended the game long ago; moves still count
  const int32_t next = ChessAlg2Move(game.Board, "Ng8");
  EXPECT_FALSE(game.ApplyMove(next, kModeSilent, 0));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_FALSE(game.ApplyMove(next, kModeClick, 0));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Counter limit exceeded.");
  EXPECT_EQ(game.LastPly, 1023);
}

TEST_F(GameTest, TheMoveNumberLimitRefusesMovesFromMoveOneThousand) {
  game.LoadPosition("4k3/8/8/8/8/8/8/4K3 b - - 0 999", false);
  EXPECT_EQ(game.MoveNumber, 999);
  Play({"Kd7"});
  EXPECT_EQ(game.MoveNumber, 1000);
  EXPECT_FALSE(game.ApplyMove(ChessAlg2Move(game.Board, "Kd2"), kModeClick, 0));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "Counter limit exceeded.");
}

TEST_F(GameTest, SteppingBackRestoresCastlingAndEnPassant) {
  game.LoadPosition("r3k2r/8/8/3pP3/8/8/8/R3K2R w KQkq d6 0 1", false);
  const std::string start = ChessBoard2Fen(game.Board);
  Play({"exd6", "O-O", "O-O-O"});
  view.drawn.clear();
  game.StepBack();  // White's long castling: rook back from d1 to a1
  EXPECT_EQ(game.Board.Squares[Sq("a1")], 8 + 2);
  EXPECT_EQ(game.Board.Squares[Sq("d1")], 0);
  EXPECT_TRUE(view.Drew(Sq("a1")));
  EXPECT_TRUE(view.Drew(Sq("d1")));
  game.StepBack();
  view.drawn.clear();
  game.StepBack();  // the en-passant capture: the Black pawn returns to d5
  EXPECT_EQ(game.Board.Squares[Sq("d5")], 16 + 5);
  EXPECT_TRUE(view.Drew(Sq("d5")));
  EXPECT_EQ(ChessBoard2Fen(game.Board), start);
  EXPECT_EQ(game.CurPly, 0);
  EXPECT_EQ(game.SideToMove, 0);
  EXPECT_EQ(game.MoveNumber, 1);
  game.GoToPly(3);
  EXPECT_EQ(game.SideToMove, 1);
  EXPECT_EQ(game.MoveNumber, 2);
}

TEST_F(GameTest, StepForwardAnimatesShownMovesUnlessBlindfold) {
  settings.MoveDelay = 3;
  Play({"e4"});
  ASSERT_EQ(view.animations.size(), 1u);
  EXPECT_EQ(view.animations[0], (std::array<int, 3>{Sq("e2"), Sq("e4"), 12}));
  settings.Blindfold = true;
  Play({"e5"});
  Play({"Nf3"}, kModeSilent);
  EXPECT_EQ(view.animations.size(), 1u);
}

TEST_F(GameTest, DemonstrationStepsPlaySoundsAndMarkTheMatedKing) {
  Play({"f3", "e5", "g4", "Qh4"}, kModeSilent);
  game.GoToPly(0);
  ui.sounds.clear();
  for (int i = 0; i < 4; ++i) game.StepForward(0, true);
  EXPECT_EQ(ui.sounds, QStringList({"MOVE2", "MOVE2", "MOVE2", "LOSS"}));
  EXPECT_EQ(view.matedDrawn, std::vector<int>({Sq("e1")}));
}

}  // namespace

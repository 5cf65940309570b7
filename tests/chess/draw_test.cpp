// The draw flags: threefold repetition, the fifty-move rule and
// insufficient material.
#include "test_util.h"

namespace {

// Plays the moves one by one and returns the plies (1-based) whose flags
// include the flag.
std::vector<int> PliesFlagged(BoardRecord& board, std::string_view moves, int flag) {
  std::istringstream tokens{std::string(moves)};
  std::string token;
  std::vector<int> plies;
  for (int ply = 1; tokens >> token; ++ply) {
    if (Play(board, token) & flag) plies.push_back(ply);
  }
  return plies;
}

TEST(Repetition, ThirdOccurrenceOfThePosition) {
  BoardRecord board = BoardFrom(kStandardFen);
  EXPECT_EQ(PliesFlagged(board, "Nf3 Nf6 Ng1 Ng8 Nf3 Nf6 Ng1 Ng8 Nf3", kFlagRepetition),
            (std::vector<int>{8, 9}));
}

TEST(Repetition, SideToMoveMatters) {
  // The same placement with the other side to move is another position.
  BoardRecord board = BoardFrom("4k3/8/8/8/8/8/8/R3K3 w - -");
  EXPECT_TRUE(PliesFlagged(board, "Ra2 Kd8 Ra1 Ke8 Ra2 Kd8 Ra3 Ke8 Ra1", kFlagRepetition).empty());
}

TEST(Repetition, LostCastlingRightsMakeANewPosition) {
  BoardRecord board = BoardFrom("r3k2r/8/8/8/8/8/8/R3K2R w KQkq -");
  // The start position occurs once with rights; after Ke1-d1-e1 it has
  // none, so 4...Ke8 is only its second occurrence without them.
  EXPECT_EQ(PliesFlagged(board, "Kd1 Kd8 Ke1 Ke8 Kd1 Kd8 Ke1 Ke8 Kd1 Kd8 Ke1 Ke8", kFlagRepetition),
            (std::vector<int>{10, 11, 12}));
}

TEST(Repetition, EnPassantSquareCountsOnlyWhenACaptureIsPossible) {
  // After 1.e4 no pawn can take en passant, so the position equals the
  // one after 3.Ng1: the third occurrence comes with 5.Ng1.
  BoardRecord board = BoardFrom(kStandardFen);
  EXPECT_EQ(PliesFlagged(board, "e4 Nf6 Nf3 Ng8 Ng1 Nf6 Nf3 Ng8 Ng1", kFlagRepetition),
            (std::vector<int>{9}));
  // Here black could take on e3 after 1.e4: that position never recurs,
  // so 5.Ke1 is only the second occurrence of its placement.
  BoardRecord capturable = BoardFrom("4k3/8/8/8/3p4/8/4P3/4K3 w - -");
  EXPECT_EQ(PliesFlagged(capturable, "e4 Kf7 Kf2 Ke8 Ke1 Kf7 Kf2 Ke8 Ke1 Kf7 Kf2 Ke8 Ke1",
                         kFlagRepetition),
            (std::vector<int>{10, 11, 12, 13}));
}

TEST(Repetition, CountsFromTheSetPositionOnly) {
  BoardRecord board = BoardFrom(kStandardFen);
  Play(board, "Nf3 Nf6 Ng1 Ng8");
  ChessFen2Board(board, ChessBoard2Fen(board));  // the same position, new history
  EXPECT_TRUE(PliesFlagged(board, "Nf3 Nf6 Ng1", kFlagRepetition).empty());
  EXPECT_EQ(Play(board, "Ng8"), 0);
}

TEST(Repetition, UndoForgetsTakenBackPositions) {
  BoardRecord board = BoardFrom(kStandardFen);
  Play(board, "Nf3 Nf6 Ng1");
  EXPECT_TRUE(PliesFlagged(board, "Ng8 Nf3 Nf6 Ng1", kFlagRepetition).empty());
  ChessUndoMove(board);
  ChessUndoMove(board);
  EXPECT_EQ(PliesFlagged(board, "Nf6 Ng1 Ng8", kFlagRepetition), (std::vector<int>{3}));
}

TEST(FiftyMoves, HalfmoveClockFromTheFen) {
  BoardRecord board = BoardFrom("4k3/8/8/8/8/8/4P3/R3K3 w - - 98 80");
  EXPECT_EQ(PliesFlagged(board, "Ra2 Kd8 Ra1", kFlagFiftyMoves), (std::vector<int>{2, 3}));
}

TEST(FiftyMoves, PawnMoveOrCaptureResetsTheClock) {
  BoardRecord board = BoardFrom("4k3/8/8/8/8/8/4P3/R3K3 w - - 99 80");
  EXPECT_EQ(Play(board, "e3") & kFlagFiftyMoves, 0);
  board = BoardFrom("4k3/8/8/8/8/8/r3P3/R3K3 w - - 99 80");
  EXPECT_EQ(Play(board, "Rxa2") & kFlagFiftyMoves, 0);
}

TEST(FiftyMoves, MateOnTheLastMoveStands) {
  BoardRecord board = BoardFrom("7k/8/6K1/8/8/8/8/R7 w - - 99 70");
  EXPECT_EQ(Play(board, "Ra8"), kFlagCheck | kFlagNoMoves);
}

TEST(FiftyMoves, CountsFromTheSetPosition) {
  // A FEN without counters starts the clock at 0.
  BoardRecord board = BoardFrom("4k3/8/8/8/8/8/8/R3K3 w - -");
  std::string moves;
  for (int i = 0; i < 25; ++i) moves += "Ra2 Kd8 Ra1 Ke8 ";
  EXPECT_EQ(PliesFlagged(board, moves, kFlagFiftyMoves).front(), 100);
}

struct MaterialCase {
  const char* fen;
  const char* move;
  bool insufficient;
};

class Material : public testing::TestWithParam<MaterialCase> {};

TEST_P(Material, InsufficientFlag) {
  BoardRecord board = BoardFrom(GetParam().fen);
  EXPECT_EQ((Play(board, GetParam().move) & kFlagInsufficient) != 0, GetParam().insufficient)
      << GetParam().fen;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Material,
    testing::Values(
        MaterialCase{"4k3/8/8/8/8/8/3r4/4K3 w - -", "Kxd2", true},      // K v K
        MaterialCase{"4k3/8/8/8/8/8/3r4/4KB2 w - -", "Kxd2", true},     // K+B v K
        MaterialCase{"4k3/8/8/8/8/8/3r4/4KN2 w - -", "Kxd2", true},     // K+N v K
        MaterialCase{"4k3/8/8/8/2b5/8/3r4/4KB2 w - -", "Kxd2", true},   // bishops on light
        MaterialCase{"4k2b/8/8/8/8/8/3r4/4KB2 w - -", "Kxd2", false},   // light and dark
        MaterialCase{"4k3/8/8/8/8/8/3r4/2B1KB2 w - -", "Kxd2", false},  // both colours
        MaterialCase{"4k3/8/8/8/2b5/8/3r4/4KB1B w - -", "Kxd2", true},  // three on light
        MaterialCase{"4k3/8/8/8/8/2n5/3r4/4KN2 w - -", "Kxd2", false},  // K+N v K+N
        MaterialCase{"4k3/8/8/8/8/8/3r4/4KNN1 w - -", "Kxd2", false},   // K+N+N v K
        MaterialCase{"4k3/8/8/8/8/8/3r4/4KBN1 w - -", "Kxd2", false},   // K+B+N v K
        MaterialCase{"4k3/8/8/8/8/8/3r3P/4K3 w - -", "Kxd2", false},    // a pawn
        MaterialCase{"4k3/8/8/8/8/8/8/4K3 w - -", "Kd2", true}));       // any move

}  // namespace

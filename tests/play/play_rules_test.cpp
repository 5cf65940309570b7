#include <gtest/gtest.h>

#include "chess/chess.h"
#include "play/game_end.h"
#include "play/levels.h"
#include "play/play_modes.h"

namespace {

TEST(LevelName, NamesEveryKindOfLevel) {
  const char* const names[] = {"Peabrain",     "Newbie",  "Novice",       "Rookie",
                               "Beginner",     "Amateur", "Intermediate", "Expert",
                               "Professional", "Master",  "Grandmaster",  "Overwhelming"};
  for (int i = 0; i < 12; ++i) EXPECT_EQ(LevelName(-1 - i), names[i]) << i;
  EXPECT_EQ(LevelName(0), "");
  EXPECT_EQ(LevelName(1), "1 Plies");
  EXPECT_EQ(LevelName(8), "8 Plies");
  EXPECT_EQ(LevelName(99), "99 Plies");
  EXPECT_EQ(LevelName(100), "Infinite");
  EXPECT_EQ(LevelName(-13), "");
  EXPECT_EQ(LevelName(101), "");
}

TEST(LevelName, OnlyTheTwoSlowestLevelsWarn) {
  for (int i = 0; i < 10; ++i) EXPECT_EQ(SlowLevelWarning(i), "") << i;
  EXPECT_TRUE(SlowLevelWarning(10).startsWith("'Grandmaster' usually takes much time"));
  EXPECT_TRUE(SlowLevelWarning(11).startsWith("'Overwhelming' usually takes much more time"));
  EXPECT_TRUE(SlowLevelWarning(11).endsWith(
      "\n\nPress 'Stop / Move Now' to make the computer stop thinking."));
}

TEST(PlayModes, AlternationGivesTheComputerBlackFirstThenAlternates) {
  bool nextWhite = false;
  ComputerSides sides = SidesForMode(kModeAlternation, nextWhite, 0.0);
  EXPECT_FALSE(sides.white);
  EXPECT_TRUE(sides.black);
  sides = SidesForMode(kModeAlternation, nextWhite, 0.0);
  EXPECT_TRUE(sides.white);
  EXPECT_FALSE(sides.black);
  sides = SidesForMode(kModeAlternation, nextWhite, 0.0);
  EXPECT_TRUE(sides.black);
  EXPECT_TRUE(nextWhite);
}

TEST(PlayModes, FixedRandomAndNoComputer) {
  bool nextWhite = true;
  ComputerSides sides = SidesForMode(kModeNoComputer, nextWhite, 0.3);
  EXPECT_FALSE(sides.white || sides.black);
  sides = SidesForMode(kModeComputerWhite, nextWhite, 0.3);
  EXPECT_TRUE(sides.white && !sides.black);
  sides = SidesForMode(kModeComputerBlack, nextWhite, 0.3);
  EXPECT_TRUE(!sides.white && sides.black);
  sides = SidesForMode(kModeRandom, nextWhite, 0.49);
  EXPECT_TRUE(sides.white && !sides.black);
  sides = SidesForMode(kModeRandom, nextWhite, 0.5);
  EXPECT_TRUE(!sides.white && sides.black);
  EXPECT_TRUE(nextWhite);  // only alternation moves it on
}

TEST(PlayModes, TheStartupDialogOffersTheColourOppositeTheComputer) {
  EXPECT_EQ(StartupColorFor(kModeNoComputer, false, 0), kColorBoth);
  EXPECT_EQ(StartupColorFor(kModeComputerWhite, false, 0), kColorBlack);
  EXPECT_EQ(StartupColorFor(kModeComputerBlack, true, 0), kColorWhite);
  EXPECT_EQ(StartupColorFor(kModeAlternation, true, 0), kColorBlack);
  EXPECT_EQ(StartupColorFor(kModeAlternation, false, 0), kColorWhite);
  EXPECT_EQ(StartupColorFor(kModeRandom, false, 0.2), kColorBlack);
  EXPECT_EQ(StartupColorFor(kModeRandom, false, 0.7), kColorWhite);
  EXPECT_EQ(ModeForStartupColor(kColorBoth), kModeNoComputer);
  EXPECT_EQ(ModeForStartupColor(kColorWhite), kModeComputerBlack);
  EXPECT_EQ(ModeForStartupColor(kColorBlack), kModeComputerWhite);
}

TEST(Handicaps, EachPositionLacksOneWhitePieceAndKeepsCastling) {
  struct Row {
    int handicap;
    const char* square;
  } rows[] = {{1, "b1"}, {2, "a1"}, {3, "d1"}};
  for (const Row& row : rows) {
    BoardRecord board{};
    const QString fen = HandicapFen(row.handicap);
    ASSERT_TRUE(ChessFen2Board(board, fen.toStdString())) << row.handicap;
    const int square = (8 - (row.square[1] - '0')) * 16 + (row.square[0] - 'a') + 4;
    EXPECT_EQ(board.Squares[square], 0) << row.square;
    EXPECT_EQ(board.Side, 0);
    EXPECT_TRUE(fen.contains(" w KQkq - 0 1"));
  }
  EXPECT_EQ(HandicapFen(0), "");
}

TEST(Handicaps, TheMenuEntriesChooseThePieceAndTheComputersSide) {
  const int pieces[] = {1, 2, 3, 0, 1, 2, 3};
  for (int i = 0; i < 7; ++i) {
    if (i == 3) continue;
    EXPECT_EQ(HandicapOfMenuEntry(i), pieces[i]) << i;
    EXPECT_EQ(ModeOfMenuEntry(i), i < 3 ? kModeComputerWhite : kModeComputerBlack) << i;
  }
}

TEST(PlayerNames, TheComputerCarriesTheLevelAndTheUserANameAlways) {
  PlayerNames names = PlayerNamesFor("", "Peabrain", {false, true}, "Main", "Slave");
  EXPECT_EQ(names.white, "Chess Fan");
  EXPECT_EQ(names.black, "Slave (Peabrain)");
  names = PlayerNamesFor("Ann", "", {true, true}, "Main", "Main");
  EXPECT_EQ(names.white, "Main");
  EXPECT_EQ(names.black, "Main");
  names = PlayerNamesFor("Ann", "8 Plies", {false, false}, "Main", "Main");
  EXPECT_EQ(names.white, "Ann");
  EXPECT_EQ(names.black, "Ann");
}

TEST(GameEnd, TextsAndSounds) {
  EXPECT_EQ(ResignText(0), "White resigns.");
  EXPECT_EQ(ResignText(1), "Black resigns.");
  EXPECT_EQ(FlagFellText(0), "White's flag fell.");
  EXPECT_EQ(FlagFellText(1), "Black's flag fell.");
  EXPECT_EQ(DrawOfferText(1),
            "White offers draw.\n\nTo accept draw, click menu Computer -> Offer / Accept "
            "Draw.\nTo decline draw, just disregard it.");
  EXPECT_TRUE(DrawOfferText(0).startsWith("Black offers draw.\n\n"));
  EXPECT_EQ(GameEndSound(MsgIcon::Win), "WIN");
  EXPECT_EQ(GameEndSound(MsgIcon::Loss), "LOSS");
  EXPECT_EQ(GameEndSound(MsgIcon::Draw), "DRAW");
  EXPECT_EQ(GameEndSound(MsgIcon::Information), "DRAW");
}

}  // namespace

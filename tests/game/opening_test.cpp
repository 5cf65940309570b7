#include <QStringList>

#include "game_fixture.h"

namespace {

class OpeningTest : public GameTest {
 protected:
  OpeningTest() { EXPECT_TRUE(ChessLoadEco(eco, TALVOR_DATA_DIR "/ECO.TXT")); }

  // What the table holds for the first plies of the current game.
  QStringList TableEntry(int plies) {
    std::vector<int32_t> moves(game.GameMoves.begin() + 1, game.GameMoves.begin() + 1 + plies);
    const auto found = ChessSearchEco(eco, moves);
    return found ? QString::fromStdString(*found).split('|') : QStringList();
  }
  QStringList Tags() {
    return {game.TagEco, game.TagOpening, game.TagVariation, game.TagSubVariation};
  }
};

TEST_F(OpeningTest, TheOpeningIsFoundAsTheGameGoes) {
  Play({"e4", "c5"});
  EXPECT_EQ(game.TagEco, "B20");
  EXPECT_EQ(game.TagOpening, "Sicilian Defense");
  EXPECT_GT(view.openingRefreshes, 0);
  // An unknown position keeps the last opening found.
  Play({"Ke2"});
  Play({"Qa5"});
  EXPECT_EQ(game.TagOpening, "Sicilian Defense");
}

TEST_F(OpeningTest, TheLookupStopsFromTheSixtyFourthPly) {
  // Knights going out and home return to known positions every four plies.
  Play({"e4", "e5"}, kModeSilent);
  const char* shuffle[] = {"Nf3", "Nf6", "Ng1", "Ng8"};
  for (int ply = 3; ply <= 64; ++ply) Play({shuffle[(ply - 3) % 4]}, kModeSilent);
  ASSERT_EQ(game.LastPly, 64);
  const QStringList atPly63 = TableEntry(63);
  const QStringList atPly64 = TableEntry(64);
  ASSERT_EQ(atPly63.size(), 4);
  ASSERT_EQ(atPly64.size(), 4);
  ASSERT_NE(atPly63, atPly64);  // the table knows both positions
  EXPECT_EQ(Tags(), atPly63);   // but the game took only the one before ply 64
}

TEST_F(OpeningTest, GamesFromAPositionNeverLookUpOpenings) {
  game.LoadPosition(QString(kStandardFen) + " 0 1", false);
  Play({"e4", "c5"});
  EXPECT_TRUE(game.TagEco.isEmpty());
  game.NewGame(false, false);
  game.EcoLookup = false;  // a file brought its own opening names
  Play({"e4", "c5"});
  EXPECT_TRUE(game.TagEco.isEmpty());
}

}  // namespace

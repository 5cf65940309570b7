#include "game/titles.h"

#include <gtest/gtest.h>

namespace {

TEST(Titles, PlayersNeedBothNamesAndShowTheResult) {
  GameRecord game;
  game.TagWhite = "A";
  game.TagBlack = "B";
  EXPECT_EQ(PlayersTitle(game), "A vs B");
  game.GameResult = 2;
  game.TagWhiteElo = "2700";
  EXPECT_EQ(PlayersTitle(game), "A (2700) 1/2-1/2 B");
  game.GameResult = 3;
  game.TagBlackElo = "2650";
  EXPECT_EQ(PlayersTitle(game), "A (2700) 0-1 B (2650)");
  game.TagWhite.clear();
  EXPECT_EQ(PlayersTitle(game), "(Black wins)");
  game.GameResult = 0;
  EXPECT_EQ(PlayersTitle(game), "(In progress)");
}

TEST(Titles, EventRoundSiteAndDate) {
  GameRecord game;
  EXPECT_EQ(EventTitle(game), "");
  game.TagRound = "3";
  EXPECT_EQ(EventTitle(game), "Round 3");
  game.TagEvent = "Open";
  EXPECT_EQ(EventTitle(game), "Open, Round 3");
  game.TagRound = "?";
  EXPECT_EQ(EventTitle(game), "Open, ?");
  EXPECT_EQ(SiteDateTitle(game), "");
  game.TagSite = "Oslo";
  EXPECT_EQ(SiteDateTitle(game), "(Oslo)");
  game.TagDate = "2026.12.08";
  EXPECT_EQ(SiteDateTitle(game), "(Oslo, 2026.12.08)");
  game.TagSite.clear();
  EXPECT_EQ(SiteDateTitle(game), "(, 2026.12.08)");
}

TEST(Titles, OpeningAndGameTitle) {
  GameRecord game;
  game.TagOpening = "Sicilian Defense";
  game.TagSubVariation = "ignored without a variation";
  EXPECT_EQ(OpeningTitle(game), "Sicilian Defense");
  game.TagVariation = "Najdorf Variation";
  game.TagSubVariation = "English Attack";
  game.TagEco = "B90";
  EXPECT_EQ(OpeningTitle(game), "Sicilian Defense: Najdorf Variation, English Attack (B90)");
  EXPECT_EQ(GameTitle(game), "(In progress)");
  game.TagEvent = "Club";
  game.TagWhite = "A";
  game.TagBlack = "B";
  EXPECT_EQ(GameTitle(game), "Club - A vs B");
}

}  // namespace

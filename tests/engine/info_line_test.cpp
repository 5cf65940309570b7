#include "engine/info_line.h"

#include <gtest/gtest.h>

#include "engine/engine.h"

namespace {

BoardRecord Start() {
  static const bool init = (ChessInit(), true);
  (void)init;
  BoardRecord board{};
  ChessFen2Board(board, kStandardFen);
  return board;
}

BoardRecord FromFen(const char* fen) {
  BoardRecord board = Start();
  ChessFen2Board(board, fen);
  return board;
}

TEST(InfoLine, ReadsTheFieldsAtTheirFirstOccurrence) {
  const InfoLine info = ParseInfoLine(
      "info depth 12 seldepth 20 multipv 1 score cp -35 nodes 123456 nps 999 "
      "currmove g1f3 currmovenumber 3 pv e2e4 e7e5 string depth 99");
  EXPECT_EQ(info.depth, 12);
  EXPECT_TRUE(info.exactScore);
  EXPECT_EQ(info.score, -35);
  EXPECT_EQ(info.nodes, 123456);
  EXPECT_EQ(info.currMove, "g1f3");
  EXPECT_EQ(info.currMoveNumber, 3);
  EXPECT_EQ(info.pv, "e2e4 e7e5 string depth 99");
  EXPECT_FALSE(info.message);
}

TEST(InfoLine, MateScoresCountFromTenThousand) {
  EXPECT_EQ(ParseInfoLine("info depth 12 score mate 3 pv e2e4").score, 9997);
  EXPECT_EQ(ParseInfoLine("info depth 12 score mate -2 pv e2e4").score, -9998);
  EXPECT_EQ(ParseInfoLine("info depth 12 score mate 0").score, 10000);
  EXPECT_EQ(ParseInfoLine("info depth 12 score wdl 1 2 3").score, 0);
}

TEST(InfoLine, BoundsAndMissingScoresAreNotExact) {
  EXPECT_FALSE(ParseInfoLine("info depth 9 score cp 20 lowerbound nodes 5").exactScore);
  EXPECT_FALSE(ParseInfoLine("info depth 9 score cp 20 upperbound nodes 5").exactScore);
  EXPECT_FALSE(ParseInfoLine("info depth 9 nodes 5").exactScore);
  EXPECT_EQ(ParseInfoLine("info depth 9 score cp 20 lowerbound").depth, 9);
}

TEST(InfoLine, MalformedNumbersAreReadAsFarAsTheyGoAndClamped) {
  EXPECT_EQ(ParseInfoLine("info depth 5x score cp 31").depth, 5);
  EXPECT_EQ(ParseInfoLine("info depth 123456 score cp 31").depth, 999);
  EXPECT_EQ(ParseInfoLine("info depth zz score cp 99999999").score, 32767);
  EXPECT_EQ(ParseInfoLine("info nodes 99999999999").nodes, 2147483647);
  EXPECT_EQ(ParseInfoLine("info depth -3").depth, -3);
  EXPECT_FALSE(ParseInfoLine("info nodes").nodes);  // no space after the keyword
}

TEST(InfoLine, MessageIsTheRestOfTheLine) {
  EXPECT_EQ(ParseInfoLine("info depth 3 message Book move: e4").message, "Book move: e4");
}

struct PvRow {
  int depth;
  int score;
  const char* pv;
  const char* expected;
};

TEST(InfoLine, PvTextColumnsAndNotation) {
  const BoardRecord start = Start();
  const PvRow rows[] = {
      {5, 31, "e2e4 e7e5", "  5   (+31) e4 e5"},
      {8, 35, "e2e4 e7e5 g1f3 b8c6 f1b5", "  8   (+35) e4 e5 Nf3 Nc6 Bb5"},
      {12, -35, "d2d4", " 12   (-35) d4"},
      {3, 0, "d2d4", "  3     (0) d4"},
      {1000, 9997, "e2e4", "1000 (+9997) e4"},
      {7, -9998, nullptr, "  7 (-9998)"},
      {2, 5, "e2e4 zzzz e7e5", "  2    (+5) e4"},  // stops at text that is no move
      {2, 5, "e2e5 e7e5", "  2    (+5)"},          // stops at an illegal move
  };
  for (const PvRow& row : rows) {
    const std::optional<QString> pv = row.pv ? std::optional<QString>(row.pv) : std::nullopt;
    EXPECT_EQ(PvText(row.depth, row.score, start, pv, nullptr), row.expected) << row.pv;
  }
}

TEST(InfoLine, PvShowsChecksMatesAndPromotions) {
  const BoardRecord start = Start();
  EXPECT_EQ(PvText(4, 50, start, QString("f2f3 e7e5 g2g4 d8h4"), nullptr),
            "  4   (+50) f3 e5 g4 Qh4#");
  const BoardRecord promote = FromFen("8/4P3/8/8/8/8/k7/4K3 w - -");
  EXPECT_EQ(PvText(1, 900, promote, QString("e7e8q"), nullptr), "  1  (+900) e8=Q");
  EXPECT_EQ(PvText(1, 500, promote, QString("e7e8r a2b2"), nullptr), "  1  (+500) e8=R Kb2");
}

TEST(InfoLine, PonderedMoveIsShownFirstInBrackets) {
  BoardRecord board = Start();
  int flags = 0;
  ChessTryMove(board, flags, ChessCoord2Move("e2e4"));
  ChessTryMove(board, flags, ChessCoord2Move("e7e5"));
  ChessTryMove(board, flags, ChessCoord2Move("g1f3"));
  const QString san = "Nf3";
  EXPECT_EQ(PvText(10, -12, board, QString("b8c6 f1b5"), &san), " 10   (-12) (Nf3) Nc6 Bb5");
}

TEST(InfoLine, PanelsForSpeedAndCurrentMove) {
  EXPECT_EQ(NpsText(20000, 40), "NPS 500K");
  EXPECT_EQ(NpsText(999, 1000), "NPS 0K");
  EXPECT_FALSE(NpsText(20000, 0));
  EXPECT_EQ(CurrText(12, 3, 20, Start(), "g1f3"), "12 (3/20) Nf3");
  // Text that is no move is shown as the rules library writes it, without harm.
  EXPECT_TRUE(CurrText(12, 3, 20, Start(), "zz").startsWith("12 (3/20) "));
  EXPECT_TRUE(CurrText(1, 1, 20, Start(), "e2e5").startsWith("1 (1/20) "));
}

TEST(InfoLine, TimeStamps) {
  EXPECT_EQ(TimeStampText(67400), "00:01:07.4 ->");
  EXPECT_EQ(TimeStampText(0), "00:00:00.0 ->");
  EXPECT_EQ(TimeStampText(3600999), "01:00:00.9 ->");
}

TEST(MoveToUci, SquaresAndPromotionLetters) {
  const BoardRecord start = Start();
  EXPECT_EQ(Engine::MoveToUci(start, ChessCoord2Move("e2e4")), "e2e4");
  const BoardRecord promote = FromFen("8/4P3/8/8/8/8/k7/4K3 w - -");
  EXPECT_EQ(Engine::MoveToUci(promote, MakeMove(ChessCoord2Move("e7e8") % 128,
                                                ChessCoord2Move("e7e8") / 128 % 128)),
            "e7e8q");
  EXPECT_EQ(Engine::MoveToUci(promote, ChessCoord2Move("e7e8n")), "e7e8n");
}

}  // namespace

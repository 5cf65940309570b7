// The opening table: loading data/ECO.TXT, searching by position, and
// files that are missing or garbled.
#include <cstdio>
#include <fstream>

#include "test_util.h"

namespace {

// Move codes of the moves from the initial position.
std::vector<int32_t> Line(std::string_view moves) {
  BoardRecord board = BoardFrom(kStandardFen);
  std::istringstream tokens{std::string(moves)};
  std::vector<int32_t> codes;
  for (std::string token; tokens >> token;) {
    codes.push_back(ChessAlg2Move(board, token));
    int flags = 0;
    EXPECT_TRUE(ChessTryMove(board, flags, codes.back())) << token;
  }
  return codes;
}

class Openings : public testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(ChessLoadEco(table_, TALVOR_ECO_FILE)); }
  static void TearDownTestSuite() { ChessUnloadEco(table_); }
  static std::optional<std::string> Search(std::string_view moves) {
    return ChessSearchEco(table_, Line(moves));
  }
  static EcoTable table_;
};
EcoTable Openings::table_;

TEST_F(Openings, EveryListedOpeningIsLoaded) {
  EXPECT_EQ(table_.byPosition.size(), 3807u);
}

TEST_F(Openings, FindsTheOpeningOfThePosition) {
  EXPECT_EQ(Search("e4 c5"), "B20|Sicilian Defense||");
  EXPECT_EQ(Search("Nh3"), "A00|Amar Opening||");
  EXPECT_EQ(Search("d4 d5 c4 e6 Nc3 Nf6"), "D35|Queen's Gambit Declined|Normal Defense|");
  EXPECT_EQ(Search("c4 e5 Nc3 Nf6 g3 Nc6 Bg2 d6 d3 Be7 Nf3 O-O"),
            "A29|English Opening|King's English Variation|"
            "Four Knights Variation, Fianchetto Line, with .. d6, Be7");
}

TEST_F(Openings, TranspositionsFindTheSameOpening) {
  EXPECT_EQ(Search("Nf3 d5 d4"), "D02|Queen's Pawn Game|Zukertort Variation|");
  EXPECT_EQ(Search("Nf3 d5 d4"), Search("d4 d5 Nf3"));
  EXPECT_EQ(Search("c4 Nf6 Nc3 e6 d4 d5"), Search("d4 d5 c4 e6 Nc3 Nf6"));
}

TEST_F(Openings, PositionsOutsideTheTableFindNothing) {
  EXPECT_EQ(Search(""), std::nullopt);
  EXPECT_EQ(Search("a3 a6 h4 h5"), std::nullopt);
  EXPECT_EQ(Search("e4 c5 Ke2 h5"), std::nullopt);
}

TEST_F(Openings, MoveListEndsAtTheFirstZeroOrTheEndOfTheSpan) {
  std::vector<int32_t> moves = Line("e4 c5 Nf3");
  moves[2] = 0;
  moves.push_back(ChessCoord2Move("h2h4"));
  EXPECT_EQ(ChessSearchEco(table_, moves), "B20|Sicilian Defense||");
  EXPECT_EQ(ChessSearchEco(table_, std::span(moves).first(2)), "B20|Sicilian Defense||");
}

TEST_F(Openings, AnIllegalMoveFindsNothing) {
  std::vector<int32_t> moves = Line("e4 c5");
  moves.push_back(ChessCoord2Move("e4e6"));
  EXPECT_EQ(ChessSearchEco(table_, moves), std::nullopt);
  EXPECT_EQ(ChessSearchEco(table_, std::vector<int32_t>{-1}), std::nullopt);
}

std::string WriteFile(const std::string& name, const std::string& text) {
  const std::string path = testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

TEST(OpeningFile, MissingFileLeavesTheTableEmpty) {
  EcoTable table;
  EXPECT_FALSE(ChessLoadEco(table, testing::TempDir() + "no-such-file.txt"));
  EXPECT_TRUE(table.byPosition.empty());
  EXPECT_EQ(ChessSearchEco(table, Line("e4 c5")), std::nullopt);
  EXPECT_FALSE(ChessLoadEco(table, testing::TempDir()));  // a folder
}

TEST(OpeningFile, GarbledLinesAreSkipped) {
  const std::string sicilian = "rnbqkbnr/pp1ppppp/8/2p5/4P3/8/PPPP1PPP/RNBQKBNR w KQkq c6";
  const std::string path = WriteFile(
      "garbled-eco.txt",
      "# comment\r\n"
      "no tab at all\n"
      "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3\tB00|King's Pawn\n"  // 2 fields
      "not a fen\tA00|X|Y|Z\n"
      "\n" +
          sicilian + "\tB20|Sicilian Defense||\r\n" + sicilian + "\tB99|Second|Entry|Ignored\n" +
          std::string("\0\xFF\tA00|\x01|a|b\n", 12) + "rnbqkbnr/pppppppp/8/8/8/7N/PPPPPPPP");
  EcoTable table;
  EXPECT_TRUE(ChessLoadEco(table, path));
  EXPECT_EQ(table.byPosition.size(), 1u);
  EXPECT_EQ(ChessSearchEco(table, Line("e4 c5")), "B20|Sicilian Defense||");
  EXPECT_EQ(ChessSearchEco(table, Line("e4")), std::nullopt);
  std::remove(path.c_str());
}

TEST(OpeningFile, FileWithoutAnyEntryLoadsNothing) {
  const std::string path = WriteFile("binary-eco.txt", std::string(4096, '\0') + "\xFF\xFE|||\n");
  EcoTable table;
  EXPECT_FALSE(ChessLoadEco(table, path));
  EXPECT_TRUE(table.byPosition.empty());
  std::remove(path.c_str());
}

TEST(OpeningFile, ReloadReplacesAndUnloadEmpties) {
  EcoTable table;
  ASSERT_TRUE(ChessLoadEco(table, TALVOR_ECO_FILE, 10));
  const std::string path = WriteFile(
      "small-eco.txt", "rnbqkbnr/pppppppp/8/8/8/7N/PPPPPPPP/RNBQKB1R b KQkq -\tA00|Amar||\n");
  ASSERT_TRUE(ChessLoadEco(table, path));
  EXPECT_EQ(table.byPosition.size(), 1u);
  ChessUnloadEco(table);
  EXPECT_TRUE(table.byPosition.empty());
  std::remove(path.c_str());
}

}  // namespace

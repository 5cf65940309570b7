// Move generation against the reference perft counts of tests/data/perft.tsv,
// and ChessTryMove against the generator.
#include <algorithm>
#include <fstream>

#include "test_util.h"

namespace {

struct PerftRow {
  std::string fen;
  int depth = 0;
  uint64_t nodes = 0;
};

// Rows up to five million nodes; the larger ones are the benchmark's.
std::vector<PerftRow> ReadRows() {
  std::ifstream in(TALVOR_TEST_DATA "/perft.tsv");
  std::vector<PerftRow> rows;
  std::string line;
  std::getline(in, line);  // header
  while (std::getline(in, line)) {
    const size_t tab1 = line.find('\t');
    const size_t tab2 = line.find('\t', tab1 + 1);
    if (tab1 == std::string::npos || tab2 == std::string::npos) continue;
    PerftRow row{line.substr(0, tab1), std::stoi(line.substr(tab1 + 1, tab2 - tab1 - 1)),
                 std::stoull(line.substr(tab2 + 1))};
    if (row.nodes <= 5'000'000) rows.push_back(row);
  }
  return rows;
}

std::vector<std::string> RootPositions() {
  std::vector<std::string> fens;
  for (const PerftRow& row : ReadRows()) {
    if (fens.empty() || fens.back() != row.fen) fens.push_back(row.fen);
  }
  return fens;
}

class PerftTable : public testing::TestWithParam<PerftRow> {};

TEST_P(PerftTable, MatchesReferenceCount) {
  BoardRecord board = BoardFrom(GetParam().fen);
  EXPECT_EQ(ChessPerft(board, GetParam().depth), GetParam().nodes) << GetParam().fen;
}

INSTANTIATE_TEST_SUITE_P(Reference, PerftTable, testing::ValuesIn(ReadRows()),
                         [](const testing::TestParamInfo<PerftRow>& info) {
                           return "row" + std::to_string(info.index);
                         });

TEST(PerftData, HasAllSevenPositions) {
  EXPECT_GE(ReadRows().size(), 25u);
  EXPECT_EQ(RootPositions().size(), 7u);
}

// Every from/to pair (with each promotion piece) is offered to
// ChessTryMove: exactly the generated moves are accepted, each is taken
// back to the same record, and the count agrees with ChessGenMoves.
void ExpectTryMoveAgrees(BoardRecord& board) {
  const std::vector<int32_t> legal = LegalMoves(board);
  EXPECT_EQ(static_cast<int>(legal.size()), ChessGenMoves(board));
  const BoardRecord before = board;
  size_t accepted = 0;
  for (int from = 0; from < 128; ++from) {
    if (!IsBoardSquare(from) || board.Squares[from] == 0) continue;
    for (int to = 0; to < 128; ++to) {
      if (!IsBoardSquare(to)) continue;
      for (int promotion = 0; promotion < 4; ++promotion) {
        const int32_t move = MakeMove(from, to, promotion);
        int flags = 0;
        if (!ChessTryMove(board, flags, move)) continue;
        ++accepted;
        EXPECT_NE(std::find(legal.begin(), legal.end(), move), legal.end());
        ChessUndoMove(board);
        ASSERT_TRUE(SameRecord(board, before)) << ChessMove2Coord(board, move);
      }
    }
  }
  EXPECT_EQ(accepted, legal.size()) << ChessBoard2Fen(board);
}

TEST(TryMove, AcceptsExactlyTheGeneratedMoves) {
  for (const std::string& fen : RootPositions()) {
    BoardRecord board = BoardFrom(fen);
    ExpectTryMoveAgrees(board);
    for (const int32_t move : LegalMoves(board)) {
      int flags = 0;
      ASSERT_TRUE(ChessTryMove(board, flags, move));
      ExpectTryMoveAgrees(board);
      ChessUndoMove(board);
    }
  }
}

}  // namespace

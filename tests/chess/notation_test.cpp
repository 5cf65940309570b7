// Algebraic notation out and in, and coordinate text.
#include <fstream>

#include "test_util.h"

namespace {

// Every legal move of every position up to depth 2 below the perft
// positions: its SAN reads back as the same code, with or without a check
// mark and glyphs.
void ExpectSanRoundTrip(BoardRecord& board, int depth, int& checked) {
  for (const int32_t move : LegalMoves(board)) {
    const std::string san = ChessMove2Alg(board, move);
    ASSERT_EQ(ChessAlg2Move(board, san), move) << san << " in " << ChessBoard2Fen(board);
    ASSERT_EQ(ChessAlg2Move(board, san + "+!?"), move) << san;
    ++checked;
    if (depth > 1) {
      int flags = 0;
      ASSERT_TRUE(ChessTryMove(board, flags, move));
      ExpectSanRoundTrip(board, depth - 1, checked);
      ChessUndoMove(board);
    }
  }
}

TEST(San, RoundTripThroughThePerftPositionsToDepthThree) {
  std::ifstream in(TALVOR_TEST_DATA "/perft.tsv");
  std::string line;
  std::getline(in, line);
  std::string previous;
  int positions = 0;
  int checked = 0;
  while (std::getline(in, line)) {
    const std::string fen = line.substr(0, line.find('\t'));
    if (fen == previous) continue;
    previous = fen;
    BoardRecord board = BoardFrom(fen);
    ExpectSanRoundTrip(board, 3, checked);
    ++positions;
  }
  EXPECT_EQ(positions, 7);
  EXPECT_GT(checked, 250'000);
}

TEST(San, PiecesPawnsCastlingAndPromotions) {
  BoardRecord board = BoardFrom("r3k2r/1P1p4/8/4pP2/8/8/8/R3K2R w KQkq e6");
  const auto san = [&board](std::string_view coordinate) {
    return ChessMove2Alg(board, ChessCoord2Move(coordinate));
  };
  EXPECT_EQ(san("e1g1"), "O-O");
  EXPECT_EQ(san("e1c1"), "O-O-O");
  EXPECT_EQ(san("f5f6"), "f6");
  EXPECT_EQ(san("f5e6"), "fxe6");
  EXPECT_EQ(san("b7b8q"), "b8=Q");
  EXPECT_EQ(san("b7b8n"), "b8=N");
  EXPECT_EQ(san("b7a8r"), "bxa8=R");
  EXPECT_EQ(san("a1a8"), "Rxa8");
  EXPECT_EQ(san("e1d2"), "Kd2");
  // A move the board refuses comes back as coordinate text.
  EXPECT_EQ(san("e1e3"), "e1e3");
  EXPECT_EQ(ChessMove2Alg(board, 0), "");
}

TEST(San, DisambiguationByFileThenRankThenBoth) {
  BoardRecord board = BoardFrom("4k3/8/8/2N5/8/2N3N1/8/4K3 w - -");
  EXPECT_EQ(ChessMove2Alg(board, ChessCoord2Move("g3e4")), "Nge4");
  EXPECT_EQ(ChessMove2Alg(board, ChessCoord2Move("c5e4")), "N5e4");
  EXPECT_EQ(ChessMove2Alg(board, ChessCoord2Move("c3e4")), "Nc3e4");
  EXPECT_EQ(ChessMove2Alg(board, ChessCoord2Move("c3e2")), "Nce2");
  EXPECT_EQ(ChessMove2Alg(board, ChessCoord2Move("c5a4")), "N5a4");
  EXPECT_EQ(ChessMove2Alg(board, ChessCoord2Move("c3b1")), "Nb1");
}

TEST(San, PinnedPieceNeedsNoDisambiguation) {
  // The g3 knight is pinned by the f4 bishop, so only the c3 knight can
  // reach e4.
  BoardRecord board = BoardFrom("4k3/8/8/8/5b2/2N3N1/7K/8 w - -");
  EXPECT_EQ(ChessMove2Alg(board, ChessCoord2Move("c3e4")), "Ne4");
  EXPECT_EQ(ChessAlg2Move(board, "Ne4"), ChessCoord2Move("c3e4"));
  EXPECT_EQ(ChessAlg2Move(board, "Nge4"), 0);
}

TEST(SanReader, AmbiguousTextNamesNoMove) {
  BoardRecord board = BoardFrom("4k3/8/8/2N5/8/2N3N1/8/4K3 w - -");
  EXPECT_EQ(ChessAlg2Move(board, "Ne4"), 0);
  EXPECT_EQ(ChessAlg2Move(board, "Nce4"), 0);
  EXPECT_EQ(ChessAlg2Move(board, "N3e4"), 0);
  EXPECT_EQ(ChessAlg2Move(board, "Nc3e4"), ChessCoord2Move("c3e4"));
  EXPECT_EQ(ChessAlg2Move(board, "Nge4"), ChessCoord2Move("g3e4"));
  // A promotion needs its piece.
  BoardRecord promotion = BoardFrom("4k3/1P6/8/8/8/8/8/4K3 w - -");
  EXPECT_EQ(ChessAlg2Move(promotion, "b8"), 0);
  EXPECT_EQ(ChessAlg2Move(promotion, "b7b8"), 0);
}

TEST(SanReader, PawnFileAgainstBishop) {
  BoardRecord board = BoardFrom("4k3/8/8/8/8/2n5/1P6/4B1K1 w - -");
  EXPECT_EQ(ChessAlg2Move(board, "bxc3"), ChessCoord2Move("b2c3"));
  EXPECT_EQ(ChessAlg2Move(board, "Bxc3"), ChessCoord2Move("e1c3"));
  EXPECT_EQ(ChessAlg2Move(board, "bc3"), ChessCoord2Move("b2c3"));
  EXPECT_EQ(ChessAlg2Move(board, "b4"), ChessCoord2Move("b2b4"));
  EXPECT_EQ(ChessAlg2Move(board, "Bb4"), 0);
  EXPECT_EQ(ChessAlg2Move(board, "Bd2"), ChessCoord2Move("e1d2"));
  EXPECT_EQ(ChessAlg2Move(board, "bd2"), 0);
  EXPECT_EQ(ChessAlg2Move(board, "c3"), 0);
}

TEST(SanReader, TypedVariants) {
  BoardRecord board = BoardFrom("r3k2r/1P1p4/8/4pP2/8/8/8/R3K2R w KQkq e6");
  const std::pair<const char*, const char*> cases[] = {
      {"b8=Q", "b7b8q"},   {"b8Q", "b7b8q"},     {"b8q", "b7b8q"},      {"b8=n", "b7b8n"},
      {"bxa8R", "b7a8r"},  {"b7xa8=B", "b7a8b"}, {"b7a8b", "b7a8b"},    {"0-0", "e1g1"},
      {"0-0-0", "e1c1"},   {"O-O", "e1g1"},      {"o-o-o", "e1c1"},     {"e1g1", "e1g1"},
      {"Ke1-g1", "e1g1"},  {"f5xe6", "f5e6"},    {"fxe6 e.p.", "f5e6"}, {"f5-f6", "f5f6"},
      {"f5f6", "f5f6"},    {"Ra1-a8", "a1a8"},   {"Ra1xa8", "a1a8"},    {"Rxa8+", "a1a8"},
      {"Rxa8#!?", "a1a8"}, {"Raxa8", "a1a8"},    {"ra8", "a1a8"},       {"Kd2??", "e1d2"},
      {"kd2", "e1d2"},     {" f6 ", "f5f6"},     {"Pf6", "f5f6"},       {"fe6", "f5e6"},
  };
  for (const auto& [text, coordinate] : cases) {
    EXPECT_EQ(ChessAlg2Move(board, text), ChessCoord2Move(coordinate)) << text;
  }
}

TEST(SanReader, LongAlgebraicFromTheStart) {
  BoardRecord board = BoardFrom(kStandardFen);
  EXPECT_EQ(ChessAlg2Move(board, "Ng1-f3"), ChessCoord2Move("g1f3"));
  EXPECT_EQ(ChessAlg2Move(board, "Ng1f3"), ChessCoord2Move("g1f3"));
  EXPECT_EQ(ChessAlg2Move(board, "g1f3"), ChessCoord2Move("g1f3"));
  EXPECT_EQ(ChessAlg2Move(board, "e2-e4"), ChessCoord2Move("e2e4"));
  EXPECT_EQ(ChessAlg2Move(board, "nf3"), ChessCoord2Move("g1f3"));
  // The wrong piece letter, and "x" on a move that takes nothing.
  EXPECT_EQ(ChessAlg2Move(board, "Bg1-f3"), 0);
  EXPECT_EQ(ChessAlg2Move(board, "e2xe4"), 0);
  EXPECT_EQ(ChessAlg2Move(board, "Nxf3"), 0);
  Play(board, "e4 d5");
  EXPECT_EQ(ChessAlg2Move(board, "e4xd5"), ChessCoord2Move("e4d5"));
  EXPECT_EQ(ChessAlg2Move(board, "e4:d5"), ChessCoord2Move("e4d5"));
}

TEST(SanReader, TextThatIsNoMove) {
  BoardRecord board = BoardFrom(kStandardFen);
  for (const char* text : {"",
                           " ",
                           "+",
                           "hello",
                           "--",
                           "Z0",
                           "e9",
                           "e",
                           "Nf3z",
                           "Kx",
                           "e2e4e5",
                           "1-0",
                           "*",
                           "=Q",
                           "e4=Q",
                           "Nf3=Q",
                           "e2-e4-e5",
                           "N-f3",
                           "2e4",
                           "xe4",
                           "O-O-O-O",
                           "OO",
                           "Kf3",
                           "e5",
                           "Bb5",
                           "e2e4q",
                           "e2e4r",
                           "1.e4",
                           "e4 e5",
                           "\xC3\xA9"
                           "4"}) {
    EXPECT_EQ(ChessAlg2Move(board, text), 0) << text;
  }
  EXPECT_EQ(ChessAlg2Move(board, std::string(100000, 'e')), 0);
  EXPECT_EQ(ChessAlg2Move(board, std::string("e4\0", 3)), 0);
}

TEST(Coordinates, ReaderRules) {
  EXPECT_EQ(ChessCoord2Move("e2e4"), MakeMove(Sq("e2"), Sq("e4")));
  EXPECT_EQ(ChessCoord2Move("a1h8"), MakeMove(Sq("a1"), Sq("h8")));
  EXPECT_EQ(ChessCoord2Move("e7e8q"), MakeMove(Sq("e7"), Sq("e8"), 0));
  EXPECT_EQ(ChessCoord2Move("e7e8r"), MakeMove(Sq("e7"), Sq("e8"), 1));
  EXPECT_EQ(ChessCoord2Move("e7e8b"), MakeMove(Sq("e7"), Sq("e8"), 2));
  EXPECT_EQ(ChessCoord2Move("a2a1n"), MakeMove(Sq("a2"), Sq("a1"), 3));
  // Anything else in fifth place means queen or no promotion.
  EXPECT_EQ(ChessCoord2Move("e7e8x"), MakeMove(Sq("e7"), Sq("e8")));
  EXPECT_EQ(ChessCoord2Move("e7e8N"), MakeMove(Sq("e7"), Sq("e8")));
  EXPECT_EQ(ChessCoord2Move("e2e4 ponder"), MakeMove(Sq("e2"), Sq("e4")));
  for (const char* text : {"", "e2e", "e2", "i2e4", "e0e4", "e2e9", "E2E4", "2e4e", " e2e4",
                           "e2-e4", "0000", "(none)"}) {
    EXPECT_EQ(ChessCoord2Move(text), 0) << text;
  }
}

TEST(Coordinates, WriterAddsThePromotionLetterForPawnsOnly) {
  BoardRecord board = BoardFrom("4k3/1P6/8/8/8/8/6p1/R3K3 w - -");
  EXPECT_EQ(ChessMove2Coord(board, ChessCoord2Move("b7b8q")), "b7b8q");
  EXPECT_EQ(ChessMove2Coord(board, ChessCoord2Move("b7b8n")), "b7b8n");
  EXPECT_EQ(ChessMove2Coord(board, ChessCoord2Move("g2g1r")), "g2g1r");
  EXPECT_EQ(ChessMove2Coord(board, ChessCoord2Move("a1a8")), "a1a8");
  EXPECT_EQ(ChessMove2Coord(board, ChessCoord2Move("e1e2")), "e1e2");
  EXPECT_EQ(ChessMove2Coord(board, 0), "");
  EXPECT_EQ(ChessMove2Coord(board, MakeMove(Sq("e1"), 3)), "");
}

}  // namespace

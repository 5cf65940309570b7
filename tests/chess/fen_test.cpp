// FEN in and out, hostile FEN text, board editing, and positions that are
// no game positions.
#include "test_util.h"

namespace {

TEST(Fen, RoundTripOfTheFirstFourFields) {
  for (const char* fen : {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -",
                          "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq -",
                          "rnbqkbnr/ppp1pppp/8/3pP3/8/8/PPPP1PPP/RNBQKBNR w KQkq d6",
                          "8/8/8/8/3pP3/8/8/k6K b - e3", "4k2r/8/8/8/8/8/8/R3K3 b Qk -"}) {
    BoardRecord board = BoardFrom(fen);
    EXPECT_EQ(ChessBoard2Fen(board), fen);
  }
}

TEST(Fen, SetsSquaresSideAndHistory) {
  BoardRecord board = BoardFrom("4k3/8/8/8/3pP3/8/8/4K2R b K e3 12 40");
  EXPECT_EQ(board.Side, 1);
  EXPECT_EQ(board.HistoryDepth, 1);
  EXPECT_EQ(board.History[0], 1 * 65536 + 8 * 1048576);
  EXPECT_EQ(board.Squares[Sq("e1")], 8);
  EXPECT_EQ(board.Squares[Sq("h1")], 10);
  EXPECT_EQ(board.Squares[Sq("d4")], 21);
  EXPECT_EQ(board.Squares[Sq("e8")], 16);
  int pieces = 0;
  for (const uint8_t content : board.Squares) pieces += content != 0;
  EXPECT_EQ(pieces, 5);
}

TEST(Fen, AcceptedVariations) {
  const std::pair<const char*, const char*> cases[] = {
      {"4k3/8/8/8/8/8/8/4K3 w", "4k3/8/8/8/8/8/8/4K3 w - -"},
      {"4k3/8/8/8/8/8/8/4K3 b -", "4k3/8/8/8/8/8/8/4K3 b - -"},
      {"  4k3/8/8/8/8/8/8/4K3\tw  -  -  0  1 \r\n", "4k3/8/8/8/8/8/8/4K3 w - -"},
      {"4k3/8/8/8/8/8/8/4K3 w - - bm Kd2; id \"x\";", "4k3/8/8/8/8/8/8/4K3 w - -"},
      {"4k3/8/8/8/8/8/8/4K3 w - - x y", "4k3/8/8/8/8/8/8/4K3 w - -"},
      {"4k3/8/8/8/8/8/8/22K111 w - -", "4k3/8/8/8/8/8/8/4K3 w - -"},
      // Rights and en-passant squares that the placement contradicts go.
      {"r3k2r/8/8/8/8/8/8/4K3 w KQkq -", "r3k2r/8/8/8/8/8/8/4K3 w kq -"},
      {"r3k2r/8/8/8/8/8/8/R3K2R w qkQK -", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq -"},
      {"4k3/8/8/8/8/8/8/R2K3R w KQ -", "4k3/8/8/8/8/8/8/R2K3R w - -"},
      {"rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq e6",
       "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -"},
      {"4k3/8/8/3pP3/8/8/8/4K3 w - d3", "4k3/8/8/3pP3/8/8/8/4K3 w - -"},
      {"4k3/8/8/3pP3/8/8/8/4K3 b - d6", "4k3/8/8/3pP3/8/8/8/4K3 b - -"},
      {"4k3/3p4/8/3pP3/8/8/8/4K3 w - d6", "4k3/3p4/8/3pP3/8/8/8/4K3 w - -"},
  };
  for (const auto& [input, expected] : cases) {
    BoardRecord board{};
    EXPECT_TRUE(ChessFen2Board(board, input)) << input;
    EXPECT_EQ(ChessBoard2Fen(board), expected) << input;
  }
}

// Every failure leaves exactly the zero-initialised record: an empty
// board, White to move, one history level.
TEST(Fen, MalformedTextLeavesAnEmptyBoard) {
  const std::string standard = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR";
  const std::string cases[] = {
      "",
      "   ",
      standard,                // no side to move
      standard + " x KQkq -",  // unknown side
      standard + " W KQkq -",
      standard + " w KQkqK -",  // five castling letters
      standard + " w KA -",     // unknown castling letter
      standard + " w KQkq e9",  // no such square
      standard + " w KQkq i3",
      standard + " w KQkq e",
      "rnbqkbnr/pppppppp/8/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -",  // nine ranks
      "rnbqkbnr/pppppppp/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -",      // seven ranks
      "rnbqkbnrr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -",   // nine squares
      "rnbqkbn/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -",     // seven squares
      "rnbqkbnr/pppppppp/9/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -",    // digit 9
      "rnbqkbnr/pppppppp/08/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -",   // digit 0
      "rnbqkbnr/ppppXppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -",    // unknown letter
      standard + "/ w KQkq -",                                   // trailing slash
      "rnbqkbnr/pppppppp//8/8/8/PPPPPPPP/RNBQKBNR w KQkq -",     // empty rank
      "rnbq1bnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -",    // no black king
      "8/8/8/8/8/8/8/8 w - -",                                   // no kings
      "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKKNR w KQkq -",    // two white kings
      "rnbqkbnP/pppppppp/8/8/8/8/PPPPPPP1/RNBQKBNR w KQkq -",    // pawn on the eighth rank
      "4k3/8/8/8/8/8/8/p3K3 w - -",                              // pawn on the first rank
      "4k3/4R3/8/8/8/8/8/4K3 w - -",                             // side not to move in check
      std::string("rnbqkbnr/pppp\0ppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -", 52),
      std::string(kStandardFen) + std::string(" 0 1\0", 5),
      standard + " w KQkq - \x01",
      std::string(1 << 20, '/'),
      std::string(1 << 20, 'p') + " w - -",
      std::string(1 << 20, '1'),
      std::string(1 << 20, ' '),
      "\xEF\xBB\xBF" + std::string(kStandardFen),  // byte order mark
  };
  for (const std::string& fen : cases) {
    BoardRecord board = BoardFrom(kStandardFen);
    Play(board, "e4 e5");
    EXPECT_FALSE(ChessFen2Board(board, fen)) << fen.substr(0, 80);
    EXPECT_TRUE(SameRecord(board, BoardRecord{})) << fen.substr(0, 80);
    EXPECT_EQ(ChessBoard2Fen(board), "8/8/8/8/8/8/8/8 w - -");
    EXPECT_EQ(ChessGenMoves(board), 0);
  }
}

TEST(Fen, LongTextAfterAValidFenIsIgnored) {
  BoardRecord board{};
  EXPECT_TRUE(
      ChessFen2Board(board, std::string(kStandardFen) + " 0 1 " + std::string(1 << 20, 'x')));
  EXPECT_EQ(ChessBoard2Fen(board), kStandardFen);
}

TEST(Edit, EditsMakeANewStartPosition) {
  BoardRecord board = BoardFrom(kStandardFen);
  Play(board, "e4 e5");
  ChessDelPiece(board, Sq("g1"), 12);
  EXPECT_EQ(board.HistoryDepth, 1);
  EXPECT_EQ(ChessUndoMove(board), 0);
  EXPECT_EQ(ChessBoard2Fen(board), "rnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKB1R w KQkq e6");
  ChessAddPiece(board, Sq("e4"), 20);  // replaces the pawn
  EXPECT_EQ(board.Squares[Sq("e4")], 20);
  // The en-passant column stays set but acts only while a capture fits.
  ChessChangeSide(board);
  EXPECT_EQ(board.Side, 1);
  EXPECT_EQ(ChessBoard2Fen(board), "rnbqkbnr/pppp1ppp/8/4p3/4n3/8/PPPP1PPP/RNBQKB1R b KQkq -");
  ChessClearBoard(board);
  EXPECT_EQ(ChessBoard2Fen(board), "8/8/8/8/8/8/8/8 b - -");
}

TEST(Edit, BadArgumentsChangeNothing) {
  BoardRecord board = BoardFrom(kStandardFen);
  Play(board, "e4");
  const BoardRecord before = board;
  ChessAddPiece(board, 0, 8);  // off the board
  ChessAddPiece(board, 128, 8);
  ChessAddPiece(board, -20, 8);
  ChessAddPiece(board, Sq("e4"), 14);  // no such piece
  ChessAddPiece(board, Sq("e4"), 7);
  ChessAddPiece(board, Sq("e4"), 255);
  ChessDelPiece(board, Sq("e4"), 12);  // another piece stands there
  ChessDelPiece(board, Sq("e5"), 0);   // empty square
  ChessDelPiece(board, 1000, 13);
  EXPECT_TRUE(SameRecord(board, before));
}

TEST(Edit, CastlingAndEnPassantActOnlyWhereThePlacementAllows) {
  BoardRecord board{};
  ChessAddPiece(board, Sq("e1"), 8);
  ChessAddPiece(board, Sq("e8"), 16);
  ChessSetIrrev(board, 15, 0);
  EXPECT_EQ(MoveCastling(board.History[0]), 15);  // kept as set
  EXPECT_EQ(ChessBoard2Fen(board), "4k3/8/8/8/8/8/8/4K3 w - -");
  ChessAddPiece(board, Sq("h1"), 10);
  EXPECT_EQ(ChessBoard2Fen(board), "4k3/8/8/8/8/8/8/4K2R w K -");
  EXPECT_NE(ChessAlg2Move(board, "O-O"), 0);
  ChessDelPiece(board, Sq("h1"), 10);
  ChessAddPiece(board, Sq("h1"), 18);  // a black rook is no rook to castle with
  EXPECT_EQ(ChessBoard2Fen(board), "4k3/8/8/8/8/8/8/4K2r w - -");

  ChessClearBoard(board);
  ChessAddPiece(board, Sq("e1"), 8);
  ChessAddPiece(board, Sq("e8"), 16);
  ChessAddPiece(board, Sq("d5"), 21);
  ChessAddPiece(board, Sq("e5"), 13);
  ChessSetIrrev(board, 0, 7);  // d-file
  EXPECT_EQ(ChessBoard2Fen(board), "4k3/8/8/3pP3/8/8/8/4K3 w - d6");
  EXPECT_EQ(ChessAlg2Move(board, "exd6"), ChessCoord2Move("e5d6"));
  ChessChangeSide(board);
  EXPECT_EQ(ChessBoard2Fen(board), "4k3/8/8/3pP3/8/8/8/4K3 b - -");
  ChessSetIrrev(board, 0, 12);  // no such column
  EXPECT_EQ(MoveEnPassant(board.History[0]), 0);
}

// Only the position editor can set these up. A side without exactly one
// king has no moves; a king in check on the side not to move is never
// taken.
TEST(OddPositions, NoKingMeansNoMoves) {
  BoardRecord board{};
  ChessAddPiece(board, Sq("a1"), 10);
  ChessAddPiece(board, Sq("e8"), 16);
  EXPECT_EQ(ChessGenMoves(board), 0);
  EXPECT_EQ(ChessAlg2Move(board, "Ra2"), 0);
  int flags = 0;
  EXPECT_FALSE(ChessTryMove(board, flags, ChessCoord2Move("a1a2")));
  EXPECT_EQ(flags, kFlagOwnPiece);
  EXPECT_EQ(ChessPerft(board, 3), 0u);
  ChessAddPiece(board, Sq("e1"), 8);
  ChessAddPiece(board, Sq("h1"), 8);  // a second white king
  EXPECT_EQ(ChessGenMoves(board), 0);
  ChessDelPiece(board, Sq("h1"), 8);
  EXPECT_EQ(ChessGenMoves(board), 5 + 10);
}

TEST(OddPositions, TheKingInCheckOfTheSideNotToMoveIsNeverTaken) {
  BoardRecord board{};
  ChessAddPiece(board, Sq("e1"), 8);
  ChessAddPiece(board, Sq("e8"), 16);
  ChessAddPiece(board, Sq("e4"), 10);
  EXPECT_EQ(ChessAlg2Move(board, "Rxe8"), 0);
  int flags = 0;
  EXPECT_FALSE(ChessTryMove(board, flags, ChessCoord2Move("e4e8")));
  EXPECT_EQ(ChessGenMoves(board), 5 + 12);  // the rook's moves without Rxe8
  EXPECT_TRUE(ChessTryMove(board, flags, ChessCoord2Move("e4a4")));
}

TEST(OddPositions, ScribbledRecordFieldsAreHarmless) {
  BoardRecord board = BoardFrom(kStandardFen);
  board.HistoryDepth = 0;
  EXPECT_EQ(ChessGenMoves(board), 20);
  EXPECT_EQ(ChessUndoMove(board), 0);
  board.HistoryDepth = 5000;
  EXPECT_EQ(ChessGenMoves(board), 20);
  board.HistoryDepth = -7;
  board.Side = 42;
  board.History[0] = -1;
  EXPECT_EQ(ChessGenMoves(board), 20);
  int flags = 0;
  EXPECT_TRUE(ChessTryMove(board, flags, ChessCoord2Move("e2e4")));
  EXPECT_EQ(board.HistoryDepth, 2);
}

}  // namespace

// Moves on the board record: history entries, result flags, taking moves
// back, and the refusals.
#include "test_util.h"

namespace {

static_assert(sizeof(BoardRecord) ==
                  4 + 4 + 128 + 4 * kHistorySize + 8 * 8 + (8 + 2 + 2 + 1) * kHistorySize,
              "no padding, so records compare byte for byte");

constexpr const char* kCastlingFen = "r3k2r/pppppppp/8/8/8/8/PPPPPPPP/R3K2R w KQkq -";

// Makes the move, takes it back, and checks that every part of the record
// is as before; returns the flags of the move.
int TryAndUndo(BoardRecord& board, std::string_view text) {
  const BoardRecord before = board;
  const std::string fen = ChessBoard2Fen(board);
  const int32_t move = ChessAlg2Move(board, text);
  int flags = 0;
  EXPECT_TRUE(ChessTryMove(board, flags, move)) << text;
  EXPECT_EQ(board.HistoryDepth, before.HistoryDepth + 1);
  EXPECT_EQ(ChessUndoMove(board), flags);
  EXPECT_EQ(std::memcmp(board.Squares, before.Squares, sizeof board.Squares), 0) << text;
  EXPECT_EQ(board.Side, before.Side);
  EXPECT_EQ(board.HistoryDepth, before.HistoryDepth);
  EXPECT_EQ(std::memcmp(board.History, before.History, sizeof board.History), 0) << text;
  EXPECT_EQ(ChessBoard2Fen(board), fen);
  EXPECT_TRUE(SameRecord(board, before)) << text;
  return flags;
}

TEST(Undo, CastlingOnAllFourSidesRestoresTheRecord) {
  BoardRecord board = BoardFrom(kCastlingFen);
  EXPECT_EQ(TryAndUndo(board, "O-O"), kFlagCastling);
  EXPECT_EQ(TryAndUndo(board, "O-O-O"), kFlagCastling);
  Play(board, "a3");
  EXPECT_EQ(TryAndUndo(board, "O-O"), kFlagCastling);
  EXPECT_EQ(TryAndUndo(board, "O-O-O"), kFlagCastling);
}

TEST(Undo, CastlingMovesTheRookAndDropsBothRights) {
  BoardRecord board = BoardFrom(kCastlingFen);
  Play(board, "O-O O-O-O");
  EXPECT_EQ(ChessBoard2Fen(board), "2kr3r/pppppppp/8/8/8/8/PPPPPPPP/R4RK1 w - -");
}

TEST(Undo, EnPassantRestoresTheCapturedPawn) {
  BoardRecord board = BoardFrom("rnbqkbnr/ppp1pppp/8/8/3p4/8/PPPPPPPP/RNBQKBNR w KQkq -");
  Play(board, "e4");
  EXPECT_EQ(ChessBoard2Fen(board), "rnbqkbnr/ppp1pppp/8/8/3pP3/8/PPPP1PPP/RNBQKBNR b KQkq e3");
  EXPECT_EQ(TryAndUndo(board, "dxe3"), kFlagCapture | kFlagEnPassant);
  int flags = Play(board, "dxe3");
  EXPECT_EQ(flags, kFlagCapture | kFlagEnPassant);
  EXPECT_EQ(board.Squares[Sq("e4")], 0);
  EXPECT_EQ(board.Squares[Sq("e3")], 16 + 5);
  EXPECT_EQ(ChessUndoMove(board), kFlagCapture | kFlagEnPassant);
  EXPECT_EQ(board.Squares[Sq("e4")], 8 + 5);
}

TEST(Undo, PromotionToEachPieceRestoresThePawn) {
  BoardRecord board = BoardFrom("1n2k3/P6p/8/8/8/8/7P/4K3 w - -");
  for (const char* move : {"a8=Q", "a8=R", "a8=B", "a8=N"}) {
    EXPECT_EQ(TryAndUndo(board, move), kFlagPromotion) << move;
  }
  for (const char* move : {"axb8=Q", "axb8=R", "axb8=B", "axb8=N"}) {
    EXPECT_EQ(TryAndUndo(board, move) & ~kFlagCheck, kFlagPromotion | kFlagCapture) << move;
  }
  const int contents[] = {9, 10, 11, 12};
  for (int promotion = 0; promotion < 4; ++promotion) {
    int flags = 0;
    ASSERT_TRUE(ChessTryMove(board, flags, MakeMove(Sq("a7"), Sq("b8"), promotion)));
    EXPECT_EQ(board.Squares[Sq("b8")], contents[promotion]);
    ChessUndoMove(board);
  }
}

TEST(Undo, NothingToTakeBackReturnsZero) {
  BoardRecord board = BoardFrom(kStandardFen);
  const BoardRecord before = board;
  EXPECT_EQ(ChessUndoMove(board), 0);
  EXPECT_TRUE(SameRecord(board, before));
}

TEST(History, EntriesHoldMoveCastlingAndEnPassant) {
  BoardRecord board = BoardFrom(kStandardFen);
  EXPECT_EQ(board.HistoryDepth, 1);
  EXPECT_EQ(board.History[0], 15 * 65536);
  Play(board, "e4 Nf6 Ke2");
  EXPECT_EQ(board.HistoryDepth, 4);
  EXPECT_EQ(board.History[1], MakeMove(Sq("e2"), Sq("e4")) + 15 * 65536 + 8 * 1048576);
  EXPECT_EQ(board.History[2], MakeMove(Sq("g8"), Sq("f6")) + 15 * 65536);
  EXPECT_EQ(board.History[3], MakeMove(Sq("e1"), Sq("e2")) + 12 * 65536);
  EXPECT_EQ(board.History[4], 0);
}

TEST(History, RookCaptureRemovesTheRight) {
  BoardRecord board = BoardFrom("r3k2r/8/8/8/8/8/8/R3K2R w KQkq -");
  Play(board, "Rxa8+");
  EXPECT_EQ(MoveCastling(board.History[1]), 1 + 4);
  EXPECT_EQ(ChessBoard2Fen(board), "R3k2r/8/8/8/8/8/8/4K2R b Kk -");
}

TEST(History, ReplayingEntriesIgnoresTheirStateFields) {
  BoardRecord board = BoardFrom(kStandardFen);
  Play(board, "e4 c5 Nf3");
  const BoardRecord played = board;
  BoardRecord replay = BoardFrom(kStandardFen);
  for (int level = 1; level < played.HistoryDepth; ++level) {
    int flags = 0;
    ASSERT_TRUE(ChessTryMove(replay, flags, played.History[level]));
  }
  EXPECT_TRUE(SameRecord(replay, played));
}

TEST(History, FullHistoryRefusesFurtherMoves) {
  BoardRecord board = BoardFrom(kStandardFen);
  const char* cycle[] = {"Nf3", "Nf6", "Ng1", "Ng8"};
  for (int ply = 0; ply < kHistorySize - 1; ++ply) {
    int flags = 0;
    ASSERT_TRUE(ChessTryMove(board, flags, ChessAlg2Move(board, cycle[ply % 4]))) << ply;
  }
  EXPECT_EQ(board.HistoryDepth, kHistorySize);
  const BoardRecord full = board;
  int flags = 0;
  EXPECT_FALSE(ChessTryMove(board, flags, ChessAlg2Move(board, "Nc6")));
  EXPECT_EQ(flags, kFlagOwnPiece);
  EXPECT_TRUE(SameRecord(board, full));
  ChessUndoMove(board);
  EXPECT_EQ(board.HistoryDepth, kHistorySize - 1);
}

TEST(Flags, CaptureCheckAndQuietMove) {
  BoardRecord board = BoardFrom(kStandardFen);
  EXPECT_EQ(Play(board, "e4"), 0);
  EXPECT_EQ(Play(board, "d5"), 0);
  EXPECT_EQ(Play(board, "exd5"), kFlagCapture);
  EXPECT_EQ(Play(board, "Qxd5"), kFlagCapture);
  EXPECT_EQ(Play(board, "Bb5"), kFlagCheck);
}

TEST(Flags, CheckmateAndStalemate) {
  BoardRecord board = BoardFrom(kStandardFen);
  EXPECT_EQ(Play(board, "f3 e5 g4 Qh4"), kFlagCheck | kFlagNoMoves);
  EXPECT_EQ(ChessGenMoves(board), 0);

  BoardRecord stalemate = BoardFrom("k7/8/8/2Q5/8/8/8/7K w - -");
  EXPECT_EQ(Play(stalemate, "Qb6"), kFlagNoMoves);
  EXPECT_EQ(ChessGenMoves(stalemate), 0);
}

TEST(Flags, CaptureGivingMate) {
  BoardRecord board = BoardFrom("3r2k1/5ppp/8/8/8/8/8/3R2K1 w - -");
  EXPECT_EQ(Play(board, "Rxd8"), kFlagCapture | kFlagCheck | kFlagNoMoves);
}

// kFlagOwnPiece marks refusals of a move that starts on a piece of the
// side to move; a move from an empty square or an opponent's piece is
// refused silently.
TEST(Refusals, OwnPieceFlagOnlyForOwnPieces) {
  BoardRecord board = BoardFrom(kStandardFen);
  const BoardRecord before = board;
  int flags = -1;
  EXPECT_FALSE(ChessTryMove(board, flags, MakeMove(Sq("e2"), Sq("e5"))));
  EXPECT_EQ(flags, kFlagOwnPiece);
  EXPECT_FALSE(ChessTryMove(board, flags, MakeMove(Sq("g1"), Sq("g3"))));
  EXPECT_EQ(flags, kFlagOwnPiece);
  EXPECT_FALSE(ChessTryMove(board, flags, MakeMove(Sq("e7"), Sq("e5"))));
  EXPECT_EQ(flags, 0);
  EXPECT_FALSE(ChessTryMove(board, flags, MakeMove(Sq("e4"), Sq("e5"))));
  EXPECT_EQ(flags, 0);
  EXPECT_FALSE(ChessTryMove(board, flags, 0));
  EXPECT_EQ(flags, 0);
  EXPECT_FALSE(ChessTryMove(board, flags, -5));
  EXPECT_EQ(flags, 0);
  EXPECT_FALSE(ChessTryMove(board, flags, MakeMove(Sq("e2"), 0)));
  EXPECT_EQ(flags, kFlagOwnPiece);
  EXPECT_TRUE(SameRecord(board, before));
}

TEST(Refusals, PinnedPieceAndKingIntoCheck) {
  BoardRecord board = BoardFrom("4k3/4r3/8/8/8/7n/4N3/4K3 w - -");
  int flags = 0;
  EXPECT_FALSE(ChessTryMove(board, flags, MakeMove(Sq("e2"), Sq("c3"))));
  EXPECT_EQ(flags, kFlagOwnPiece);
  EXPECT_FALSE(ChessTryMove(board, flags, MakeMove(Sq("e1"), Sq("f2"))));
  EXPECT_EQ(flags, kFlagOwnPiece);
  EXPECT_TRUE(ChessTryMove(board, flags, MakeMove(Sq("e1"), Sq("d2"))));
}

TEST(Refusals, PromotionFieldOnlyOnPromotions) {
  BoardRecord board = BoardFrom(kStandardFen);
  int flags = 0;
  EXPECT_FALSE(ChessTryMove(board, flags, MakeMove(Sq("e2"), Sq("e4"), 1)));
  EXPECT_EQ(flags, kFlagOwnPiece);
  EXPECT_TRUE(ChessTryMove(board, flags, MakeMove(Sq("e2"), Sq("e4"))));
}

TEST(Refusals, CastlingRules) {
  // Through an attacked square, out of check, into check, and blocked.
  BoardRecord board = BoardFrom("r3k2r/8/8/8/8/8/5r2/R3K2R w KQkq -");
  EXPECT_EQ(ChessAlg2Move(board, "O-O"), 0);
  EXPECT_NE(ChessAlg2Move(board, "O-O-O"), 0);
  board = BoardFrom("r3k2r/8/8/8/8/8/4r3/R3K2R w KQkq -");
  EXPECT_EQ(ChessAlg2Move(board, "O-O"), 0);
  EXPECT_EQ(ChessAlg2Move(board, "O-O-O"), 0);
  board = BoardFrom("r3k2r/8/8/8/8/8/6r1/R3K2R w KQkq -");
  EXPECT_EQ(ChessAlg2Move(board, "O-O"), 0);
  board = BoardFrom("r3k2r/8/8/8/8/8/8/RN2K2R w KQkq -");
  EXPECT_EQ(ChessAlg2Move(board, "O-O-O"), 0);
  // b1 may be attacked on the queen side: only the king's path counts.
  board = BoardFrom("r3k2r/8/8/8/8/8/1r6/R3K2R w KQkq -");
  EXPECT_NE(ChessAlg2Move(board, "O-O-O"), 0);
}

TEST(EnPassant, CaptureThatUncoversCheckIsRefused) {
  BoardRecord board = BoardFrom("8/2p5/8/KP5r/8/8/8/7k b - -");
  Play(board, "c5");
  EXPECT_EQ(ChessAlg2Move(board, "bxc6"), 0);
  int flags = 0;
  EXPECT_FALSE(ChessTryMove(board, flags, MakeMove(Sq("b5"), Sq("c6"))));
  EXPECT_EQ(ChessGenMoves(board), 4);  // Ka4, Ka6, Kb6 and b6
}

TEST(EnPassant, CaptureThatRemovesTheCheckingPawn) {
  BoardRecord board = BoardFrom("8/8/8/5k2/3p4/8/4P3/4K3 w - -");
  EXPECT_EQ(Play(board, "e4"), kFlagCheck);
  EXPECT_NE(ChessAlg2Move(board, "dxe3"), 0);
}

TEST(EnPassant, OnlyRightAfterTheDoubleStep) {
  BoardRecord board = BoardFrom("4k3/8/8/8/3p4/8/4P3/4K3 w - -");
  Play(board, "e4 Kd7 Kd2");
  EXPECT_EQ(ChessAlg2Move(board, "dxe3"), 0);
}

}  // namespace

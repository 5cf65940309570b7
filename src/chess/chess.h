// The rules library: board record, move codes, legality, check, mate and
// draw detection, algebraic notation, FEN and the opening table.
//
// Plain C++20, no Qt. The encodings below are the program's public surface:
// every caller that reads squares or builds moves relies on them.
//
//   square      row * 16 + column; row 0 is rank 8, row 7 is rank 1;
//               columns 4..11 are files a..h, the other columns are off board.
//   content     0 empty, 8 + t White piece, 16 + t Black piece, where t is
//               0 king, 1 queen, 2 rook, 3 bishop, 4 knight, 5 pawn.
//   move code   from + to * 128 + promotion * 16384 + castling * 65536
//               + en-passant * 1048576; promotion 0 queen (or none),
//               1 rook, 2 bishop, 3 knight. 0 means "no move".
//   history     entries have the move-code layout; their castling (1 White
//               kingside, 2 White queenside, 4 Black kingside, 8 Black
//               queenside) and en-passant column (4..11, 0 none) fields
//               describe the position at that level.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

// Result flags filled by ChessTryMove.
enum ChessFlag : int {
  kFlagCapture = 0x01,
  kFlagCastling = 0x02,
  kFlagEnPassant = 0x04,
  kFlagPromotion = 0x08,
  kFlagCheck = 0x10,
  kFlagNoMoves = 0x20,  // with kFlagCheck: checkmate; without: stalemate
  kFlagRepetition = 0x40,
  kFlagFiftyMoves = 0x80,
  kFlagInsufficient = 0x100,
  kFlagOwnPiece = 0x200,  // refused move whose from-square holds a piece of the side to move
};

inline constexpr const char* kDiagramLetters = ".       KQRBNP  kqrbnp  ";
inline constexpr const char* kStandardFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq -";

inline constexpr int kHistorySize = 1024;

// The board record. Zero-initialise it (BoardRecord b{}: an empty board,
// White to move) or set it with ChessFen2Board before first use; copy it
// whole to take a snapshot. Callers read Side, HistoryDepth, Squares and
// History but change the board only through the calls below.
struct BoardRecord {
  int32_t Side = 0;          // side to move: 0 White, 1 Black
  int32_t HistoryDepth = 1;  // entries of History in use (1..1024); current is HistoryDepth - 1
  uint8_t Squares[128] = {};
  // History[0] describes the position the board was set to (move part 0);
  // each move made pushes the move's code plus the castling rights and
  // en-passant column of the position after it. Entries from HistoryDepth
  // on are zero.
  int32_t History[kHistorySize] = {};

  // Library-private state: callers never read or write it. The bitboards
  // agree with Squares after every call; the arrays hold one entry per
  // history level and are zero from HistoryDepth on.
  uint64_t ByType[6] = {};            // squares of each piece type (bit rank * 8 + file, a1 = 0)
  uint64_t ByColour[2] = {};          // squares of each side's pieces
  uint64_t Keys[kHistorySize] = {};   // position key at each level (repetition)
  uint16_t Clock[kHistorySize] = {};  // halfmove clock at each level
  uint16_t MoveFlags[kHistorySize] = {};  // result flags of the move that reached the level
  uint8_t Captured[kHistorySize] = {};    // content byte that move took, 0 for none
};

// Once at start-up, before any other call. Safe to call more than once.
void ChessInit();

// Sets the board from a FEN. Placement and side to move are required;
// castling rights, en-passant square and halfmove clock are read when
// present (fields may be separated by any run of spaces or tabs; the
// full-move number and anything after it are ignored). Castling rights and
// an en-passant square that the placement contradicts are dropped. The
// board gets a fresh history: repetition and the fifty-move rule count
// from this position on.
// Text that is no FEN of a possible position leaves an empty board with
// White to move (exactly a zero-initialised record) and returns false: a
// malformed field, a control character anywhere (NUL included), not
// exactly one king per side, a pawn on the first or last rank, or the
// side not to move in check. It never reads out of bounds.
bool ChessFen2Board(BoardRecord& board, std::string_view fen);

// The first four FEN fields of the board.
std::string ChessBoard2Fen(const BoardRecord& board);

// Makes the move when it is legal: returns true, fills flags and pushes a
// history entry. Only the from, to and promotion fields of move are read;
// a promotion field on a move that is no promotion is refused. When the
// move is refused (also when the history is full, after 1023 moves),
// returns false, leaves the board unchanged and sets flags to
// kFlagOwnPiece when the from-square holds a piece of the side to move (so
// a wrong click can be heard), else to 0.
// The draw flags describe the position after the move: kFlagRepetition
// when it stood twice before since the board was set (same placement,
// side to move and castling rights, and the en-passant file only when an
// en-passant capture is possible); kFlagFiftyMoves when the halfmove clock
// (from the FEN, then counted) reaches 100, unless the move mates;
// kFlagInsufficient when neither side has a pawn, rook or queen and either
// at most one knight or bishop is left or all pieces besides the kings are
// bishops on squares of one colour.
bool ChessTryMove(BoardRecord& board, int& flags, int32_t move);

// Takes back the last move made by ChessTryMove and returns its flags
// (0 when there is nothing to take back).
int ChessUndoMove(BoardRecord& board);

// Standard algebraic notation of a legal move in the board's position,
// without "+" or "#". For a move the board refuses, its coordinate text
// (ChessMove2Coord).
std::string ChessMove2Alg(const BoardRecord& board, int32_t move);

// Clean move code (from, to, promotion) of the legal move the text names,
// 0 when it names none or more than one. Accepts SAN with trailing "+",
// "#", "!" and "?" glyphs, castling with O or 0, promotions with or
// without "=", lower-case piece letters other than b, long algebraic and
// coordinate text (Ng1-f3, Ng1f3, e2-e4, e4xd5, e2e4, e7e8q). An "x"
// requires a capture; a pawn reaching the last rank needs its piece.
int32_t ChessAlg2Move(const BoardRecord& board, std::string_view text);

// Number of legal moves in the position.
//
// Positions only the editor can set up: when a side has not exactly one
// king, no move is legal (ChessGenMoves and ChessPerft give 0, every move
// is refused); when the side not to move is in check, the side to move has
// its ordinary moves, but the king is never taken.
int ChessGenMoves(const BoardRecord& board);

// Board editing, used by the position editor. Each edit makes the edited
// position the board's new start: the history shrinks to one level (no
// move can be taken back across an edit) and the halfmove clock restarts.
// The castling rights and en-passant column of the history entry are kept
// as set, and act only while the placement allows them (king and rook on
// their squares; a pawn that can just have made its double step).
void ChessClearBoard(BoardRecord& board);  // keeps the side to move
// Puts the piece on the square, replacing what stood there; a square off
// the board or a content that is no piece changes nothing.
void ChessAddPiece(BoardRecord& board, int square, int content);
// Removes the piece when the square holds that content, else does nothing.
void ChessDelPiece(BoardRecord& board, int square, int content);
void ChessChangeSide(BoardRecord& board);
// castling: bits 1, 2, 4, 8; epColumn: 4..11, any other value means none.
void ChessSetIrrev(BoardRecord& board, int castling, int epColumn);

// Leaf count of the legal move tree to the given depth (perft); 1 for a
// depth of 0 or less.
uint64_t ChessPerft(BoardRecord& board, int depth);

// Coordinate text of a move ("e2e4", "e7e8q"): the promotion letter is
// added when the piece on the from-square of the board is a pawn reaching
// the last rank ("q" for promotion field 0); "" when from or to is no
// board square.
std::string ChessMove2Coord(const BoardRecord& board, int32_t move);

// Reads coordinate text: at least four characters, file rank file rank, and
// an optional fifth "r", "b" or "n"; anything else in fifth place means
// queen or no promotion. Returns 0 when the text is not a coordinate move.
int32_t ChessCoord2Move(std::string_view text);

// Move code helpers.
constexpr int32_t MakeMove(int from, int to, int promotion = 0) {
  return from + to * 128 + promotion * 16384;
}
constexpr int MoveFrom(int32_t move) {
  return move % 128;
}
constexpr int MoveTo(int32_t move) {
  return (move / 128) % 128;
}
constexpr int MovePromotion(int32_t move) {
  return (move / 16384) % 4;
}
constexpr int MoveCastling(int32_t move) {
  return (move / 65536) % 16;
}
constexpr int MoveEnPassant(int32_t move) {
  return (move / 1048576) % 16;
}

constexpr bool IsBoardSquare(int square) {
  return square >= 0 && square < 128 && (square % 16) >= 4 && (square % 16) <= 11;
}
constexpr char FileLetter(int square) {
  return static_cast<char>('a' + square % 16 - 4);
}
constexpr char RankDigit(int square) {
  return static_cast<char>('8' - square / 16);
}
constexpr int SquareAt(int column, int row) {
  return row * 16 + column;
}
constexpr int MirrorSquare(int square) {
  return 127 - square;
}

// The opening table: loaded once at start-up, searched by the game record,
// owned by the application object.
struct EcoTable {
  // position key -> "ECO|Opening|Variation|Subvariation"
  std::unordered_map<uint64_t, std::string> byPosition;
};

// Reads the table file (capacity is a hint of the number of entries; the
// format is described in eco.cpp). Lines that cannot be read are skipped;
// returns false and leaves the table empty when the file cannot be read
// or holds no entry.
bool ChessLoadEco(EcoTable& table, const std::string& path, int capacity = 2048);
void ChessUnloadEco(EcoTable& table);
// The entry of the position reached by the moves (ended by the first 0 or
// by the end of the span) from the standard start, transpositions
// included; nothing when that position is not in the table or a move is
// illegal.
std::optional<std::string> ChessSearchEco(const EcoTable& table, std::span<const int32_t> moves);

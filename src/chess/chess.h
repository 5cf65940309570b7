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

// Sets the board from a FEN (placement, side, castling, en passant; the
// counters are optional). A FEN that cannot be read leaves an empty board
// with White to move and returns false; it never reads out of bounds.
bool ChessFen2Board(BoardRecord& board, std::string_view fen);

// The first four FEN fields of the board.
std::string ChessBoard2Fen(const BoardRecord& board);

// Makes the move when it is legal: returns true and fills flags. When the
// move is refused, returns false, leaves the board unchanged and sets flags
// to kFlagOwnPiece when the from-square holds a piece of the side to move
// (so a wrong click can be heard), else to 0.
bool ChessTryMove(BoardRecord& board, int& flags, int32_t move);

// Takes back the last move made by ChessTryMove and returns its flags
// (0 when there is nothing to take back).
int ChessUndoMove(BoardRecord& board);

// Standard algebraic notation of a legal move in the board's position,
// without "+" or "#". For a move the board refuses, its coordinate text.
std::string ChessMove2Alg(const BoardRecord& board, int32_t move);

// Move code of the legal move the text names, 0 when it names none or more
// than one. Accepts SAN with trailing "+", "#", "!" and "?" glyphs, castling
// with O or 0, promotions with or without "=", long algebraic and
// coordinate text (e2e4, e2-e4, e7e8q).
int32_t ChessAlg2Move(const BoardRecord& board, std::string_view text);

// Number of legal moves in the position.
int ChessGenMoves(const BoardRecord& board);

// Board editing, used by the position editor.
void ChessClearBoard(BoardRecord& board);
void ChessAddPiece(BoardRecord& board, int square, int content);
void ChessDelPiece(BoardRecord& board, int square, int content);
void ChessChangeSide(BoardRecord& board);
void ChessSetIrrev(BoardRecord& board, int castling, int epColumn);

// Leaf count of the legal move tree to the given depth (perft).
uint64_t ChessPerft(BoardRecord& board, int depth);

// Coordinate text of a move ("e2e4", "e7e8q"): the promotion letter is
// added when the piece on the from-square of the board is a pawn reaching
// the last rank ("q" for promotion field 0).
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

// Reads the table file (capacity is a hint of the number of entries);
// returns false and leaves the table empty when the file cannot be read.
bool ChessLoadEco(EcoTable& table, const std::string& path, int capacity = 2048);
void ChessUnloadEco(EcoTable& table);
// The entry of the position reached by the moves (ended by the first 0 or
// by the end of the span) from the standard start, transpositions
// included; nothing when that position is not in the table or a move is
// illegal.
std::optional<std::string> ChessSearchEco(const EcoTable& table, std::span<const int32_t> moves);

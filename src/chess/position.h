// The position as the move generator sees it (internal): bitboards, side
// to move, castling rights and en-passant square. A plain value, copied to
// try a move.
#pragma once

#include "chess/bitboard.h"

namespace chess_internal {

// Castling-right bits, as in the public history entries.
inline constexpr int kWhiteKingside = 1;
inline constexpr int kWhiteQueenside = 2;
inline constexpr int kBlackKingside = 4;
inline constexpr int kBlackQueenside = 8;

inline constexpr int kSquareA1 = 0, kSquareE1 = 4, kSquareH1 = 7;
inline constexpr int kSquareA8 = 56, kSquareE8 = 60, kSquareH8 = 63;

enum MoveKind : uint8_t { kNormal, kDoublePush, kEnPassant, kCastling };

// A move of the generator. promotion is the piece type promoted to
// (kQueen..kKnight) or 0 for none.
struct Move {  // trivial, so that move lists start uninitialised
  uint8_t from;
  uint8_t to;
  uint8_t promotion;
  uint8_t kind;
};

struct Position {
  Bitboard byType[6] = {};
  Bitboard byColour[2] = {};
  int side = kWhite;
  int castling = 0;
  int epSquare = kNoSquare;  // the square a pawn skipped with its double step

  Bitboard Occupied() const { return byColour[kWhite] | byColour[kBlack]; }
  Bitboard Pieces(int colour, int type) const { return byType[type] & byColour[colour]; }
  // Piece type on the square, -1 when it is empty.
  int TypeAt(int square) const;
  // Content byte (0, 8 + type or 16 + type) of the square.
  int ContentAt(int square) const;
  void Put(int square, int colour, int type);
  void Remove(int square);
};

inline constexpr int ContentOf(int colour, int type) {
  return (colour == kWhite ? 8 : 16) + type;
}
inline constexpr bool IsPieceContent(int content) {
  return (content >= 8 && content <= 13) || (content >= 16 && content <= 21);
}

// Exactly one king of each colour: the precondition of move generation.
bool HasBothKings(const Position& position);

// Pieces of either colour attacking the square with the given occupancy.
Bitboard AttackersTo(const Position& position, int square, Bitboard occupied);
// Pieces of the opponent giving check to the side to move.
Bitboard Checkers(const Position& position);

// Castling rights reduced to those whose king and rook stand on their
// original squares.
int PlausibleCastling(const Position& position, int rights);
// En-passant square for the column (public 4..11, 0 none) when a pawn of
// the side not to move could just have made a double step there, else
// kNoSquare.
int PlausibleEpSquare(const Position& position, int epColumn);

// Makes a move the generator produced for this position.
void PlayMove(Position& position, const Move& move);

// Neither side can mate: no pawns, rooks or queens, and either at most one
// minor piece or only bishops, all on squares of one colour.
bool InsufficientMaterial(const Position& position);

}  // namespace chess_internal

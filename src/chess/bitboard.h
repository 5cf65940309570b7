// Bitboards and attack tables of the rules library (internal).
//
// Inside the library a square is rank * 8 + file with a1 = 0 and h8 = 63;
// a bitboard has bit s set for square s. The public 128-square numbering
// (row * 16 + column, row 0 = rank 8) is converted at the boundary with
// ToBoard128 and FromBoard128.
#pragma once

#include <bit>
#include <cstdint>

namespace chess_internal {

using Bitboard = uint64_t;

inline constexpr int kNoSquare = 64;
inline constexpr int kWhite = 0;
inline constexpr int kBlack = 1;

// Piece types in the order of the content byte: content = 8 + type (White)
// or 16 + type (Black).
enum PieceType : int { kKing = 0, kQueen, kRook, kBishop, kKnight, kPawn };

inline constexpr Bitboard kFileA = 0x0101010101010101ULL;
inline constexpr Bitboard kFileH = kFileA << 7;
inline constexpr Bitboard kRank1 = 0xFFULL;
inline constexpr Bitboard kRank3 = kRank1 << 16;
inline constexpr Bitboard kRank6 = kRank1 << 40;
inline constexpr Bitboard kRank8 = kRank1 << 56;
inline constexpr Bitboard kDarkSquares = 0xAA55AA55AA55AA55ULL;

constexpr Bitboard Bit(int square) {
  return Bitboard{1} << square;
}
constexpr int FileOf(int square) {
  return square & 7;
}
constexpr int RankOf(int square) {
  return square >> 3;
}
constexpr int MakeSquare(int file, int rank) {
  return rank * 8 + file;
}
inline int Lsb(Bitboard b) {
  return std::countr_zero(b);
}
inline int PopCount(Bitboard b) {
  return std::popcount(b);
}
constexpr bool MoreThanOne(Bitboard b) {
  return (b & (b - 1)) != 0;
}
inline int PopLsb(Bitboard& b) {
  const int square = Lsb(b);
  b &= b - 1;
  return square;
}

// Conversions to and from the public square number; FromBoard128 expects
// a board square (IsBoardSquare in chess.h).
constexpr int ToBoard128(int square) {
  return (7 - RankOf(square)) * 16 + FileOf(square) + 4;
}
constexpr int FromBoard128(int square) {
  return (7 - square / 16) * 8 + (square % 16 - 4);
}

struct Magic {
  Bitboard mask;
  Bitboard magic;
  const Bitboard* attacks;
  unsigned shift;
  unsigned Index(Bitboard occupied) const {
    return static_cast<unsigned>(((occupied & mask) * magic) >> shift);
  }
};

// Filled once by InitAttackTables (called from ChessInit).
struct AttackTables {
  Magic rook[64];
  Magic bishop[64];
  Bitboard knight[64];
  Bitboard king[64];
  Bitboard pawn[2][64];      // squares a pawn of that colour on the square attacks
  Bitboard between[64][64];  // squares strictly between two aligned squares, else 0
};
extern AttackTables g_attacks;

void InitAttackTables();

inline Bitboard RookAttacks(int square, Bitboard occupied) {
  const Magic& m = g_attacks.rook[square];
  return m.attacks[m.Index(occupied)];
}
inline Bitboard BishopAttacks(int square, Bitboard occupied) {
  const Magic& m = g_attacks.bishop[square];
  return m.attacks[m.Index(occupied)];
}

}  // namespace chess_internal

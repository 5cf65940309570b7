#include "chess/position.h"

namespace chess_internal {

namespace {

// Castling rights that survive a move from or to each square.
constexpr auto kCastlingKept = [] {
  struct Table {
    int rights[64];
  } table{};
  for (int& r : table.rights) r = 15;
  table.rights[kSquareE1] = 15 & ~(kWhiteKingside | kWhiteQueenside);
  table.rights[kSquareH1] = 15 & ~kWhiteKingside;
  table.rights[kSquareA1] = 15 & ~kWhiteQueenside;
  table.rights[kSquareE8] = 15 & ~(kBlackKingside | kBlackQueenside);
  table.rights[kSquareH8] = 15 & ~kBlackKingside;
  table.rights[kSquareA8] = 15 & ~kBlackQueenside;
  return table;
}();

}  // namespace

int Position::TypeAt(int square) const {
  const Bitboard b = Bit(square);
  for (int type = kKing; type <= kPawn; ++type) {
    if (byType[type] & b) return type;
  }
  return -1;
}

int Position::ContentAt(int square) const {
  const int type = TypeAt(square);
  if (type < 0) return 0;
  return ContentOf((byColour[kWhite] & Bit(square)) ? kWhite : kBlack, type);
}

void Position::Put(int square, int colour, int type) {
  byType[type] |= Bit(square);
  byColour[colour] |= Bit(square);
}

void Position::Remove(int square) {
  const Bitboard keep = ~Bit(square);
  for (Bitboard& b : byType) b &= keep;
  for (Bitboard& b : byColour) b &= keep;
}

bool HasBothKings(const Position& position) {
  const Bitboard kings = position.byType[kKing];
  return PopCount(kings & position.byColour[kWhite]) == 1 &&
         PopCount(kings & position.byColour[kBlack]) == 1;
}

Bitboard AttackersTo(const Position& p, int square, Bitboard occupied) {
  const Bitboard queens = p.byType[kQueen];
  return (g_attacks.pawn[kBlack][square] & p.Pieces(kWhite, kPawn)) |
         (g_attacks.pawn[kWhite][square] & p.Pieces(kBlack, kPawn)) |
         (g_attacks.knight[square] & p.byType[kKnight]) |
         (g_attacks.king[square] & p.byType[kKing]) |
         (RookAttacks(square, occupied) & (p.byType[kRook] | queens)) |
         (BishopAttacks(square, occupied) & (p.byType[kBishop] | queens));
}

Bitboard Checkers(const Position& p) {
  const Bitboard king = p.Pieces(p.side, kKing);
  if (king == 0) return 0;
  return AttackersTo(p, Lsb(king), p.Occupied()) & p.byColour[p.side ^ 1];
}

int PlausibleCastling(const Position& p, int rights) {
  const auto has = [&p](int colour, int type, int square) {
    return (p.Pieces(colour, type) & Bit(square)) != 0;
  };
  int kept = 0;
  if (has(kWhite, kKing, kSquareE1)) {
    if (has(kWhite, kRook, kSquareH1)) kept |= kWhiteKingside;
    if (has(kWhite, kRook, kSquareA1)) kept |= kWhiteQueenside;
  }
  if (has(kBlack, kKing, kSquareE8)) {
    if (has(kBlack, kRook, kSquareH8)) kept |= kBlackKingside;
    if (has(kBlack, kRook, kSquareA8)) kept |= kBlackQueenside;
  }
  return rights & kept;
}

int PlausibleEpSquare(const Position& p, int epColumn) {
  if (epColumn < 4 || epColumn > 11) return kNoSquare;
  const int file = epColumn - 4;
  // The pawn of the side not to move stepped from origin over skipped to pawn.
  const int them = p.side ^ 1;
  const int skipped = MakeSquare(file, them == kWhite ? 2 : 5);
  const int pawn = them == kWhite ? skipped + 8 : skipped - 8;
  const int origin = them == kWhite ? skipped - 8 : skipped + 8;
  const Bitboard occupied = p.Occupied();
  if ((p.Pieces(them, kPawn) & Bit(pawn)) && !(occupied & (Bit(skipped) | Bit(origin)))) {
    return skipped;
  }
  return kNoSquare;
}

void PlayMove(Position& p, const Move& move) {
  const int us = p.side;
  const int them = us ^ 1;
  const int from = move.from;
  const int to = move.to;
  const int type = p.TypeAt(from);
  if (move.kind == kEnPassant) {
    const Bitboard captured = Bit(us == kWhite ? to - 8 : to + 8);
    p.byType[kPawn] ^= captured;
    p.byColour[them] ^= captured;
  } else if (p.byColour[them] & Bit(to)) {
    p.byType[p.TypeAt(to)] ^= Bit(to);
    p.byColour[them] ^= Bit(to);
  }
  const Bitboard fromTo = Bit(from) | Bit(to);
  p.byType[type] ^= fromTo;
  p.byColour[us] ^= fromTo;
  if (move.promotion != 0) {
    p.byType[kPawn] ^= Bit(to);
    p.byType[move.promotion] ^= Bit(to);
  }
  if (move.kind == kCastling) {
    const bool kingside = to > from;
    const Bitboard rook = Bit(kingside ? to + 1 : to - 2) | Bit(kingside ? to - 1 : to + 1);
    p.byType[kRook] ^= rook;
    p.byColour[us] ^= rook;
  }
  p.castling &= kCastlingKept.rights[from] & kCastlingKept.rights[to];
  p.epSquare = move.kind == kDoublePush ? (from + to) / 2 : kNoSquare;
  p.side = them;
}

bool InsufficientMaterial(const Position& p) {
  if (p.byType[kPawn] | p.byType[kRook] | p.byType[kQueen]) return false;
  const Bitboard minors = p.byType[kBishop] | p.byType[kKnight];
  if (!MoreThanOne(minors)) return true;
  const Bitboard bishops = p.byType[kBishop];
  return p.byType[kKnight] == 0 &&
         ((bishops & kDarkSquares) == 0 || (bishops & ~kDarkSquares) == 0);
}

}  // namespace chess_internal

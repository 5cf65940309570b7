// Legal move generation with check and pin masks: a move is produced only
// when it is legal, so perft counts the last ply from the size of the move
// sets (bulk counting) without making those moves.
#include "chess/movegen.h"

#include "chess/chess.h"

namespace chess_internal {

namespace {

template <int Us>
constexpr Bitboard Forward(Bitboard b) {
  return Us == kWhite ? b << 8 : b >> 8;
}
// Pawn captures towards the a-file and towards the h-file.
template <int Us>
constexpr Bitboard CaptureWest(Bitboard b) {
  return Us == kWhite ? (b & ~kFileA) << 7 : (b & ~kFileA) >> 9;
}
template <int Us>
constexpr Bitboard CaptureEast(Bitboard b) {
  return Us == kWhite ? (b & ~kFileH) << 9 : (b & ~kFileH) >> 7;
}

// Squares attacked by the given colour's pieces, with our king removed
// from the occupancy so that it cannot step back along a checking ray.
template <int Them>
Bitboard Danger(const Position& p, Bitboard occupied) {
  constexpr int kUs = Them ^ 1;
  const Bitboard pawns = p.Pieces(Them, kPawn);
  Bitboard danger = CaptureWest<Them>(pawns) | CaptureEast<Them>(pawns);
  danger |= g_attacks.king[Lsb(p.Pieces(Them, kKing))];
  for (Bitboard b = p.Pieces(Them, kKnight); b;) danger |= g_attacks.knight[PopLsb(b)];
  const Bitboard queens = p.Pieces(Them, kQueen);
  occupied ^= p.Pieces(kUs, kKing);
  for (Bitboard b = p.Pieces(Them, kRook) | queens; b;) {
    danger |= RookAttacks(PopLsb(b), occupied);
  }
  for (Bitboard b = p.Pieces(Them, kBishop) | queens; b;) {
    danger |= BishopAttacks(PopLsb(b), occupied);
  }
  return danger;
}

// The generator reports moves to a sink in sets:
//   Targets(from, targets)       one piece's ordinary moves,
//   Pawns(targets, delta, kind)  pawn moves with from = to - delta,
//   Single(from, to, kind)       one castling or en-passant move.
template <int Us, class Sink>
void Generate(const Position& p, Sink& sink) {
  constexpr int kThem = Us ^ 1;
  constexpr Bitboard kThirdRank = Us == kWhite ? kRank3 : kRank6;
  constexpr int kUp = Us == kWhite ? 8 : -8;
  const Bitboard own = p.byColour[Us];
  const Bitboard opponent = p.byColour[kThem];
  const Bitboard occupied = own | opponent;
  const Bitboard theirQueens = p.Pieces(kThem, kQueen);
  const Bitboard theirStraight = p.Pieces(kThem, kRook) | theirQueens;
  const Bitboard theirDiagonal = p.Pieces(kThem, kBishop) | theirQueens;
  const int king = Lsb(p.Pieces(Us, kKing));
  // Kings are never captured.
  const Bitboard notOwn = ~own & ~p.Pieces(kThem, kKing);

  const Bitboard checkers = (g_attacks.knight[king] & p.Pieces(kThem, kKnight)) |
                            (g_attacks.pawn[Us][king] & p.Pieces(kThem, kPawn)) |
                            (RookAttacks(king, occupied) & theirStraight) |
                            (BishopAttacks(king, occupied) & theirDiagonal);
  const Bitboard danger = Danger<kThem>(p, occupied);
  sink.Targets(king, g_attacks.king[king] & notOwn & ~danger);
  if (MoreThanOne(checkers)) return;

  const Bitboard checkMask =
      checkers ? (g_attacks.between[king][Lsb(checkers)] | checkers) : ~Bitboard{0};
  const Bitboard movable = notOwn & checkMask;

  // Pin rays: from the king to a pinning slider, the slider included.
  Bitboard pinStraight = 0;
  Bitboard pinDiagonal = 0;
  for (Bitboard s = RookAttacks(king, opponent) & theirStraight; s;) {
    const int slider = PopLsb(s);
    const Bitboard ray = g_attacks.between[king][slider];
    if (PopCount(ray & own) == 1) pinStraight |= ray | Bit(slider);
  }
  for (Bitboard s = BishopAttacks(king, opponent) & theirDiagonal; s;) {
    const int slider = PopLsb(s);
    const Bitboard ray = g_attacks.between[king][slider];
    if (PopCount(ray & own) == 1) pinDiagonal |= ray | Bit(slider);
  }
  const Bitboard pinned = pinStraight | pinDiagonal;

  for (Bitboard b = p.Pieces(Us, kKnight) & ~pinned; b;) {
    const int from = PopLsb(b);
    sink.Targets(from, g_attacks.knight[from] & movable);
  }
  const Bitboard queens = p.Pieces(Us, kQueen);
  for (Bitboard b = (p.Pieces(Us, kBishop) | queens) & ~pinStraight; b;) {
    const int from = PopLsb(b);
    Bitboard targets = BishopAttacks(from, occupied) & movable;
    if (pinDiagonal & Bit(from)) targets &= pinDiagonal;
    sink.Targets(from, targets);
  }
  for (Bitboard b = (p.Pieces(Us, kRook) | queens) & ~pinDiagonal; b;) {
    const int from = PopLsb(b);
    Bitboard targets = RookAttacks(from, occupied) & movable;
    if (pinStraight & Bit(from)) targets &= pinStraight;
    sink.Targets(from, targets);
  }

  // Pawns. A pawn pinned along a file may still advance on it; one pinned
  // along a diagonal may capture only along that diagonal.
  const Bitboard pawns = p.Pieces(Us, kPawn);
  const Bitboard pushers = pawns & ~pinDiagonal;
  const Bitboard single =
      (Forward<Us>(pushers & ~pinStraight) | (Forward<Us>(pushers & pinStraight) & pinStraight)) &
      ~occupied;
  const Bitboard twice = Forward<Us>(single & kThirdRank) & ~occupied & checkMask;
  sink.Pawns(single & checkMask, kUp, kNormal);
  sink.Pawns(twice, 2 * kUp, kDoublePush);
  const Bitboard takers = pawns & ~pinStraight;
  const Bitboard free = takers & ~pinDiagonal;
  const Bitboard pinnedTakers = takers & pinDiagonal;
  const Bitboard victims = opponent & notOwn & checkMask;
  sink.Pawns((CaptureWest<Us>(free) | (CaptureWest<Us>(pinnedTakers) & pinDiagonal)) & victims,
             Us == kWhite ? 7 : -9, kNormal);
  sink.Pawns((CaptureEast<Us>(free) | (CaptureEast<Us>(pinnedTakers) & pinDiagonal)) & victims,
             Us == kWhite ? 9 : -7, kNormal);

  if (p.epSquare != kNoSquare) {
    const int ep = p.epSquare;
    const Bitboard captured = Bit(Us == kWhite ? ep - 8 : ep + 8);
    if ((p.Pieces(kThem, kPawn) & captured) && !(occupied & Bit(ep))) {
      // Rare enough to test in full: is the king attacked afterwards?
      for (Bitboard b = g_attacks.pawn[kThem][ep] & pawns; b;) {
        const int from = PopLsb(b);
        const Bitboard after = occupied ^ Bit(from) ^ captured ^ Bit(ep);
        const bool exposed = (RookAttacks(king, after) & theirStraight) ||
                             (BishopAttacks(king, after) & theirDiagonal) ||
                             (g_attacks.knight[king] & p.Pieces(kThem, kKnight)) ||
                             (g_attacks.pawn[Us][king] & p.Pieces(kThem, kPawn) & ~captured);
        if (!exposed) sink.Single(from, ep, kEnPassant);
      }
    }
  }

  if (checkers == 0) {
    constexpr int kE = Us == kWhite ? kSquareE1 : kSquareE8;
    constexpr int kKingside = Us == kWhite ? kWhiteKingside : kBlackKingside;
    constexpr int kQueenside = Us == kWhite ? kWhiteQueenside : kBlackQueenside;
    const Bitboard rooks = p.Pieces(Us, kRook);
    if (king == kE) {
      const Bitboard kingsidePath = Bit(kE + 1) | Bit(kE + 2);
      if ((p.castling & kKingside) && (rooks & Bit(kE + 3)) && !(occupied & kingsidePath) &&
          !(danger & kingsidePath)) {
        sink.Single(kE, kE + 2, kCastling);
      }
      const Bitboard queensidePath = Bit(kE - 1) | Bit(kE - 2);
      if ((p.castling & kQueenside) && (rooks & Bit(kE - 4)) &&
          !(occupied & (queensidePath | Bit(kE - 3))) && !(danger & queensidePath)) {
        sink.Single(kE, kE - 2, kCastling);
      }
    }
  }
}

template <int Us>
struct ListSink {
  MoveList& list;
  void Targets(int from, Bitboard targets) {
    while (targets) list.Add(from, PopLsb(targets), 0, kNormal);
  }
  void Pawns(Bitboard targets, int delta, int kind) {
    constexpr Bitboard kLastRank = Us == kWhite ? kRank8 : kRank1;
    for (Bitboard b = targets & ~kLastRank; b;) {
      const int to = PopLsb(b);
      list.Add(to - delta, to, 0, kind);
    }
    for (Bitboard b = targets & kLastRank; b;) {
      const int to = PopLsb(b);
      for (int piece = kQueen; piece <= kKnight; ++piece) list.Add(to - delta, to, piece, kind);
    }
  }
  void Single(int from, int to, int kind) { list.Add(from, to, 0, kind); }
};

template <int Us>
struct CountSink {
  int count = 0;
  void Targets(int, Bitboard targets) { count += PopCount(targets); }
  void Pawns(Bitboard targets, int, int) {
    constexpr Bitboard kLastRank = Us == kWhite ? kRank8 : kRank1;
    count += PopCount(targets) + 3 * PopCount(targets & kLastRank);
  }
  void Single(int, int, int) { ++count; }
};

template <int Us>
int Count(const Position& p) {
  CountSink<Us> sink;
  Generate<Us>(p, sink);
  return sink.count;
}

uint64_t PerftFrom(const Position& p, int depth) {
  if (depth == 1) return static_cast<uint64_t>(CountLegal(p));
  MoveList list;
  GenerateLegal(p, list);
  uint64_t nodes = 0;
  for (const Move& move : list) {
    Position next = p;
    PlayMove(next, move);
    nodes += PerftFrom(next, depth - 1);
  }
  return nodes;
}

}  // namespace

void GenerateLegal(const Position& p, MoveList& list) {
  list.size = 0;
  if (p.side == kWhite) {
    ListSink<kWhite> sink{list};
    Generate<kWhite>(p, sink);
  } else {
    ListSink<kBlack> sink{list};
    Generate<kBlack>(p, sink);
  }
}

int CountLegal(const Position& p) {
  return p.side == kWhite ? Count<kWhite>(p) : Count<kBlack>(p);
}

uint64_t Perft(const Position& p, int depth) {
  return depth <= 0 ? 1 : PerftFrom(p, depth);
}

bool EnPassantPossible(const Position& p) {
  if (p.epSquare == kNoSquare) return false;
  MoveList list;
  GenerateLegal(p, list);
  for (const Move& move : list) {
    if (move.kind == kEnPassant) return true;
  }
  return false;
}

bool IsCapture(const Position& p, const Move& move) {
  return move.kind == kEnPassant || (p.byColour[p.side ^ 1] & Bit(move.to)) != 0;
}

const Move* FindMove(const MoveList& list, int32_t code) {
  const int from = MoveFrom(code);
  const int to = MoveTo(code);
  if (!IsBoardSquare(from) || !IsBoardSquare(to)) return nullptr;
  const int promotion = MovePromotion(code);
  for (const Move& move : list) {
    if (move.from == FromBoard128(from) && move.to == FromBoard128(to) &&
        (move.promotion == 0 ? promotion == 0 : move.promotion == promotion + kQueen)) {
      return &move;
    }
  }
  return nullptr;
}

bool FindLegalMove(const Position& p, int32_t code, Move& found) {
  MoveList list;
  GenerateLegal(p, list);
  const Move* move = FindMove(list, code);
  if (move != nullptr) found = *move;
  return move != nullptr;
}

int32_t PublicCode(const Move& move) {
  return ::MakeMove(ToBoard128(move.from), ToBoard128(move.to),
                    move.promotion == 0 ? 0 : move.promotion - kQueen);
}

}  // namespace chess_internal

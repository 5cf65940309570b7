// Attack tables: leapers, pawns, squares between, and "fancy" magic
// bitboards for the sliders (one shared table, each square's part sized
// by the number of its relevant occupancy bits).
#include <cassert>
#include <initializer_list>

#include "chess/bitboard.h"

namespace chess_internal {

AttackTables g_attacks;

namespace {

constexpr int kRookDirections[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
constexpr int kBishopDirections[4][2] = {{1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
constexpr int kKnightSteps[8][2] = {{1, 2},   {2, 1},   {2, -1}, {1, -2},
                                    {-1, -2}, {-2, -1}, {-2, 1}, {-1, 2}};
constexpr int kKingSteps[8][2] = {{1, 0},  {1, 1},   {0, 1},  {-1, 1},
                                  {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};

// Table sizes for fancy magics: the sum over the squares of 2^(mask bits).
constexpr int kRookTableSize = 102400;
constexpr int kBishopTableSize = 5248;
Bitboard g_rookTable[kRookTableSize];
Bitboard g_bishopTable[kBishopTableSize];

bool OnBoard(int file, int rank) {
  return file >= 0 && file < 8 && rank >= 0 && rank < 8;
}

Bitboard StepTargets(int square, const int (*steps)[2], int count) {
  Bitboard targets = 0;
  for (int i = 0; i < count; ++i) {
    const int file = FileOf(square) + steps[i][0];
    const int rank = RankOf(square) + steps[i][1];
    if (OnBoard(file, rank)) targets |= Bit(MakeSquare(file, rank));
  }
  return targets;
}

Bitboard SlidingAttacks(int square, Bitboard occupied, const int (*directions)[2]) {
  Bitboard attacks = 0;
  for (int d = 0; d < 4; ++d) {
    int file = FileOf(square) + directions[d][0];
    int rank = RankOf(square) + directions[d][1];
    while (OnBoard(file, rank)) {
      const Bitboard b = Bit(MakeSquare(file, rank));
      attacks |= b;
      if (occupied & b) break;
      file += directions[d][0];
      rank += directions[d][1];
    }
  }
  return attacks;
}

// Relevant occupancy: the rays without the board edges they run into.
Bitboard RelevantMask(int square, const int (*directions)[2]) {
  const Bitboard edges = ((kRank1 | kRank8) & ~(kRank1 << (8 * RankOf(square)))) |
                         ((kFileA | kFileH) & ~(kFileA << FileOf(square)));
  return SlidingAttacks(square, 0, directions) & ~edges;
}

// Magic multipliers, found once by trying sparse random numbers (the
// bitwise and of three) until every occupancy of the mask maps to an
// index that holds its attack set, sharing an index only with occupancies
// of the same attack set.
constexpr Bitboard kRookMagics[64] = {
    0x1080004008801020ULL, 0x0840092002C03000ULL, 0x1900200010400900ULL, 0x0880100008000480ULL,
    0x4200100420080200ULL, 0x8100020100080400ULL, 0x0200040110886200ULL, 0x0200008040220411ULL,
    0x0404800084400220ULL, 0x0000401000402000ULL, 0x0086001081220440ULL, 0x0408800800100280ULL,
    0x000A001201040820ULL, 0x8848800200840080ULL, 0x4001000100040200ULL, 0x0442000102105084ULL,
    0x9080010020804100ULL, 0x0040404000201009ULL, 0x0000808010002009ULL, 0x2200090021D00100ULL,
    0x0008008008040080ULL, 0x0004004002010040ULL, 0x0011040008015042ULL, 0x00000A0001768104ULL,
    0x0000800080204009ULL, 0x2010004140002001ULL, 0x9800200280100080ULL, 0x1000100080080080ULL,
    0x0442000A00049020ULL, 0x2100040080020080ULL, 0x0800120400900148ULL, 0x0010040A00128541ULL,
    0x2800804000800030ULL, 0x1010002000400041ULL, 0x4000200011004100ULL, 0x0610008410800800ULL,
    0x0400802402800800ULL, 0xC100020080800400ULL, 0x0002000802000401ULL, 0x0182085882000401ULL,
    0x0220204000808000ULL, 0x2860100040024022ULL, 0x0001002004110040ULL, 0x99101042000A0020ULL,
    0x0004080004008080ULL, 0x0010040002008080ULL, 0x2012004881020004ULL, 0x8300842444820011ULL,
    0x0088403882010200ULL, 0x0820400080210100ULL, 0x0110910040A00300ULL, 0x0801100280080480ULL,
    0x0242009008200600ULL, 0x1002000489500200ULL, 0x0040800200010080ULL, 0x0091800041000080ULL,
    0x0000209300488001ULL, 0x04C1002414824001ULL, 0x020020000B001041ULL, 0x7000100004200901ULL,
    0x8002002004100802ULL, 0x30010002084C0007ULL, 0x0888221800813004ULL, 0x4000002840840112ULL,
};
constexpr Bitboard kBishopMagics[64] = {
    0x1010900200902200ULL, 0x0260046086204080ULL, 0x0804087081012C80ULL, 0x0008208A240A1084ULL,
    0x0004042080020020ULL, 0x8019100210008080ULL, 0x0400480444212004ULL, 0xA200240C02882800ULL,
    0xA0A0042008410102ULL, 0x064A08010802004AULL, 0x0008080204322440ULL, 0x0031280600400200ULL,
    0x0000240504100C00ULL, 0x1404020804040400ULL, 0x39A0042104022012ULL, 0x0000802092101005ULL,
    0x0010602420021C44ULL, 0x2020000802841044ULL, 0x15C0800802031022ULL, 0x0084000804240800ULL,
    0x0013002820080001ULL, 0x050102008080C008ULL, 0x8040882062082000ULL, 0x5001840044208810ULL,
    0x0002400110108201ULL, 0x0110080022424421ULL, 0x0800A60410040844ULL, 0x1144040080410200ULL,
    0x0106001002005001ULL, 0x1811050012048080ULL, 0x80020C0800410800ULL, 0x8001204011040880ULL,
    0x048484404A200284ULL, 0x0000901004040480ULL, 0x5224004800210204ULL, 0x05A6008020020201ULL,
    0x0010220200002008ULL, 0x0632080201404044ULL, 0x100801004C010818ULL, 0x0011012601A10444ULL,
    0x0004112441071021ULL, 0x8812021004060314ULL, 0x0000082690000801ULL, 0xC000020212000400ULL,
    0x0000084104002442ULL, 0x0081100101100200ULL, 0x7288816102018404ULL, 0x9408008C0048208AULL,
    0x08040C0208440200ULL, 0x0000440088080400ULL, 0x00200D0290D00160ULL, 0x4000000020880008ULL,
    0x000840A002048001ULL, 0x0001204410208400ULL, 0x4040880280861288ULL, 0x20103C0800604100ULL,
    0x050841040101C000ULL, 0x2020102401241040ULL, 0x4A12000024020800ULL, 0x3201000C00420200ULL,
    0xA559000004050408ULL, 0x1102440892080A10ULL, 0x0400402849046080ULL, 0x0060111001090121ULL,
};

// Fills the shared attack table through the magic of every square.
void InitMagics(Magic* magics, const Bitboard* multipliers, Bitboard* table,
                const int (*directions)[2]) {
  Bitboard* next = table;
  for (int square = 0; square < 64; ++square) {
    Magic& m = magics[square];
    m.mask = RelevantMask(square, directions);
    m.magic = multipliers[square];
    m.shift = static_cast<unsigned>(64 - PopCount(m.mask));
    m.attacks = next;
    Bitboard subset = 0;
    do {  // every subset of the mask (carry-rippler)
      const Bitboard attacks = SlidingAttacks(square, subset, directions);
      assert(next[m.Index(subset)] == 0 || next[m.Index(subset)] == attacks);
      next[m.Index(subset)] = attacks;
      subset = (subset - m.mask) & m.mask;
    } while (subset != 0);
    next += Bitboard{1} << PopCount(m.mask);
  }
}

}  // namespace

void InitAttackTables() {
  for (int square = 0; square < 64; ++square) {
    g_attacks.knight[square] = StepTargets(square, kKnightSteps, 8);
    g_attacks.king[square] = StepTargets(square, kKingSteps, 8);
    const Bitboard b = Bit(square);
    g_attacks.pawn[kWhite][square] = ((b & ~kFileA) << 7) | ((b & ~kFileH) << 9);
    g_attacks.pawn[kBlack][square] = ((b & ~kFileA) >> 9) | ((b & ~kFileH) >> 7);
  }
  InitMagics(g_attacks.rook, kRookMagics, g_rookTable, kRookDirections);
  InitMagics(g_attacks.bishop, kBishopMagics, g_bishopTable, kBishopDirections);
  for (int a = 0; a < 64; ++a) {
    for (int b = 0; b < 64; ++b) {
      Bitboard between = 0;
      if (a != b) {
        for (const auto* directions : {kRookDirections, kBishopDirections}) {
          const Bitboard fromA = SlidingAttacks(a, Bit(b), directions);
          if (fromA & Bit(b)) between = fromA & SlidingAttacks(b, Bit(a), directions);
        }
      }
      g_attacks.between[a][b] = between;
    }
  }
}

}  // namespace chess_internal

#include "chess/keys.h"

#include <array>

#include "chess/movegen.h"

namespace chess_internal {

namespace {

// 12 x 64 piece-square keys, then side, 16 castling and 8 en-passant keys.
constexpr int kSideKey = 12 * 64;
constexpr int kCastlingKeys = kSideKey + 1;
constexpr int kEpKeys = kCastlingKeys + 16;
constexpr int kKeyCount = kEpKeys + 8;

constexpr std::array<uint64_t, kKeyCount> kKeys = [] {
  std::array<uint64_t, kKeyCount> keys{};
  uint64_t state = 0x7A1B0C3D5E6F8091ULL;
  for (uint64_t& key : keys) {  // splitmix64
    state += 0x9E3779B97F4A7C15ULL;
    uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    key = z ^ (z >> 31);
  }
  keys[kCastlingKeys] = 0;  // no rights: the empty board with White to move has key 0
  return keys;
}();

}  // namespace

uint64_t PositionKey(const Position& p) {
  uint64_t key = 0;
  for (int colour = kWhite; colour <= kBlack; ++colour) {
    for (int type = kKing; type <= kPawn; ++type) {
      for (Bitboard b = p.Pieces(colour, type); b;) {
        key ^= kKeys[(colour * 6 + type) * 64 + PopLsb(b)];
      }
    }
  }
  if (p.side == kBlack) key ^= kKeys[kSideKey];
  key ^= kKeys[kCastlingKeys + (p.castling & 15)];
  if (p.epSquare != kNoSquare && HasBothKings(p) && EnPassantPossible(p)) {
    key ^= kKeys[kEpKeys + FileOf(p.epSquare)];
  }
  return key;
}

}  // namespace chess_internal

// The opening table.
//
// ECO.TXT is UTF-8 text, one opening per line:
//
//   <placement> <side> <castling> <en passant><TAB>ECO|Opening|Variation|Subvariation
//
// that is, the first four FEN fields of the position the opening's moves
// reach, a tab, and the four fields ChessSearchEco returns (empty fields
// stay empty, so every entry has exactly three bars). Lines that are
// empty or start with "#" are comments. tools/eco_convert writes the file
// from the opening lists in tools/eco/.
//
// Openings are found by position, so a game that reaches a listed
// position by another move order finds it too. Loading parses one FEN per
// line and keeps nothing else: no moves are replayed at start-up.
// Lines that cannot be read are skipped; the first line of a position
// wins.
#include <algorithm>
#include <fstream>
#include <iterator>

#include "chess/chess.h"
#include "chess/fen.h"
#include "chess/keys.h"
#include "chess/movegen.h"

using namespace chess_internal;

namespace {

// Larger files are not an opening table (ours is about 300 KB).
constexpr std::streamoff kMaxFileSize = 16 << 20;

bool IsEntry(std::string_view text) {
  const bool control = std::any_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x20; });
  return !control && std::count(text.begin(), text.end(), '|') == 3;
}

}  // namespace

bool ChessLoadEco(EcoTable& table, const std::string& path, int capacity) {
  ChessInit();
  table.byPosition.clear();
  std::ifstream file(path, std::ios::binary | std::ios::ate);
  if (!file) return false;
  const std::streamoff size = file.tellg();
  if (size <= 0 || size > kMaxFileSize) return false;
  std::string text(static_cast<size_t>(size), '\0');
  file.seekg(0);
  if (!file.read(text.data(), size)) return false;

  table.byPosition.reserve(static_cast<size_t>(std::clamp(capacity, 0, 1 << 16)));
  std::string_view rest = text;
  while (!rest.empty()) {
    const size_t end = std::min(rest.find('\n'), rest.size());
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const size_t tab = line.find('\t');
    if (tab == std::string_view::npos || !IsEntry(line.substr(tab + 1))) continue;
    Position p;
    int clock = 0;
    if (!ParseFen(line.substr(0, tab), p, clock)) continue;
    table.byPosition.try_emplace(PositionKey(p), line.substr(tab + 1));
  }
  return !table.byPosition.empty();
}

void ChessUnloadEco(EcoTable& table) {
  table.byPosition = {};
}

std::optional<std::string> ChessSearchEco(const EcoTable& table, std::span<const int32_t> moves) {
  ChessInit();
  if (table.byPosition.empty()) return std::nullopt;
  Position p;
  int clock = 0;
  ParseFen(kStandardFen, p, clock);
  for (const int32_t code : moves) {
    if (code == 0) break;
    Move move;
    if (!FindLegalMove(p, code, move)) return std::nullopt;
    PlayMove(p, move);
  }
  const auto found = table.byPosition.find(PositionKey(p));
  if (found == table.byPosition.end()) return std::nullopt;
  return found->second;
}

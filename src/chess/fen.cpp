// FEN in and out.
#include "chess/fen.h"

#include <algorithm>

#include "chess/record.h"

using namespace chess_internal;

namespace {

constexpr std::string_view kPieceLetters = "KQRBNP";

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Splits off the next whitespace-separated field; empty at the end.
std::string_view NextField(std::string_view& text) {
  size_t start = 0;
  while (start < text.size() && IsSpace(text[start])) ++start;
  size_t end = start;
  while (end < text.size() && !IsSpace(text[end])) ++end;
  const std::string_view field = text.substr(start, end - start);
  text.remove_prefix(end);
  return field;
}

bool ParsePlacement(std::string_view field, Position& p) {
  int rank = 7;
  int file = 0;
  for (const char c : field) {
    if (c == '/') {
      if (file != 8 || rank == 0) return false;
      --rank;
      file = 0;
    } else if (c >= '1' && c <= '8') {
      file += c - '0';
      if (file > 8) return false;
    } else {
      const bool black = c >= 'a' && c <= 'z';
      const size_t type = kPieceLetters.find(black ? static_cast<char>(c - 'a' + 'A') : c);
      if (type == std::string_view::npos || file >= 8) return false;
      p.Put(MakeSquare(file, rank), black ? kBlack : kWhite, static_cast<int>(type));
      ++file;
    }
  }
  return rank == 0 && file == 8;
}

bool ParseCastling(std::string_view field, int& rights) {
  rights = 0;
  if (field == "-") return true;
  if (field.empty() || field.size() > 4) return false;
  for (const char c : field) {
    const size_t bit = std::string_view("KQkq").find(c);
    if (bit == std::string_view::npos) return false;
    rights |= 1 << bit;
  }
  return true;
}

// A position that could arise in a game as far as the library checks it:
// one king each, no pawn on a back rank, the side not to move not in check.
bool IsPossible(const Position& p) {
  if (!HasBothKings(p)) return false;
  if (p.byType[kPawn] & (kRank1 | kRank8)) return false;
  const int theirKing = Lsb(p.Pieces(p.side ^ 1, kKing));
  return (AttackersTo(p, theirKing, p.Occupied()) & p.byColour[p.side]) == 0;
}

}  // namespace

namespace chess_internal {

bool ParseFen(std::string_view text, Position& p, int& halfmoveClock) {
  p = Position{};
  halfmoveClock = 0;
  const bool hasControl = std::any_of(text.begin(), text.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u < 0x20 || u == 0x7F) && !IsSpace(c);
  });
  if (hasControl) return false;
  if (!ParsePlacement(NextField(text), p)) return false;
  const std::string_view side = NextField(text);
  if (side != "w" && side != "b") return false;
  p.side = side == "w" ? kWhite : kBlack;

  const std::string_view castling = NextField(text);
  int rights = 0;
  if (!castling.empty() && !ParseCastling(castling, rights)) return false;
  const std::string_view ep = NextField(text);
  int epSquare = kNoSquare;
  if (!ep.empty() && ep != "-") {
    if (ep.size() != 2 || ep[0] < 'a' || ep[0] > 'h' || ep[1] < '1' || ep[1] > '8') return false;
    epSquare = MakeSquare(ep[0] - 'a', ep[1] - '1');
  }
  const std::string_view clock = NextField(text);
  if (!clock.empty() && clock.size() <= 9 &&
      std::all_of(clock.begin(), clock.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    for (const char c : clock) halfmoveClock = halfmoveClock * 10 + (c - '0');
  }

  if (!IsPossible(p)) {
    p = Position{};
    return false;
  }
  // Rights and an en-passant square the placement contradicts are dropped.
  p.castling = PlausibleCastling(p, rights);
  if (epSquare != kNoSquare && PlausibleEpSquare(p, FileOf(epSquare) + 4) == epSquare) {
    p.epSquare = epSquare;
  }
  return true;
}

}  // namespace chess_internal

bool ChessFen2Board(BoardRecord& board, std::string_view fen) {
  ChessInit();
  Position p;
  int halfmoveClock = 0;
  if (!ParseFen(fen, p, halfmoveClock)) {
    ResetRecord(board, Position{}, 0, 0, 0);
    return false;
  }
  ResetRecord(board, p, p.castling, EpColumn(p), halfmoveClock);
  return true;
}

std::string ChessBoard2Fen(const BoardRecord& board) {
  ChessInit();
  const Position p = LoadPosition(board);
  std::string fen;
  for (int rank = 7; rank >= 0; --rank) {
    int empty = 0;
    for (int file = 0; file < 8; ++file) {
      const int content = p.ContentAt(MakeSquare(file, rank));
      if (content == 0) {
        ++empty;
        continue;
      }
      if (empty > 0) fen += static_cast<char>('0' + empty);
      empty = 0;
      fen += kDiagramLetters[content];
    }
    if (empty > 0) fen += static_cast<char>('0' + empty);
    if (rank > 0) fen += '/';
  }
  fen += p.side == kWhite ? " w " : " b ";
  if (p.castling == 0) fen += '-';
  for (int bit = 0; bit < 4; ++bit) {
    if (p.castling & (1 << bit)) fen += "KQkq"[bit];
  }
  fen += ' ';
  if (p.epSquare == kNoSquare) {
    fen += '-';
  } else {
    fen += static_cast<char>('a' + FileOf(p.epSquare));
    fen += static_cast<char>('1' + RankOf(p.epSquare));
  }
  return fen;
}

// Writes the opening table ECO.TXT from the opening lists in tools/eco/.
//
//   eco_convert <folder with a.tsv .. e.tsv> <output file>
//
// Input (tools/eco/README.md): UTF-8, tab-separated, a header line
// "eco<TAB>name<TAB>pgn", then one opening per line: ECO code, name
// ("Family: Variation, Subvariation, ...") and the moves from the initial
// position in SAN with move numbers.
//
// Output, read by ChessLoadEco (src/chess/eco.cpp): a few "#" comment
// lines, then one line per opening:
//
//   <first four FEN fields of the position reached><TAB>ECO|Opening|Variation|Subvariation
//
// The name is split at its first colon (opening before it) and the first
// comma after that (variation before it, subvariation after it, further
// commas included: "English Opening: King's English Variation, Four
// Knights Variation, Fianchetto Line" has the subvariation "Four Knights
// Variation, Fianchetto Line"). A name without colon is an opening only.
// Storing the position rather than the moves lets the loader skip all move
// replay, and lets a game find its opening after a transposition.
//
// Exits with status 1, naming the line, when a row cannot be read or its
// moves are not legal.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>

#include "chess/chess.h"

namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

// "Opening: Variation, Subvariation" as "Opening|Variation|Subvariation".
std::string SplitName(std::string_view name) {
  std::string_view opening = name;
  std::string_view variation;
  std::string_view subvariation;
  if (const size_t colon = name.find(':'); colon != std::string_view::npos) {
    opening = name.substr(0, colon);
    variation = name.substr(colon + 1);
    if (const size_t comma = variation.find(','); comma != std::string_view::npos) {
      subvariation = variation.substr(comma + 1);
      variation = variation.substr(0, comma);
    }
  }
  return std::string(Trim(opening)) + "|" + std::string(Trim(variation)) + "|" +
         std::string(Trim(subvariation));
}

// The position after the moves, or "" when a move cannot be played.
std::string PositionAfter(const std::string& moves) {
  BoardRecord board{};
  ChessFen2Board(board, kStandardFen);
  std::istringstream tokens(moves);
  std::string token;
  while (tokens >> token) {
    if (token.back() == '.') continue;  // move number
    int flags = 0;
    if (!ChessTryMove(board, flags, ChessAlg2Move(board, token))) return "";
  }
  return ChessBoard2Fen(board);
}

bool Convert(const std::string& folder, std::ostream& out, int& count) {
  for (const char volume : std::string_view("abcde")) {
    const std::string path = folder + "/" + volume + ".tsv";
    std::ifstream in(path);
    std::string line;
    if (!in || !std::getline(in, line) || line != "eco\tname\tpgn") {
      std::cerr << path << ": missing or without the header line\n";
      return false;
    }
    for (int number = 2; std::getline(in, line); ++number) {
      const size_t tab1 = line.find('\t');
      const size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
      const std::string position =
          tab2 == std::string::npos ? "" : PositionAfter(line.substr(tab2 + 1));
      const std::string name =
          tab2 == std::string::npos ? "" : line.substr(tab1 + 1, tab2 - tab1 - 1);
      if (position.empty() || name.find('|') != std::string::npos) {
        std::cerr << path << ":" << number << ": cannot convert: " << line << "\n";
        return false;
      }
      out << position << '\t' << line.substr(0, tab1) << '|' << SplitName(name) << '\n';
      ++count;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: eco_convert <folder with a.tsv .. e.tsv> <output file>\n";
    return 2;
  }
  ChessInit();
  std::ostringstream table;
  table << "# Chess Talvor opening table, written by tools/eco_convert from tools/eco/ (CC0).\n"
           "# One opening per line: the first four FEN fields of its position, a tab,\n"
           "# then ECO|Opening|Variation|Subvariation.\n";
  int count = 0;
  if (!Convert(argv[1], table, count)) return 1;
  std::ofstream out(argv[2], std::ios::binary);
  if (!(out << table.str()) || !out.flush()) {
    std::cerr << argv[2] << ": cannot write\n";
    return 1;
  }
  out.close();
  // Read it back the way the program will: every line must be found.
  EcoTable loaded;
  ChessLoadEco(loaded, argv[2]);
  std::cout << count << " openings, " << loaded.byPosition.size() << " positions\n";
  return static_cast<int>(loaded.byPosition.size()) == count ? 0 : 1;
}

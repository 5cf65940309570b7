// UCI "info" lines: reading the fields the program shows, and the texts of
// the status-bar panels and the analysis window built from them. Pure
// functions of the line and the position the engine searches.
#pragma once

#include <QString>
#include <optional>

#include "chess/chess.h"

struct InfoLine {
  std::optional<QString> currMove;  // coordinate text after " currmove "
  int currMoveNumber = 0;           // after " currmovenumber ", 0 when absent
  std::optional<long long> nodes;
  std::optional<int> depth;
  // Steps 4 to 9 of showing a line need a depth and an exact score.
  bool exactScore = false;         // " score " without " lowerbound " or " upperbound "
  int score = 0;                   // centipawns; mates as 10000 - n or -10000 - n
  std::optional<QString> pv;       // the text after " pv " to the end of the line
  std::optional<QString> message;  // the text after " message " (our own extension)
};

// Reads the fields of one info line. Each keyword counts at its first
// space-delimited occurrence; numbers are read as far as they are numeric
// and clamped to their ranges.
InfoLine ParseInfoLine(const QString& line);

// Panel "Curr": "12 (3/20) Nf3", the move in standard notation on board.
QString CurrText(int depth, int moveNumber, int legalMoveCount, const BoardRecord& board,
                 const QString& coordMove);
// Panel "Nps": "NPS 500K" (nodes per millisecond); nothing when no time passed.
std::optional<QString> NpsText(long long nodes, long long elapsedMs);
// Depth (3 characters), score (8 characters) and the main line in standard
// notation with "+" and "#", played out from board. ponderSan, when given,
// is shown first in brackets (the move the engine expects from the user).
// The line ends at the first move the board refuses.
QString PvText(int depth, int score, const BoardRecord& board, const std::optional<QString>& pv,
               const QString* ponderSan);
// "00:01:07.4 ->": the time stamp line of the analysis window.
QString TimeStampText(long long elapsedMs);

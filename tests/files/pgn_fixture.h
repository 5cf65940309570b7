// A game record with recording doubles, read from PGN text.
#pragma once

#include <QStringList>

#include "files/pgn_reader.h"
#include "game_fixture.h"

class PgnTest : public GameTest {
 protected:
  void Read(const QString& text) { ReadGameText(game, text); }

  QStringList Sans() const {
    QStringList sans;
    for (int ply = 1; ply <= game.LastPly; ++ply) sans << game.GameSan[ply];
    return sans;
  }

  // The plies in coordinate text, as "e2e4 e7e5".
  static QString Uci(const GameRecord& record) {
    BoardRecord board;
    ChessFen2Board(board, record.StartFen.toStdString());
    QStringList moves;
    for (int ply = 1; ply <= record.LastPly; ++ply) {
      moves << QString::fromStdString(ChessMove2Coord(board, record.GameMoves[ply]));
      int flags = 0;
      ChessTryMove(board, flags, record.GameMoves[ply]);
    }
    return moves.join(' ');
  }
};

// Readable test output.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << text.toStdString();
}

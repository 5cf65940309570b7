// The single game the main window shows: its initial position, the plies
// played from it with notation, annotations and comments, the ply shown on
// the board, the tags and the result.
//
// Invariants:
//  1. Plies 1..CurPly of GameMoves are exactly the moves made on Board since
//     StartFen was set, so Board shows the position after ply CurPly.
//  2. SideToMove and MoveNumber describe that position.
//  3. EndSide is the side to move after ply LastPly.
//  4. The move list shows LastPly + 1 lines: the start line and one per ply.
//  5. Entries above LastPly are stale; comments above it are cleared.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "chess/chess.h"

inline constexpr int kMaxPlies = 1023;
inline constexpr int kMoveNumberLimit = 1000;
inline constexpr const char* kStartLine = "==Start==";

// Modes of ApplyMove: how the move arrived.
enum MoveMode { kModeSilent = 0, kModeClick = 1, kModeTyped = 2, kModeEngine = 3 };

struct GameRecord {
  BoardRecord Board;
  QString StartFen;
  bool StandardStart = true;
  int StartSide = 0;
  int StartMoveNumber = 1;
  int SideToMove = 0;
  int MoveNumber = 1;
  int EndSide = 0;
  int CurPly = 0;
  int LastPly = 0;
  std::array<int32_t, kMaxPlies + 1> GameMoves{};
  std::array<QString, kMaxPlies + 1> GameSan;
  std::array<int, kMaxPlies + 1>
      GameNags{};  // 0 none, 1 "!", 2 "?", 3 "!!", 4 "??", 5 "!?", 6 "?!"
  std::array<QString, kMaxPlies + 1> GameComments;  // entry 0: before the first move
  int GameResult = 0;                               // 0 "*", 1 "1-0", 2 "1/2-1/2", 3 "0-1"
  bool EcoLookup = true;
  QString TagEvent, TagSite, TagDate, TagRound;
  QString TagWhite, TagWhiteElo, TagBlack, TagBlackElo;
  QString TagEco, TagOpening, TagVariation, TagSubVariation;
  QString GameFileName;
  bool GameModified = false;
  double LastMoveTime = 0;  // clock reading when the last ply was recorded or the game reset
  int MatedKingSquare = 0;
};

// "!", "?", "!!", "??", "!?", "?!" for codes 1..6, "" otherwise.
QString NagText(int code);

// The annotation code of a move token's glyph suffix: "!!" 3, "?!" 6, other
// "!" 1, "??" 4, "!?" 5, other "?" 2, none 0.
int NagFromSuffix(const QString& token);

// Line ply of the move list: "==Start==" for 0, else the move prefix
// ("12." or spaces for Black), the SAN and the annotation; "*" is appended
// when the ply has a comment.
QString MoveListLine(const GameRecord& game, int ply);

// Full-move number and side of the mover of ply (1..LastPly).
int PlyMoveNumber(const GameRecord& game, int ply);
int PlySide(const GameRecord& game, int ply);

// The text of a game result code: "*", "1-0", "1/2-1/2", "0-1".
QString ResultText(int result);

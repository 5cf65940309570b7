// Who plays which colour: the play modes, the alternation between games,
// the handicap positions and the player names written into the game.
#pragma once

#include <QString>

// The play modes (setting "EnginePlay").
enum PlayModeValue {
  kModeNoComputer = 0,
  kModeComputerWhite = 1,
  kModeComputerBlack = 2,
  kModeAlternation = 3,
  kModeRandom = 4,
};

struct ComputerSides {
  bool white = false;
  bool black = false;
};

// The computer's sides for a game in the given mode. random is a number
// drawn uniformly from [0, 1). In alternation the computer takes White
// when nextComputerWhite is set, which then flips for the next game.
ComputerSides SidesForMode(int mode, bool& nextComputerWhite, double random);

// The user's colour pre-selected in the Startup dialog (kColorWhite,
// kColorBlack or kColorBoth), opposite to the computer's coming colour.
enum StartupColor { kColorWhite = 0, kColorBlack = 1, kColorBoth = 2 };
int StartupColorFor(int playMode, bool nextComputerWhite, double random);
// The play mode a colour chosen there stands for.
int ModeForStartupColor(int color);

// The handicaps: White plays without a knight (1), a rook (2) or a queen (3).
QString HandicapFen(int handicap);
// The handicap menu, entries 0..6 (3 is a separator): the position and
// the mode (the computer plays the weakened White side for 0..2).
int HandicapOfMenuEntry(int index);
int ModeOfMenuEntry(int index);

// The names written into the White and Black tags: the engine's name with
// the level in brackets for a computer side, else the user ("Chess Fan"
// when the user has no name).
struct PlayerNames {
  QString white;
  QString black;
};
PlayerNames PlayerNamesFor(const QString& user, const QString& levelText, ComputerSides sides,
                           const QString& whiteEngine, const QString& blackEngine);

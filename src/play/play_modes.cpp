#include "play/play_modes.h"

ComputerSides SidesForMode(int mode, bool& nextComputerWhite, double random) {
  switch (mode) {
    case kModeComputerWhite:
      return {true, false};
    case kModeComputerBlack:
      return {false, true};
    case kModeAlternation: {
      const ComputerSides sides{nextComputerWhite, !nextComputerWhite};
      nextComputerWhite = !nextComputerWhite;
      return sides;
    }
    case kModeRandom:
      return {random < 0.5, random >= 0.5};
    default:
      return {};
  }
}

int StartupColorFor(int playMode, bool nextComputerWhite, double random) {
  switch (playMode) {
    case kModeNoComputer:
      return kColorBoth;
    case kModeComputerWhite:
      return kColorBlack;
    case kModeComputerBlack:
      return kColorWhite;
    case kModeAlternation:
      return nextComputerWhite ? kColorBlack : kColorWhite;
    default:
      return random < 0.5 ? kColorBlack : kColorWhite;
  }
}

int ModeForStartupColor(int color) {
  if (color == kColorBoth) return kModeNoComputer;
  return color == kColorWhite ? kModeComputerBlack : kModeComputerWhite;
}

QString HandicapFen(int handicap) {
  switch (handicap) {
    case 1:
      return "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/R1BQKBNR w KQkq - 0 1";
    case 2:
      return "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/1NBQKBNR w KQkq - 0 1";
    case 3:
      return "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNB1KBNR w KQkq - 0 1";
    default:
      return "";
  }
}

int HandicapOfMenuEntry(int index) {
  return (index & 3) + 1;
}

int ModeOfMenuEntry(int index) {
  return index < 4 ? kModeComputerWhite : kModeComputerBlack;
}

PlayerNames PlayerNamesFor(const QString& user, const QString& levelText, ComputerSides sides,
                           const QString& whiteEngine, const QString& blackEngine) {
  const QString player = user.isEmpty() ? "Chess Fan" : user;
  const QString suffix = levelText.isEmpty() ? "" : " (" + levelText + ")";
  return {sides.white ? whiteEngine + suffix : player, sides.black ? blackEngine + suffix : player};
}

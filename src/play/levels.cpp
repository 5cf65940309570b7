#include "play/levels.h"

namespace {

const char* const kNames[kNamedLevelCount] = {
    "Peabrain",     "Newbie", "Novice",       "Rookie", "Beginner",    "Amateur",
    "Intermediate", "Expert", "Professional", "Master", "Grandmaster", "Overwhelming"};

}  // namespace

const char* const kGrandmasterWarning =
    "'Grandmaster' usually takes much time to make a move. Do not try this level if you lack "
    "patience.\n\nPress 'Stop / Move Now' to make the computer stop thinking.";
const char* const kOverwhelmingWarning =
    "'Overwhelming' usually takes much more time than 'Grandmaster' to make a move. Do not try "
    "this level if you lack patience.\n\nPress 'Stop / Move Now' to make the computer stop "
    "thinking.";
const char* const kInfiniteInformation =
    "'Infinite' usually fits for solving puzzles and endgames instead of normal games, where the "
    "computer will keep thinking until a checkmate concluded.\n\nPress 'Stop / Move Now' to make "
    "the computer stop thinking.";

QString NamedLevelName(int index) {
  return index >= 0 && index < kNamedLevelCount ? kNames[index] : "";
}

QString LevelName(int level) {
  if (level == kInfiniteLevel) return "Infinite";
  if (level >= 1 && level <= 99) return QString::number(level) + " Plies";
  if (level <= -1 && level >= -kNamedLevelCount) return NamedLevelName(-1 - level);
  return "";
}

QString SlowLevelWarning(int index) {
  if (index == 10) return kGrandmasterWarning;
  if (index == 11) return kOverwhelmingWarning;
  return "";
}

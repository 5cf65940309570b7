// The engine's strength: the twelve named levels (stored as -1..-12), the
// clock-timed level 0, fixed depths 1..99 and 100 "Infinite".
#pragma once

#include <QString>

inline constexpr int kNamedLevelCount = 12;
inline constexpr int kInfiniteLevel = 100;

// Name of named level index 0..11 (level -1 - index).
QString NamedLevelName(int index);
// "" for 0, "Infinite" for 100, "8 Plies" for 8, the name for -1..-12;
// "" for anything else.
QString LevelName(int level);

// The warnings shown when a slow level is chosen.
extern const char* const kGrandmasterWarning;
extern const char* const kOverwhelmingWarning;
extern const char* const kInfiniteInformation;
// The warning for named level index 10 or 11; "" for the others.
QString SlowLevelWarning(int index);

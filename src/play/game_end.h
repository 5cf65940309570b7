// The texts at the end of a game: resignations, fallen flags, draw offers
// and the sound of an announcement.
#pragma once

#include <QString>

#include "shell/gateways.h"

// "White resigns." / "Black resigns." for the side to move.
QString ResignText(int side);
// "White's flag fell." / "Black's flag fell."
QString FlagFellText(int side);
// The engine's offer as the user (to move at endSide) reads it.
QString DrawOfferText(int endSide);
// "WIN", "LOSS" or "DRAW" by the announcement's icon.
QString GameEndSound(MsgIcon icon);

inline constexpr const char* kResignQuestion = "Do you really want to resign?";
inline constexpr const char* kDrawNotAvailable = "Sorry, this feature is not available yet.";

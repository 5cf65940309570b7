// The texts and choices at the end of a game: resignations, fallen flags,
// draw offers, the sound of an announcement, and what to do with an
// engine's reply that carries " resign" or " draw".
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

// An engine's best move in a game: it resigns, it accepts the standing draw
// offer, or the move is played (and then, perhaps, a draw is offered).
enum class EngineReply { Resign, AcceptDraw, PlayMove };
struct ReplyDecision {
  EngineReply action = EngineReply::PlayMove;
  bool offerDrawAfterMove = false;
};
// resigns / offersDraw: the best-move line ended with " resign" / " draw".
ReplyDecision DecideEngineReply(bool resigns, bool offersDraw, bool allowResign,
                                bool userOfferedDraw);

// Short texts built from the game's tags: the labels beside the board, the
// default file names and the publishing headers use them.
#pragma once

#include <QString>

#include "game/game_record.h"

// "Event, Round 3"; a round that is no number ("?") is shown as written.
QString EventTitle(const GameRecord& game);
// "White (2700) vs Black", with the result as separator when decided;
// "(In progress)", "(White wins)", "(Draw)" or "(Black wins)" without both names.
QString PlayersTitle(const GameRecord& game);
// "(Site, Date)", "(Site)" or "".
QString SiteDateTitle(const GameRecord& game);
// "Opening: Variation, Subvariation (ECO)".
QString OpeningTitle(const GameRecord& game);
// "Event title - Players title", or the players title alone.
QString GameTitle(const GameRecord& game);

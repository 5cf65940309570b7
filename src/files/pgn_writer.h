// Writing the game as one PGN game: the thirteen tags in a fixed order, the
// start position when it is not the standard one, the comments and the
// moves (annotation glyphs are not written), with CR LF line ends, in UTF-8.
#pragma once

#include <QString>

#include "game/game_record.h"

class Game;

// "[key \"value\"]", with every line break removed from the value.
QString TagLine(const QString& key, const QString& value);

// The game as PGN text. A movetext line ends only after a Black move,
// before a comment and after the termination marker.
QString PgnText(const GameRecord& game);

// Writes text to path as UTF-8 so that a failure leaves any old file
// whole: the text goes to a temporary file in the same folder that
// replaces the old one only once it is completely written. Returns false
// on failure.
bool WriteTextFileSafely(const QString& path, const QString& text);

// Writes the game to its own file (GameFileName), or to autosavePath when
// toAutosave (its folder is created when missing). A failure is reported
// with "Error Open File: " and the path. A successful save to the game's
// own file clears GameModified and disables Save.
bool SaveGameFile(Game& game, bool toAutosave, const QString& autosavePath);

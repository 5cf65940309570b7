// Reading a game in Portable Game Notation into the current game. One file
// holds one game for the program: reading stops at the first termination
// marker ("*", "1-0", "0-1", "1/2-1/2"). The reader is tolerant: tags it
// does not know, malformed tag lines and tokens that are no legal move are
// passed over without a message. Comments and variations are kept as
// comment text of the ply they follow; variations are not played.
#pragma once

#include <QString>
#include <QStringView>

class Game;

// True, with the value, when line (already left-trimmed) is the tag line
// of key (given in upper case): "[", the key in any letter case, exactly
// one space and a double quote. The value runs to the next double quote,
// or to the end of the line without one; no escapes are interpreted.
bool ReadTagValue(QString& value, QStringView line, QStringView key);

// What an open comment or variation carries from one line to the next.
struct MovetextState {
  QString comment;  // its text so far
  int depth = 0;    // brackets open, "{" and "(" together; 0 outside
  int braces = 0;   // how many of them are "{": inside one, "(" and ")" are text
};

// Consumes the next piece of a movetext line: one token, or a run of
// comment or variation text, and shortens line by it. state carries an
// open comment from one call (and line) to the next. Moves are
// applied to the game silently; illegal ones are dropped. Returns true
// when a termination marker was consumed (a decided result is stored in
// GameResult; "*" keeps the result of the tags). Call it again on the same
// line until the line is empty.
bool ParseMovetextStep(Game& game, QStringView& line, MovetextState& state);

// Reads PGN text, line by line, as a file is read: the tag section, then
// the movetext up to the first termination marker.
class PgnReader {
 public:
  explicit PgnReader(Game& game) : game_(game) {}
  // One line without its line end. Returns true when the game has ended
  // and nothing more is to be read.
  bool FeedLine(QStringView line);

 private:
  void ReadTagLine(QStringView line);
  void ReadStartPosition(const QString& fen);

  Game& game_;
  bool inTags_ = true;
  MovetextState state_;
};

// Resets the game and reads the text into it (the file-independent part of
// LoadGameFile). Lines end with CR LF, CR or LF.
void ReadGameText(Game& game, QStringView text);

// Reads a game file into the game: the game's own file (GameFileName), or
// autosavePath when fromAutosave, after which the game has no file name.
// An ordinary game is shown from its first position, the autosave game at
// its last. An ordinary file that cannot be read is reported with
// "Error Open File: " and the path. Returns false when the file could not
// be read; the game is then a new, empty one.
bool LoadGameFile(Game& game, bool fromAutosave, const QString& autosavePath);

// The File menu's game commands, the prompt to save a changed game, and the
// import of moves from a text file or the clipboard.
#pragma once

#include <QString>

class Game;
struct Settings;

// Asks whether to save a changed game before it is replaced or closed.
// Returns true when the caller must cancel what it was about to do: the
// user cancelled, or the game could not be saved.
bool QuerySaveChanges(Game& game, const Settings& settings);

// Asks for a game file and loads it.
void OpenGameFile(Game& game);

// Save: to the game's own file, or Save As when it has none.
void SaveGame(Game& game);

// Asks for a new file name and saves the game there. Returns true when the
// game was saved under the new name.
bool SaveGameAs(Game& game);

// Append the moves read from a text file (or the clipboard) to the end of
// the game. Every termination marker sets the result without ending the
// import; illegal moves are skipped. A clipboard text that begins with
// "{$fen <position>}" starts a new game from that position first.
void ImportMovesFromFile(Game& game);
void ImportMovesFromClipboard(Game& game, const Settings& settings);

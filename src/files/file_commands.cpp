#include "files/file_commands.h"

#include "files/pgn_reader.h"
#include "files/pgn_writer.h"
#include "files/text_decoding.h"
#include "game/game.h"
#include "game/titles.h"

namespace {

// Feeds one line of imported text through the movetext reader; a
// termination marker does not end the import.
void ImportLine(Game& game, QStringView line, MovetextState& state) {
  while (!line.isEmpty()) ParseMovetextStep(game, line, state);
}

void FinishImport(Game& game) {
  game.view().RefreshGameView(false);
  game.MarkGameModified();
}

}  // namespace

bool QuerySaveChanges(Game& game, const Settings& settings) {
  if (!settings.PromptSave || !game.GameModified) return false;
  const QString text =
      (game.GameFileName.isEmpty() ? QString("The game has changed.")
                                   : "The game in the " + game.GameFileName + " has changed.") +
      "\n\nDo you want to save the changes?";
  switch (game.ui().MessageBoxWithIcon(text, MsgButtons::YesNoCancel, {}, MsgIcon::Warning)) {
    case MsgAnswer::Yes:
      // A game that could not be saved is kept: the caller cancels.
      if (!game.GameFileName.isEmpty()) return !SaveGameFile(game, false, {});
      return !SaveGameAs(game);
    case MsgAnswer::No:
      return false;
    default:
      return true;
  }
}

void OpenGameFile(Game& game) {
  const QString path = game.ui().OpenFileDialog("Open", "Game files (*.pgn)|*.pgn|All files|*.*");
  if (path.isEmpty()) return;
  game.GameFileName = path;
  LoadGameFile(game, false, {});
}

void SaveGame(Game& game) {
  if (game.GameFileName.isEmpty()) {
    SaveGameAs(game);
    return;
  }
  SaveGameFile(game, false, {});
}

bool SaveGameAs(Game& game) {
  const QString path =
      AskFileName(game.ui(), "Save As", "Portable Game Notations", "pgn", GameTitle(game));
  if (path.isEmpty()) return false;
  game.GameFileName = path;
  game.view().RefreshCaption();
  return SaveGameFile(game, false, {});
}

void ImportMovesFromFile(Game& game) {
  const QString path = AskFileName(game.ui(), "Load Moves from Text File", "Text files", "txt", {});
  if (path.isEmpty()) return;
  MovetextState state;
  bool atEnd = false;
  const bool opened = ForEachFileLine(path, [&](QStringView line) {
    if (!atEnd) {
      game.GoToPly(game.LastPly);  // the moves are appended at the end of the game
      atEnd = true;
    }
    ImportLine(game, line, state);
    return false;
  });
  if (!opened) {
    game.ui().MessageBoxWithIcon("Error Open File: " + path, MsgButtons::Ok, {}, MsgIcon::Warning);
    return;
  }
  game.GoToPly(game.LastPly);
  FinishImport(game);
}

void ImportMovesFromClipboard(Game& game, const Settings& settings) {
  game.GoToPly(game.LastPly);
  QString text = game.ui().ClipboardText();
  const qsizetype close = text.indexOf('}');
  if (text.startsWith(u"{$fen ") && close >= 0) {
    if (QuerySaveChanges(game, settings)) {
      game.view().RefreshGameView(false);
      return;
    }
    game.LoadPosition(text.mid(6, close - 6), false);
    text = text.mid(close + 1);
  }
  MovetextState state;
  ForEachLine(text, [&](QStringView line) {
    ImportLine(game, line, state);
    return false;
  });
  FinishImport(game);
}

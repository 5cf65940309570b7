// The File menu and the move imports, connected to the game-files part.
#include <QAction>

#include "files/file_commands.h"
#include "files/pgn_reader.h"
#include "files/pgn_view_dialog.h"
#include "files/pgn_writer.h"
#include "files/tag_editor_dialog.h"
#include "shell/main_window.h"
#include "shell/talvor_app.h"

void TalvorApp::ConnectFileCommands() {
  MainWindow& w = *window;
  MainMenus& m = w.menus;
  const auto on = [&w](QAction* action, auto handler) {
    action->setEnabled(true);
    QObject::connect(action, &QAction::triggered, &w, handler);
  };

  on(m.mnFileNew, [this] {
    if (!QuerySaveChanges(game, settings)) RequestNewGame();
  });
  on(m.mnFileOpen, [this] {
    if (!QuerySaveChanges(game, settings)) OpenGameFile(game);
  });
  on(m.mnFileSave, [this] { SaveGame(game); });
  m.mnFileSave->setEnabled(game.GameModified);
  on(m.mnFileSaveAs, [this] { SaveGameAs(game); });
  on(m.mnFilePgn, [this] {
    SaveGameFile(game, true, AutosavePath());
    PgnViewDialog dialog(AutosavePath(), ui, settings.TopMost, window.get());
    dialog.exec();
  });
  on(m.mnFileTags, [this] {
    TagEditorDialog dialog(game, settings.TopMost, window.get());
    if (dialog.exec() == QDialog::Accepted) RefreshGamePanel();
  });
  on(m.mnMoveImport, [this] { ImportMovesFromFile(game); });
  on(m.mnMovePaste, [this] { ImportMovesFromClipboard(game, settings); });
}

void TalvorApp::LoadAutosaveGame() {
  const bool read = LoadGameFile(game, true, AutosavePath());
  if (!read || (game.StandardStart && game.LastPly == 0)) ApplyPlayModeForRestoredGame();
}

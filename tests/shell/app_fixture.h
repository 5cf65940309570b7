// The real application with its main window, driven headless: settings in
// a temporary folder, gateways that answer and record.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "board/board_geometry.h"
#include "board/board_view.h"
#include "fake_gateways.h"
#include "shell/main_window.h"
#include "shell/talvor_app.h"

// Board square of a name such as "e4".
inline int Sq(const char* name) {
  return (8 - (name[1] - '0')) * 16 + (name[0] - 'a') + 4;
}

class AppTest : public ::testing::Test {
 protected:
  QString SettingsPath() const { return dir.filePath("settings.ini"); }

  // Starts the program with the given command line; prepare may fill the
  // settings store first (animation and the Startup dialog are off and the
  // computer plays no side unless it says otherwise).
  void Launch(const QStringList& arguments = {},
              const std::function<void(QSettings&)>& prepare = {}) {
    {
      QSettings store(SettingsPath(), QSettings::IniFormat);
      store.setValue("Options/MoveDelay", "0");
      store.setValue("Options/ShowNew", "0");     // no Startup dialog at start-up
      store.setValue("Options/EnginePlay", "0");  // and no computer side
      if (prepare) prepare(store);
    }
    app = std::make_unique<TalvorApp>(AppPaths{TALVOR_APP_DIR, SettingsPath(), dir.path() + "/"},
                                      arguments, &ui);
    app->Start();
  }

  MainWindow& Window() { return *app->window; }

  void Click(const char* square) {
    BoardView* board = Window().board;
    const int index = SquareToScreen(Sq(square), board->Flipped());
    QTest::mouseClick(board, Qt::LeftButton, {}, board->SquareRect(index).center());
  }

  QStringList Lines() {
    QStringList lines;
    for (int i = 0; i < Window().lstMoveText->count(); ++i)
      lines << Window().lstMoveText->item(i)->text();
    return lines;
  }

  // Runs action once the next modal dialog is open.
  template <typename Dialog>
  void WhenDialogOpens(std::function<void(Dialog*)> action) {
    QTimer::singleShot(0, [action] {
      auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      action(dialog);
    });
  }

  QTemporaryDir dir;
  FakeGateways ui;
  std::unique_ptr<TalvorApp> app;
};

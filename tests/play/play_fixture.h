// The real application for the play rules: the clock's time source is a
// number the test moves on, and the play tick runs when the test says so.
#pragma once

#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include "app_fixture.h"
#include "engine/engine.h"
#include "play/play.h"

class PlayTest : public AppTest {
 protected:
  // Starts the program in the default play mode, alternation (so the
  // computer plays Black in the first game); the clock then reads fakeNow.
  void LaunchPlay(const QStringList& arguments = {},
                  const std::function<void(QSettings&)>& prepare = {}) {
    Launch(arguments, [&](QSettings& store) {
      store.setValue("Options/EnginePlay", "3");
      if (prepare) prepare(store);
    });
    app->play->SetTimeSource([this] { return fakeNow; });
    app->game.LastMoveTime = fakeNow;
  }

  // Moves the clock on by seconds and runs one pass of the play tick.
  void Pass(double seconds) {
    fakeNow += seconds;
    app->PlayTick();
  }

  // Every clock setting at once, as the level dialog would store them.
  static std::function<void(QSettings&)> TimeControl(int minutes, bool incMode, int incMove,
                                                     int incTime) {
    return [=](QSettings& store) {
      store.setValue("Timer/Depth", "0");
      store.setValue("Timer/InitTime", QString::number(minutes));
      store.setValue("Timer/IncMode", incMode ? "1" : "0");
      store.setValue("Timer/IncMove", QString::number(incMove));
      store.setValue("Timer/IncTime", QString::number(incTime));
    };
  }

  void Type(const QString& move) {
    Window().txtMove->setText(move);
    QTest::keyClick(Window().txtMove, Qt::Key_Return);
  }

  Engine& engine() { return *app->engine; }
  const Clocks& clocks() { return app->clocks; }
  MainMenus& menus() { return Window().menus; }

  QStringList MessageTexts() const {
    QStringList texts;
    for (const ShownMessage& message : ui.messages) texts << message.text;
    return texts;
  }

  double fakeNow = 1000.0;
};

// The engine commands of the main window and the screen side of the engine:
// menus and buttons that follow the engine's state, the status panels.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "engine/engine.h"
#include "engine/engine_settings_dialog.h"
#include "files/file_commands.h"
#include "play/play.h"
#include "shell/main_window.h"
#include "shell/talvor_app.h"

void TalvorApp::ConnectEngineCommands() {
  MainWindow& w = *window;
  MainMenus& m = w.menus;
  const auto on = [&w](QAction* action, auto handler) {
    QObject::connect(action, &QAction::triggered, &w, handler);
  };
  m.mnEngineLoad->setEnabled(true);
  on(m.mnEngineLoad, [this] { engine->AskAndLoadEngine(); });
  on(m.mnEngineSet, [this] { ShowEngineSettings(); });
  on(m.mnEngineWhite, [this] { engine->ToggleComputerWhite(); });
  on(m.mnEngineBlack, [this] { engine->ToggleComputerBlack(); });
  on(m.mnEnginePonder, [this] { engine->TogglePonder(); });
  on(m.mnEngineAnalyze, [this] { engine->ToggleAnalysis(); });
  on(m.mnEngineStop, [this] {
    if (engine->EngineState > kEngineStopping) engine->StopEngine();
  });
  on(m.mnHelpEngine, [this] { engine->ShowEngineInfo(); });
  AddTickStep([this] { engine->ComputerTurnStep(); },
              [this] { return engine->ComputerMoveWaiting(); });
}

void TalvorApp::ShowEngineSettings() {
  // A position typed into the console replaces the game once the user lets
  // it go (the save prompt answers true to cancel).
  EngineSettingsDialog dialog(
      *engine, settings, game, ui, [this] { return QuerySaveChanges(game, settings); },
      window.get());
  dialog.exec();
}

void TalvorApp::SetThinkingUi(bool thinking) {
  MainMenus& m = window->menus;
  // Commands that change the position or the engine's setting rest while it
  // searches; only those that were usable come back afterwards.
  const QList<QAction*> busy = {
      m.mnPosEdit,     m.mnPosPaste, m.mnPosLoad, m.mnTalvorPlay, m.mnTalvorHandicap_->menuAction(),
      m.mnEngineLevel, m.mnEngineSet};
  if (thinking) {
    play->EndDemo();
    for (QAction* action : busy)
      if (action->isEnabled() && !restAfterSearch_.contains(action)) restAfterSearch_ << action;
    for (QAction* action : busy) action->setEnabled(false);
  } else {
    for (QAction* action : restAfterSearch_) action->setEnabled(true);
    restAfterSearch_.clear();
  }
  m.mnEngineStop->setEnabled(thinking);
}

void TalvorApp::EnableEngineUi(bool enabled) {
  MainMenus& m = window->menus;
  restAfterSearch_.clear();
  for (QAction* action :
       {m.mnEngineSet, m.mnEngineWhite, m.mnEngineBlack, m.mnEngineAnalyze, m.mnHelpEngine})
    action->setEnabled(enabled);
  m.mnEnginePonder->setEnabled(false);
  m.mnEngineStop->setEnabled(false);
  if (!enabled) {
    clocks.ClockRunning = false;
    m.mnEngineLevel->setChecked(false);
  }
  RefreshGamePanel();
}

void TalvorApp::ShowEngineFlags() {
  MainMenus& m = window->menus;
  m.mnEngineWhite->setChecked(engine->ComputerWhite);
  m.mnEngineBlack->setChecked(engine->ComputerBlack);
  m.mnEnginePonder->setEnabled(engine->PonderAllowed && engine->EngineState > kEngineNone);
  m.mnEnginePonder->setChecked(engine->PonderOn);
  m.mnEngineAnalyze->setChecked(engine->AnalysisShown);
}

void TalvorApp::SetStatusPanel(StatusPanel panel, const QString& text) {
  MainWindow& w = *window;
  QLabel* label = panel == StatusPanel::Curr  ? w.stbCurr
                  : panel == StatusPanel::Nps ? w.stbNps
                  : panel == StatusPanel::Pv  ? w.stbPv
                                              : w.stbMsg;
  label->setText(text);
}

void TalvorApp::FocusMainWindow() {
  window->activateWindow();
  window->txtMove->setFocus();
}

void TalvorApp::RequestTick() {
  ScheduleTick();
}

void TalvorApp::SidesChanged() {
  play->UpdateComputerSides();
}

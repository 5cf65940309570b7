// The play rules wired into the application: the Play object with its view
// of the main window and the engine, its commands and its tick steps.
#include <QAction>
#include <QLabel>
#include <QMenu>

#include "board/board_view.h"
#include "engine/engine.h"
#include "files/file_commands.h"
#include "play/play.h"
#include "shell/main_window.h"
#include "shell/talvor_app.h"

namespace {

class AppPlayHost : public PlayHost {
 public:
  explicit AppPlayHost(TalvorApp& app) : app_(app) {}

  QWidget* DialogParent() override { return app_.window.get(); }
  bool BoardFlipped() const override { return app_.window->board->Flipped(); }
  void SetBoardFlipped(bool flipped) override {
    app_.window->board->SetFlipped(flipped);
    app_.window->menus.mnPosFlip->setChecked(flipped);
    app_.RedrawBoard();
  }
  void ShowClockPanel(bool top, const ClockDisplay& display) override {
    const ClockPanel& panel = top ? app_.window->up : app_.window->down;
    panel.title->setText(display.title);
    panel.value->setText(display.value);
    panel.rule->setText(display.rule);
    panel.elapsed->setText(display.elapsed);
  }
  void ShowResultLabel(const QString& text) override { app_.window->lblResult->setText(text); }
  void ShowClockRunning(bool running) override {
    app_.window->menus.mnEngineLevel->setChecked(running);
  }
  void ShowDemoMode(bool on) override { app_.window->menus.mnTalvorPlay->setChecked(on); }
  void ScheduleTick() override { app_.ScheduleTick(); }

  bool EngineLoaded() const override { return engine().EngineState > kEngineNone; }
  void HaltEngine() override { engine().HaltEngine(); }
  void HoldEngine() override { engine().EngineState = kEngineHalted; }
  void EngineAnswered() override {
    // The engine's reply ended its search: halting it now must not send
    // "stop" and then wait in vain for a second reply.
    if (engine().EngineState == kEngineThinking) engine().EngineState = kEngineIdle;
  }
  ComputerSides Sides() const override { return {engine().ComputerWhite, engine().ComputerBlack}; }
  void SetSides(ComputerSides sides) override {
    engine().ComputerWhite = sides.white;
    engine().ComputerBlack = sides.black;
    app_.ShowEngineFlags();
  }
  void SetPonder(bool allowed, bool on) override {
    engine().PonderAllowed = allowed;
    engine().PonderOn = on;
    app_.ShowEngineFlags();
  }
  QString EngineName(int side) const override {
    const bool slave = side == 0 ? engine().SlaveWhite : engine().SlaveBlack;
    return slave ? engine().SlaveIdName : engine().EngineIdName;
  }
  void SetUserOfferedDraw(bool offered) override { engine().UserOfferedDraw = offered; }

  bool QuerySaveChanges() override { return !::QuerySaveChanges(app_.game, app_.settings); }

 private:
  Engine& engine() const { return *app_.engine; }

  TalvorApp& app_;
};

}  // namespace

void TalvorApp::CreatePlay() {
  playHost_ = std::make_unique<AppPlayHost>(*this);
  play = std::make_unique<Play>(game, settings, clocks, ui, *playHost_);
}

void TalvorApp::ConnectPlayCommands() {
  MainMenus& m = window->menus;
  const auto on = [this](QAction* action, auto handler) {
    action->setEnabled(true);
    QObject::connect(action, &QAction::triggered, window.get(), handler);
  };
  on(m.mnTalvorPlay, [this] { play->DemonstrateCommand(); });
  m.mnTalvorHandicap_->setEnabled(true);
  for (int i = 0; i < 7; ++i)
    if (i != 3) on(m.mnTalvorHandicap[i], [this, i] { play->HandicapCommand(i); });
  on(m.mnEngineLevel, [this] { play->LevelCommand(); });
  on(m.mnMoveResign, [this] { play->UserResigns(); });
  on(m.mnMoveDraw, [this] { play->DrawCommand(); });

  AddTickStep([this] { play->ClockStep(loop.InWait()); }, [this] { return play->NeedsTimer(); },
              true);
  AddTickStep([this] { play->DemoStep(); });
}

void TalvorApp::RequestNewGame() {
  play->RequestNewGame();
}

void TalvorApp::ApplyPlayModeForRestoredGame() {
  play->ApplyPlayMode(-1);
}

void TalvorApp::ResignSideToMove() {
  play->ResignSideToMove();
}

void TalvorApp::AgreeDraw() {
  play->AgreeDraw();
}

void TalvorApp::HandleEngineDrawOffer() {
  play->HandleEngineDrawOffer();
}

// The play tick: one pass of the program's own work besides engine lines
// (charging the clock, the demonstration, starting the computer's search,
// the music). It runs on a timer while some part needs it, and once right
// after any change that may start the engine; an idle program sleeps.
#include "shell/talvor_app.h"

void TalvorApp::AddTickStep(std::function<void()> step, std::function<bool()> needsTimer,
                            bool runsDuringWaits) {
  tickSteps_.push_back(std::move(step));
  tickDuringWaits_.push_back(runsDuringWaits);
  if (needsTimer) tickNeeds_.push_back(std::move(needsTimer));
}

void TalvorApp::ScheduleTick() {
  if (!tickPending_) {
    tickPending_ = true;
    QTimer::singleShot(0, &tickTimer_, [this] {
      tickPending_ = false;
      PlayTick();
    });
  }
}

void TalvorApp::PlayTick() {
  // Nothing re-enters the game while a blocking wait paints the window.
  if (loop.InWait()) {
    for (size_t i = 0; i < tickSteps_.size(); ++i)
      if (tickDuringWaits_[i]) tickSteps_[i]();
    ScheduleTickLater();
    return;
  }
  for (const auto& step : tickSteps_) step();
  UpdateTickTimer();
}

void TalvorApp::UpdateTickTimer() {
  bool needed = false;
  for (const auto& need : tickNeeds_) needed = needed || need();
  if (needed && !tickTimer_.isActive()) tickTimer_.start();
  if (!needed && tickTimer_.isActive()) tickTimer_.stop();
}

void TalvorApp::ScheduleTickLater() {
  if (!tickTimer_.isActive()) tickTimer_.start();
}

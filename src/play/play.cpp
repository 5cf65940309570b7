#include "play/play.h"

#include <QRandomGenerator>
#include <chrono>

#include "game/titles.h"
#include "play/game_end.h"
#include "play/level_dialog.h"
#include "play/levels.h"
#include "play/new_game_dialog.h"

namespace {

double SteadySeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

Play::Play(Game& game, Settings& settings, Clocks& clocks, Gateways& ui, PlayHost& host)
    : game_(game),
      settings_(settings),
      clocks_(clocks),
      ui_(ui),
      host_(host),
      now_(SteadySeconds),
      random_([] { return QRandomGenerator::global()->generateDouble(); }) {}

double Play::Now() const {
  return now_();
}

// --- Clocks ---

void Play::MoveRecorded(int side) {
  if (ApplyPerMoveRule(clocks_, side, settings_)) ShowClock(side);
}

void Play::SetClockRunning(bool running) {
  clocks_.ClockRunning = running;
  host_.ShowClockRunning(running);
}

void Play::ResetTimeControl() {
  StartTimeControl(clocks_, settings_);
  ShowClock(0);
  ShowClock(1);
  const ComputerSides sides = host_.Sides();
  if (!ClocksShouldRun(settings_.Depth, sides.white || sides.black)) {
    SetClockRunning(false);
    return;
  }
  SetClockRunning(true);
  game_.LastMoveTime = Now();
  host_.ScheduleTick();
}

void Play::ShowClock(int side) {
  if (side < 0) side = game_.EndSide;
  host_.ShowClockPanel(ClockPanelIsTop(side, host_.BoardFlipped()),
                       ClockDisplayFor(clocks_, side, settings_));
}

void Play::ClockStep(bool inWait) {
  const int side = game_.EndSide;
  // Inside a wait the user cannot read a message: the second that makes
  // the flag fall is left for the next ordinary pass.
  if (inWait && clocks_.TimeLeft[side] <= 0) return;
  const ChargeResult charge = ChargeClock(clocks_, side, Now(), game_.LastMoveTime);
  if (!charge.charged) return;
  ShowClock(side);
  if (!charge.flagFell) return;
  game_.GameResult = side == 0 ? 3 : 1;
  game_.MarkGameModified();
  host_.ShowResultLabel(PlayersTitle(game_));
  ui_.MessageBoxWithIcon(FlagFellText(side), MsgButtons::Ok, {}, MsgIcon::Information);
}

bool Play::NeedsTimer() const {
  const bool counting = clocks_.ClockRunning && !clocks_.FlagFell[game_.EndSide];
  return counting || (demoMode_ && game_.CurPly < game_.LastPly);
}

// --- Demonstrate ---

void Play::DemoStep() {
  if (!demoMode_ || game_.CurPly >= game_.LastPly) return;
  const double now = Now();
  if (now < game_.LastMoveTime) game_.LastMoveTime = now;
  if (now <= game_.LastMoveTime + settings_.PlayIntv) return;
  game_.LastMoveTime = now;
  game_.StepForward(4 * settings_.PlayIntv, true);
  game_.view().RefreshGameView(false);
}

void Play::DemonstrateCommand() {
  demoMode_ = game_.CurPly < game_.LastPly && !demoMode_;
  host_.ShowDemoMode(demoMode_);
  if (demoMode_) host_.ScheduleTick();
}

void Play::EndDemo() {
  demoMode_ = false;
  host_.ShowDemoMode(false);
}

// --- New games and sides ---

void Play::NewGameStarted() {
  ResetClocksForNewGame(clocks_, settings_);
  host_.ShowClockRunning(false);
  demoMode_ = settings_.AutoPlay;
  host_.ShowDemoMode(demoMode_);
}

bool Play::ComputerPlays(int side) const {
  const ComputerSides sides = host_.Sides();
  return side == 0 ? sides.white : sides.black;
}

void Play::RequestNewGame() {
  if (settings_.ShowNew) {
    ShowStartupDialog();
    return;
  }
  game_.GameFileName.clear();
  StartNewGame();
  ApplyPlayMode(-1);
}

void Play::StartNewGame() {
  game_.NewGame(false, false);
  game_.view().RedrawBoard();
  game_.view().RefreshGamePanel();
  game_.view().RefreshGameView(false);
}

void Play::ShowStartupDialog() {
  const int color = StartupColorFor(settings_.EnginePlay, NextComputerWhite, random_());
  NewGameDialog dialog(settings_.Depth, color, settings_.ShowNew, settings_.TopMost, ui_,
                       host_.DialogParent());
  dialog.onMoreLevels = [this] {
    ShowLevelDialog();
    return settings_.Depth;
  };
  const bool confirmed = dialog.exec() == QDialog::Accepted;
  settings_.ShowNew = dialog.ShowNewChecked();
  if (!confirmed) return;

  if (dialog.LevelPosition() < kNamedLevelCount) settings_.Depth = -1 - dialog.LevelPosition();
  game_.GameFileName.clear();
  const int handicap = dialog.Handicap();
  if (handicap >= 1 && handicap <= 3) {
    game_.LoadPosition(HandicapFen(handicap), false);
  } else {
    StartNewGame();
  }
  const int chosen = dialog.Color();
  ApplyPlayMode(ModeForStartupColor(chosen));
  if (settings_.EnginePlay == kModeAlternation) NextComputerWhite = chosen == kColorWhite;
}

void Play::ApplyPlayMode(int mode) {
  ui_.PlaySound("NEWGAME");
  if (!host_.EngineLoaded()) return;
  const ComputerSides sides =
      SidesForMode(mode < 0 ? settings_.EnginePlay : mode, NextComputerWhite, random_());
  host_.SetSides(sides);
  if (sides.white || sides.black) UpdateComputerSides();
}

void Play::UpdateComputerSides() {
  const ComputerSides sides = host_.Sides();
  if (sides.white != sides.black) {
    host_.SetPonder(true, settings_.AlwaysPonder);
    if (settings_.AutoFlip) host_.SetBoardFlipped(sides.white);
  } else {
    host_.SetPonder(false, false);
  }
  if (settings_.EngineName) {
    const PlayerNames names = PlayerNamesFor(settings_.User, LevelName(settings_.Depth), sides,
                                             host_.EngineName(0), host_.EngineName(1));
    game_.TagWhite = names.white;
    game_.TagBlack = names.black;
  }
  game_.view().RefreshGamePanel();
  ResetTimeControl();
}

void Play::HandicapCommand(int index) {
  if (index < 0 || index > 6 || index == 3) return;
  if (!host_.QuerySaveChanges()) return;
  game_.LoadPosition(HandicapFen(HandicapOfMenuEntry(index)), false);
  ApplyPlayMode(ModeOfMenuEntry(index));
}

// --- Levels ---

void Play::LevelCommand() {
  if (clocks_.ClockRunning) {
    SetClockRunning(false);
    return;
  }
  ShowLevelDialog();
  host_.ShowClockRunning(clocks_.ClockRunning);
}

bool Play::ShowLevelDialog() {
  LevelDialog dialog(settings_, ui_, host_.DialogParent());
  if (dialog.exec() != QDialog::Accepted) return false;
  ResetTimeControl();
  return true;
}

// --- Game end ---

void Play::ShowGameEnded() {
  host_.ShowResultLabel(PlayersTitle(game_));
  SetClockRunning(false);
  if (!host_.EngineLoaded()) return;
  host_.HaltEngine();
  const ComputerSides sides = host_.Sides();
  if (sides.white || sides.black) host_.HoldEngine();
}

void Play::AnnounceResult(const QString& message, MsgIcon icon) {
  // The move or the result that ended the game is a change of the game,
  // even when the caller has not yet marked it: the save prompt below must
  // not let it go unsaved.
  game_.MarkGameModified();
  ui_.PlaySound(GameEndSound(icon));
  if (game_.MatedKingSquare > 0) game_.view().DrawSquare(game_.MatedKingSquare, false, true);
  if (!settings_.TryAgain) {
    ui_.MessageBoxWithIcon(message, MsgButtons::Ok, {}, icon);
    return;
  }
  if (ui_.MessageBoxWithIcon(message + "\n\nStart another game?", MsgButtons::YesNo, {}, icon) !=
      MsgAnswer::Yes)
    return;
  if (host_.QuerySaveChanges()) RequestNewGame();
}

void Play::ResignSideToMove() {
  host_.EngineAnswered();
  const int side = game_.EndSide;
  game_.GameResult = side == 0 ? 3 : 1;
  ShowGameEnded();
  AnnounceResult(ResignText(side), MsgIcon::Win);
}

void Play::UserResigns() {
  if (ui_.MessageBoxWithIcon(kResignQuestion, MsgButtons::YesNo, {}, MsgIcon::Question) !=
      MsgAnswer::Yes)
    return;
  const int side = game_.EndSide;
  game_.GameResult = side == 0 ? 3 : 1;
  ShowGameEnded();
  AnnounceResult(ResignText(side), MsgIcon::Loss);
}

void Play::AgreeDraw() {
  host_.EngineAnswered();
  game_.GameResult = 2;
  ShowGameEnded();
  AnnounceResult("Draw agreed.", MsgIcon::Draw);
}

void Play::HandleEngineDrawOffer() {
  host_.SetUserOfferedDraw(true);
  if (ComputerPlays(game_.EndSide)) return;
  ui_.MessageBoxWithIcon(DrawOfferText(game_.EndSide), MsgButtons::Ok, {}, MsgIcon::Information);
}

void Play::DrawCommand() {
  ui_.MessageBoxWithIcon(kDrawNotAvailable, MsgButtons::Ok, {}, MsgIcon::Warning);
}

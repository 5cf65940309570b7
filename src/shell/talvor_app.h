// The application object: created by main(), it owns the settings, the
// rules library's opening table, the game, the main window and every other
// part, starts them in order, connects the window's commands to them, and
// brings the screen in line with the game (it is the game's view).
#pragma once

#include <QList>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "engine/engine_events.h"
#include "game/clocks.h"
#include "game/game.h"
#include "shell/main_loop.h"
#include "shell/settings.h"

class Engine;
class InstanceLock;
class QAction;
class MainWindow;
class MoveInput;
class PiecePictures;
class Play;
class PlayHost;

struct AppPaths {
  QString appDir;        // the program folder, ending with "/": data files are read from it
  QString settingsFile;  // the settings store; empty for the current user's store
  QString dataDir;       // the per-user data folder, ending with "/"
};

class TalvorApp : public GameView, public EngineEvents {
 public:
  // ui: the gateways to use; null for the desktop's.
  TalvorApp(const AppPaths& paths, const QStringList& arguments, Gateways* ui = nullptr);
  ~TalvorApp() override;

  // Reads the settings, builds and shows the main window and acts on the
  // command line.
  void Start();
  // After the main loop ended normally: writes the settings and releases
  // what was loaded. Nothing is written when the program ends otherwise.
  void Shutdown();

  // GameView
  void DrawSquare(int square, bool highlighted, bool mated) override;
  void AnimateMove(int from, int to, int steps) override;
  void InsertMoveLine(int index, const QString& text) override;
  void RemoveMoveLine(int index) override;
  void SetMoveLine(int index, const QString& text) override;
  void RedrawBoard() override;
  void RefreshGamePanel() override;
  void RefreshGameView(bool speak) override;
  void RefreshCaption() override;
  void RefreshOpeningLabel() override;
  void ResetViewForNewGame() override;
  void SetSaveEnabled(bool enabled) override;

  bool ComputerPlays(int side) const;

  // EngineEvents (talvor_engine.cpp)
  void SetThinkingUi(bool thinking) override;
  void EnableEngineUi(bool enabled) override;
  void ShowEngineFlags() override;
  void SetStatusPanel(StatusPanel panel, const QString& text) override;
  void FocusMainWindow() override;
  void RequestTick() override;
  void SidesChanged() override;
  // EngineEvents of the play rules (talvor_play.cpp)
  void ResignSideToMove() override;
  void AgreeDraw() override;
  void HandleEngineDrawOffer() override;

  // The play tick. Parts add their steps in the order they must run (clock,
  // demonstration, the computer's turn, music), each with an optional test
  // of whether it needs the timer to keep running (a running clock, a
  // demonstration, a computer move still to start). A step that runs
  // during waits also runs while a blocking wait paints the window (the
  // clock keeps counting then); it must not re-enter the game.
  void AddTickStep(std::function<void()> step, std::function<bool()> needsTimer = {},
                   bool runsDuringWaits = false);
  // Runs one pass soon, once (after a move, a new game, a side change...).
  void ScheduleTick();
  void PlayTick();

  // Game files (talvor_files.cpp). The autosave game lives in the per-user
  // data folder.
  QString AutosavePath() const { return paths.dataDir + "AUTOSAVE.PGN"; }
  void LoadAutosaveGame();
  // The play part's reaction to a restored game that has no moves.
  void ApplyPlayModeForRestoredGame();
  // New Game once the save prompt has passed (talvor_play.cpp): the
  // Startup dialog, or a game in the play mode.
  void RequestNewGame();

  const AppPaths paths;
  const QString AppDir;
  bool IsSecondInstance = false;
  int ProcessorCount = 1;
  Settings settings;
  Gateways& ui;
  MainLoop loop;
  EcoTable eco;
  Game game;
  std::unique_ptr<PiecePictures> pictures;
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<MoveInput> input;
  Clocks clocks;
  std::unique_ptr<Engine> engine;
  std::unique_ptr<Play> play;
  // The move whose two squares are drawn highlighted, 0 when none.
  int32_t LastMoveShown = 0;

 private:
  void ApplyStartupView();
  void ConnectCommands();
  void ConnectEngineCommands();
  void ShowEngineSettings();
  void ConnectFileCommands();
  void CreatePlay();
  void ConnectPlayCommands();
  void ActOnCommandLine();
  bool Unload();
  void Rotate();
  void SetAnimation(int index);
  void ToggleCoordinates();
  void ToggleStatusBar();
  void ToggleTopMost();
  void ShowPreferences();
  void ListRowChanged(int row);
  int PromotionChoice(int side);

  std::unique_ptr<Gateways> desktopGateways_;
  std::unique_ptr<QSettings> store_;
  std::unique_ptr<InstanceLock> instanceLock_;
  std::unique_ptr<PlayHost> playHost_;
  void UpdateTickTimer();
  void ScheduleTickLater();

  QStringList arguments_;
  std::vector<std::function<void()>> tickSteps_;
  std::vector<std::function<bool()>> tickNeeds_;
  std::vector<bool> tickDuringWaits_;
  QTimer tickTimer_;
  bool tickPending_ = false;
  bool syncingList_ = false;         // the program itself is changing the move list
  QList<QAction*> restAfterSearch_;  // commands resting while the engine searches
  bool startedEmptyGame_ = false;    // the command line left a new, empty game
};

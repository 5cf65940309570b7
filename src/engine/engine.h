// The engine conversation: the main engine and an optional slave engine
// that plays one colour, the UCI handshake, the search commands, reading
// engine output one line per event-loop pass, the engine log and the
// analysis window. One object, owned by the application, holds all of it.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>

#include "engine/analysis_window.h"
#include "engine/engine_events.h"
#include "engine/engine_pipe.h"
#include "game/clocks.h"
#include "game/game.h"
#include "shell/main_loop.h"

class QWidget;

inline constexpr int kEngineNone = 0;        // no main engine loaded
inline constexpr int kEngineIdle = 1;        // loaded; the play tick may start a search
inline constexpr int kEngineHalted = 2;      // loaded; nothing starts by itself
inline constexpr int kEnginePonderDone = 3;  // a ponder search ended; its reply is held
inline constexpr int kEngineStopping = 4;    // "stop" was sent; the coming bestmove is dropped
inline constexpr int kEngineAnalysing = 5;   // "go infinite" on the shown position
inline constexpr int kEngineThinking = 6;    // searching the computer's own move
inline constexpr int kEnginePondering = 7;   // searching on the user's expected move

class Engine : public QObject, public EngineLink {
 public:
  Engine(Game& game, Settings& settings, const Clocks& clocks, Gateways& ui, MainLoop& loop,
         EngineEvents& events);
  ~Engine() override;

  int EngineState = kEngineNone;
  bool ComputerWhite = false, ComputerBlack = false, PonderOn = false, AnalysisShown = false,
       UserOfferedDraw = false;
  QString EnginePath, EngineIdName, EngineIdAuthor, SlaveIdName;
  bool SlaveWhite = false, SlaveBlack = false;
  // "Ponder" can be switched on: the computer plays exactly one colour.
  bool PonderAllowed = false;
  int ProcessorCount = 1;
  // Limits of the blocking waits, in milliseconds.
  int HandshakeLimitMs = 60000;
  int StopLimitMs = 10000;
  // The analysis window's owner and the place it keeps its offset from.
  QWidget* mainWindow = nullptr;

  // Loading (start-up selection in two halves: the process starts first,
  // the handshake is completed once the main window exists).
  void BeginStartup(const QString& appDir);
  void FinishStartup();
  void LoadEngine(bool showInfo);
  void LoadSlaveEngine();
  void UnloadEngine();
  void UnloadSlaveEngine();
  void ShowEngineInfo();
  // "Load Engine...": asks for a file and loads it as the main engine.
  void AskAndLoadEngine();
  void SendToEngine(const QString& line, bool toSlave);
  void LogEngineLine(const QString& line, bool fromSlave);
  void EnableEngineCommands(bool enabled);
  void SendEngineOptions(bool toSlave);

  // Searches.
  void StartSearch();
  static QString MoveToUci(const BoardRecord& board, int32_t move);
  void StopEngine();
  void HaltEngine() override;
  // The computer's-turn step of the play tick.
  void ComputerTurnStep();
  // The play tick must keep running: a computer move waits for speech.
  bool ComputerMoveWaiting() const;
  bool SlaveToMove() const;
  // The shown position changed (the game view refreshed).
  void ViewChanged();

  // Output.
  bool PollEngine();
  void ParseInfo(const QString& line);
  void AppendAnalysis(const QString& text);

  // Sides, pondering, analysis window.
  void ToggleComputerWhite();
  void ToggleComputerBlack();
  void TogglePonder();
  void ToggleAnalysis();
  AnalysisWindow* analysisWindow() const { return think_; }

  // While set, every line of the main engine goes here instead of being
  // handled (the Engine Settings console); onEnd runs when the engine ends.
  void SetConsole(std::function<void(const QString&)> reader, std::function<void()> onEnd);

  // EngineLink
  void BeforeMove(int32_t move) override;
  void AfterMove(int32_t move) override;
  void BeforeTruncate() override;
  void BeforeNewGame(bool noEngineReset) override;

  BoardRecord ThinkBoard{};
  int SearchDepth = 0;
  int LegalMoveCount = 0;
  int32_t PonderMove = 0;
  QString PonderMoveSan;
  int32_t PonderReply = 0, NextPonderMove = 0;
  bool EngineResigns = false, EngineOffersDraw = false;

  EnginePipe MainPipe, SlavePipe;

 private:
  enum class Handshake { Ok, Ended, TimedOut };
  void StartMainProcess();
  void CompleteMainLoad(bool showInfo);
  Handshake RunHandshake(EnginePipe& pipe, bool slave, QString& name, QString& author);
  void ReportLoadFailure(const QString& path, Handshake result);
  void HandleBestMove(const QString& line);
  void EngineEnded(bool slave);
  void SchedulePoll(int ms = 0);
  void PollPass();
  void SetSide(bool white);
  void ShowAnalysisWindow();
  void AnalysisClosed();
  long long ElapsedMs() const { return clock_.elapsed() - searchStart_; }

  Game& game_;
  Settings& settings_;
  const Clocks& clocks_;
  Gateways& ui_;
  MainLoop& loop_;
  EngineEvents& events_;
  QElapsedTimer clock_;
  long long searchStart_ = 0;
  long long handshakeStart_ = 0;
  bool startupUsable_ = false;
  QTimer pollTimer_;
  bool polling_ = false;
  QPointer<AnalysisWindow> think_;
  std::function<void(const QString&)> console_;
  std::function<void()> consoleEnd_;
};

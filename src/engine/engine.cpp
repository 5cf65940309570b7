#include "engine/engine.h"

#include <QStandardPaths>

#include "engine/engine_log.h"
#include "engine/engine_options.h"

namespace {

// Engines have no extension here: every file is listed and GetAppType decides.
constexpr const char* kEngineFilter = "Engine files (*)|*";

constexpr const char* kCpuSentence =
    "Your CPU may be overloaded. Exit Chess Talvor and launch again later.";

// The default engine: "stockfish" beside the program, else the one on the
// path (Debian installs it in /usr/games, which is not always on it).
QString DefaultEnginePath(const QString& appDir) {
  const QString beside = appDir + "stockfish";
  if (GetAppType(beside) == 3) return beside;
  QString found = QStandardPaths::findExecutable("stockfish");
  if (found.isEmpty()) found = QStandardPaths::findExecutable("stockfish", {"/usr/games"});
  return found.isEmpty() ? beside : found;
}

}  // namespace

Engine::Engine(Game& game, Settings& settings, const Clocks& clocks, Gateways& ui, MainLoop& loop,
               EngineEvents& events)
    : game_(game), settings_(settings), clocks_(clocks), ui_(ui), loop_(loop), events_(events) {
  clock_.start();
  pollTimer_.setSingleShot(true);
  connect(&pollTimer_, &QTimer::timeout, this, [this] { PollPass(); });
  connect(&MainPipe, &EnginePipe::readable, this, [this] { SchedulePoll(); });
  connect(&SlavePipe, &EnginePipe::readable, this, [this] { SchedulePoll(); });
}

Engine::~Engine() {
  delete think_.data();
}

void Engine::BeginStartup(const QString& appDir) {
  EnginePath = settings_.FileName;
  if (GetAppType(EnginePath) != 3) {
    EnginePath = DefaultEnginePath(appDir);
    settings_.BookFiles.clear();
  }
  startupUsable_ = GetAppType(EnginePath) == 3;
  if (startupUsable_) StartMainProcess();
}

void Engine::FinishStartup() {
  if (startupUsable_) {
    CompleteMainLoad(false);
    return;
  }
  ui_.MessageBoxWithIcon("Unable to load engine: " + EnginePath, MsgButtons::Ok, {},
                         MsgIcon::Warning);
  EnginePath.clear();
  settings_.FileName.clear();
  EnableEngineCommands(false);
  events_.RefreshCaption();
}

void Engine::AskAndLoadEngine() {
  const QString path = ui_.OpenFileDialog("Load Engine", kEngineFilter);
  if (path.isEmpty()) return;
  if (GetAppType(path) != 3) {
    ui_.MessageBoxWithIcon(path + " is not an engine file.", MsgButtons::Ok, {}, MsgIcon::Warning);
    return;
  }
  EnginePath = path;
  LoadEngine(true);
}

void Engine::LoadEngine(bool showInfo) {
  if (EngineState > kEngineNone) UnloadEngine();
  if (EnginePath.isEmpty()) {
    EnableEngineCommands(false);
    events_.RefreshCaption();
    return;
  }
  StartMainProcess();
  CompleteMainLoad(showInfo);
}

void Engine::StartMainProcess() {
  MainPipe.PipeOpen(EnginePath);
  SendToEngine("uci", false);
  handshakeStart_ = clock_.elapsed();
  EngineIdName.clear();
  EngineIdAuthor.clear();
}

void Engine::CompleteMainLoad(bool showInfo) {
  const Handshake result = RunHandshake(MainPipe, false, EngineIdName, EngineIdAuthor);
  if (result == Handshake::Ok) {
    EngineState = kEngineIdle;
    SlaveWhite = SlaveBlack = false;
    SendEngineOptions(false);
    if (showInfo) ShowEngineInfo();
  } else {
    SendToEngine("quit", false);
    MainPipe.PipeClose();
    ReportLoadFailure(EnginePath, result);
    EnginePath.clear();
  }
  settings_.FileName = EnginePath;
  EnableEngineCommands(result == Handshake::Ok);
  events_.RefreshCaption();
  SchedulePoll();  // lines that followed "uciok" are read as ordinary output
}

Engine::Handshake Engine::RunHandshake(EnginePipe& pipe, bool slave, QString& name,
                                       QString& author) {
  for (;;) {
    if (const auto line = pipe.PipeLineInput()) {
      LogEngineLine(*line, slave);
      if (line->startsWith("id name ")) {
        name = line->mid(8);
      } else if (line->startsWith("id author ")) {
        author = line->mid(10);
      } else if (*line == "uciok") {
        return Handshake::Ok;
      }
      continue;
    }
    if (pipe.PipeEof()) return Handshake::Ended;
    const long long left = HandshakeLimitMs - (clock_.elapsed() - handshakeStart_);
    if (left <= 0) return Handshake::TimedOut;
    // The user cannot act until the engine answers, but the window paints.
    pipe.WaitForOutput(static_cast<int>(std::min<long long>(left, 20)));
    loop_.ProcessPainting();
  }
}

void Engine::ReportLoadFailure(const QString& path, Handshake result) {
  QString text = "Unable to load engine: " + path;
  if (result == Handshake::TimedOut) text += QString("\n\n") + kCpuSentence;
  ui_.MessageBoxWithIcon(text, MsgButtons::Ok, {}, MsgIcon::Warning);
}

void Engine::LoadSlaveEngine() {
  if (SlaveWhite || SlaveBlack) {
    UnloadSlaveEngine();
    ui_.MessageBoxWithIcon("Slave engine is unloaded.", MsgButtons::Ok, {}, MsgIcon::Information);
    return;
  }
  const QString path = ui_.OpenFileDialog("Load Slave Engine", kEngineFilter);
  if (path.isEmpty()) return;
  if (GetAppType(path) != 3) {
    ui_.MessageBoxWithIcon(path + " is not an engine file.", MsgButtons::Ok, {}, MsgIcon::Warning);
    return;
  }
  SlavePipe.PipeOpen(path);
  SendToEngine("uci", true);
  handshakeStart_ = clock_.elapsed();
  QString author;
  SlaveIdName.clear();
  const Handshake result = RunHandshake(SlavePipe, true, SlaveIdName, author);
  if (result == Handshake::Ok) {
    SlaveBlack = true;
    ui_.MessageBoxWithIcon("Engine Name: " + SlaveIdName + "\n\nDesigned by: " + author,
                           MsgButtons::Ok, {}, MsgIcon::Information);
    SendEngineOptions(true);
  } else {
    SendToEngine("quit", true);
    SlavePipe.PipeClose();
    ReportLoadFailure(path, result);
  }
}

void Engine::UnloadEngine() {
  HaltEngine();
  if (SlaveWhite || SlaveBlack) UnloadSlaveEngine();
  SendToEngine("quit", false);
  MainPipe.PipeClose();
  EngineState = kEngineNone;
}

void Engine::UnloadSlaveEngine() {
  SendToEngine("quit", true);
  SlavePipe.PipeClose();
  SlaveWhite = SlaveBlack = false;
}

void Engine::ShowEngineInfo() {
  ui_.MessageBoxWithIcon("Engine: " + EngineIdName + "\n\nAuthor: " + EngineIdAuthor,
                         MsgButtons::Ok, {}, MsgIcon::Information);
}

void Engine::SendToEngine(const QString& line, bool toSlave) {
  (toSlave ? SlavePipe : MainPipe).PipeLineOutput(line);
  if (settings_.EngineLog && !settings_.LogFile.isEmpty())
    AppendEngineLog(settings_.LogFile, line,
                    toSlave ? LogDirection::SentToSlave : LogDirection::SentToMain);
}

void Engine::LogEngineLine(const QString& line, bool fromSlave) {
  if (settings_.EngineLog && !settings_.LogFile.isEmpty())
    AppendEngineLog(settings_.LogFile, line,
                    fromSlave ? LogDirection::FromSlave : LogDirection::FromMain);
}

void Engine::SendEngineOptions(bool toSlave) {
  for (const QString& line : EngineOptionLines(settings_, ProcessorCount))
    SendToEngine(line, toSlave);
}

void Engine::EnableEngineCommands(bool enabled) {
  ComputerWhite = ComputerBlack = false;
  PonderOn = PonderAllowed = false;
  if (AnalysisShown) ToggleAnalysis();
  events_.EnableEngineUi(enabled);
  events_.ShowEngineFlags();
}

void Engine::SetConsole(std::function<void(const QString&)> reader, std::function<void()> onEnd) {
  console_ = std::move(reader);
  consoleEnd_ = std::move(onEnd);
  SchedulePoll();
}

void Engine::SchedulePoll(int ms) {
  if (!pollTimer_.isActive() || ms == 0) pollTimer_.start(ms);
}

// One engine line per event-loop pass, so window events interleave with a
// burst of output. Nothing is read while a blocking wait paints the window
// or while a line is being handled (a message box of its own).
void Engine::PollPass() {
  if (loop_.InWait() || polling_) {
    SchedulePoll(10);
    return;
  }
  polling_ = true;
  bool handled = false;
  if (console_) {
    // Copies: the console may be closed, and these reset, by the call.
    if (const auto line = MainPipe.PipeLineInput()) {
      LogEngineLine(*line, false);
      const auto reader = console_;
      reader(*line);
      handled = true;
    } else if (MainPipe.PipeEof() && consoleEnd_) {
      const auto end = consoleEnd_;
      end();
    }
  } else {
    handled = PollEngine();
  }
  polling_ = false;
  if (handled) SchedulePoll();
}

void Engine::ToggleComputerWhite() {
  SetSide(true);
}
void Engine::ToggleComputerBlack() {
  SetSide(false);
}

void Engine::SetSide(bool white) {
  // A search for the other colour's move keeps running.
  const bool otherSearching =
      white ? (ComputerBlack && game_.EndSide == 1) : (ComputerWhite && game_.EndSide == 0);
  if (!otherSearching) HaltEngine();
  bool& side = white ? ComputerWhite : ComputerBlack;
  side = !side;
  PonderOn = false;
  PonderAllowed = ComputerWhite != ComputerBlack;
  events_.SidesChanged();
  events_.ShowEngineFlags();
  events_.RequestTick();
}

void Engine::TogglePonder() {
  if (PonderOn && EngineState != kEngineThinking) HaltEngine();
  PonderOn = !PonderOn;
  events_.ShowEngineFlags();
}

void Engine::ToggleAnalysis() {
  if (AnalysisShown) {
    if (think_) think_->close();
    return;
  }
  ShowAnalysisWindow();
}

void Engine::ShowAnalysisWindow() {
  AnalysisShown = true;
  think_ = new AnalysisWindow(settings_, mainWindow);
  connect(think_.data(), &AnalysisWindow::closed, this, [this] { AnalysisClosed(); });
  think_->show();
  events_.ShowEngineFlags();
  events_.RequestTick();
}

void Engine::AnalysisClosed() {
  if (EngineState > kEngineNone && !ComputerWhite && !ComputerBlack) HaltEngine();
  AnalysisShown = false;
  if (think_) think_->deleteLater();
  think_ = nullptr;
  events_.ShowEngineFlags();
}

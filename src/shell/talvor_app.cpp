#include "shell/talvor_app.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QThread>

#include "board/board_geometry.h"
#include "board/board_view.h"
#include "board/move_input.h"
#include "board/piece_pictures.h"
#include "board/promotion_dialog.h"
#include "engine/engine.h"
#include "engine/engine_log.h"
#include "files/file_commands.h"
#include "files/pgn_reader.h"
#include "files/pgn_writer.h"
#include "files/position_file.h"
#include "game/titles.h"
#include "play/play.h"
#include "shell/command_line.h"
#include "shell/desktop_gateways.h"
#include "shell/instance_lock.h"
#include "shell/main_window.h"
#include "shell/preferences_dialog.h"
#include "shell/web_site.h"
#include "shell/window_utils.h"

namespace {

std::unique_ptr<QSettings> OpenStore(const QString& settingsFile) {
  if (settingsFile.isEmpty()) return OpenUserSettingsStore();
  return std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
}

Gateways& ChooseGateways(Gateways* given, std::unique_ptr<Gateways>& own, const QString& appDir) {
  if (given) return *given;
  own = std::make_unique<DesktopGateways>(appDir);
  return *own;
}

// Twips, the unit of stored window places, to pixels and back.
int Pixels(int twips) {
  return twips / 15;
}
int Twips(int pixels) {
  return pixels * 15;
}

}  // namespace

TalvorApp::TalvorApp(const AppPaths& appPaths, const QStringList& arguments, Gateways* given)
    : paths(appPaths),
      AppDir(appPaths.appDir),
      ui(ChooseGateways(given, desktopGateways_, appPaths.appDir)),
      game(settings, ui, eco),
      arguments_(arguments) {
  tickTimer_.setInterval(100);  // ten passes a second while something needs them
  QObject::connect(&tickTimer_, &QTimer::timeout, [this] { PlayTick(); });
}

TalvorApp::~TalvorApp() {
  game.SetLinks(nullptr, nullptr, nullptr);
  engine.reset();
  window.reset();
}

void TalvorApp::Start() {
  // Only the first instance keeps and restores the window's place.
  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  instanceLock_ = std::make_unique<InstanceLock>((runtime.isEmpty() ? QDir::tempPath() : runtime) +
                                                 "/chesstalvor.lock");
  IsSecondInstance = instanceLock_->SecondInstance();
  ProcessorCount = QThread::idealThreadCount();

  store_ = OpenStore(paths.settingsFile);
  const QScreen* screen = QGuiApplication::primaryScreen();
  const SettingsContext context{AppDir, QUrl(kWebSite).host(),
                                screen ? screen->size() : QSize(1024, 768)};
  LoadCommonSettings(*store_, context, settings);
  LoadSettings(*store_, context, settings);

  ChessInit();
  // The engine process starts now, so that its start overlaps ours; its
  // handshake is completed once the window exists.
  if (settings.EngineLog && !settings.LogFile.isEmpty()) ClearEngineLog(settings.LogFile);
  engine = std::make_unique<Engine>(game, settings, clocks, ui, loop, *this);
  engine->ProcessorCount = ProcessorCount;
  engine->BeginStartup(AppDir);
  ChessLoadEco(eco, (AppDir + "ECO.TXT").toStdString(), 2048);

  pictures = std::make_unique<PiecePictures>(AppDir + "IMAGES/");
  window = std::make_unique<MainWindow>(*pictures, loop, AppDir + "IMAGES/");
  input = std::make_unique<MoveInput>(game, ui, [this](int side) { return PromotionChoice(side); });
  CreatePlay();
  game.SetLinks(this, engine.get(), play.get());
  engine->mainWindow = window.get();
  ApplyStartupView();
  ConnectCommands();
  engine->FinishStartup();

  ActOnCommandLine();
  if (!IsSecondInstance) window->move(Pixels(settings.Left), Pixels(settings.Top));
  window->show();
  window->txtMove->setFocus();
  if (startedEmptyGame_) RequestNewGame();
}

void TalvorApp::ApplyStartupView() {
  MainWindow& w = *window;
  w.setWindowIcon(QIcon(AppDir + "IMAGES/TALVOR.svg"));
  w.lstMoveText->addItem(kStartLine);
  w.cmbAnnotation->addItems({"-", "!", "?", "!!", "??", "!?", "?!"});
  w.cmbAnnotation->setEnabled(false);
  SetAnimation(settings.MoveDelay);
  w.menus.mnOptionsCoordinates->setChecked(settings.Coordinates);
  w.menus.mnOptionsStatusBar->setChecked(settings.StatusBar);
  w.menus.mnOptionsTopMost->setChecked(settings.TopMost);
  w.board->SetCoordinatesShown(settings.Coordinates);
  w.statusBar()->setVisible(settings.StatusBar);
  if (settings.TopMost) SetTopMost(&w, true);
  RefreshCaption();
}

void TalvorApp::ActOnCommandLine() {
  const CommandLine command = ParseCommandLine(arguments_);
  if (command.kind == CommandLine::kGameFile) {
    game.GameFileName = command.text;
    LoadGameFile(game, false, AutosavePath());
    return;
  }
  if (command.kind == CommandLine::kEmpty && settings.AutoSave) {
    LoadAutosaveGame();
    return;
  }
  switch (command.kind) {
    case CommandLine::kPosition:
      game.LoadPosition(command.text, false);
      break;
    case CommandLine::kPositionFile:
      if (const auto text = ReadPositionFile(command.text)) {
        game.LoadPosition(*text, false);
        if (!text->isEmpty()) break;
      } else {
        ui.MessageBoxWithIcon("Error Open File: " + command.text, MsgButtons::Ok, {},
                              MsgIcon::Warning);
      }
      [[fallthrough]];
    default:
      game.GameFileName.clear();
      game.NewGame(false, false);
      RedrawBoard();
      RefreshGamePanel();
      RefreshGameView(false);
      startedEmptyGame_ = true;
  }
}

void TalvorApp::Shutdown() {
  SaveCommonSettings(*store_, settings);
  SaveSettings(*store_, settings);
  ChessUnloadEco(eco);
}

bool TalvorApp::Unload() {
  if (QuerySaveChanges(game, settings)) return false;
  if (engine->AnalysisShown) engine->ToggleAnalysis();
  if (engine->EngineState > kEngineNone) engine->UnloadEngine();
  if (settings.AutoSave) SaveGameFile(game, true, AutosavePath());
  if (!IsSecondInstance) {
    settings.Left = Twips(window->x());
    settings.Top = Twips(window->y());
  }
  return true;
}

// Engine timings, run by hand:
//   cmake --build build --target engine_bench talvor_test_engine
//   QT_QPA_PLATFORM=offscreen build/bin/engine_bench
// 1. From the moment the (test) engine writes "bestmove" to the move being
//    recorded in the move list (no animation, no delay): median.
// 2. Turning one info line with a 20-move main line into the panel text.
// 3. How many info lines a second the program handles (analysis window
//    shown) while an engine floods them.
// 4. Start-up with Stockfish: when the main window is shown, against when
//    Stockfish alone answers "uciok", measured in the same run.
#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "engine/engine.h"
#include "engine/info_line.h"
#include "fake_gateways.h"
#include "shell/main_window.h"
#include "shell/talvor_app.h"

namespace {

long long NowNs() {
  using namespace std::chrono;
  return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

std::unique_ptr<TalvorApp> StartApp(const QTemporaryDir& dir, FakeGateways& ui,
                                    const QString& enginePath) {
  const QString settingsPath = dir.filePath("settings.ini");
  {
    QSettings store(settingsPath, QSettings::IniFormat);
    store.setValue("Options/MoveDelay", "0");
    store.setValue("Options/ShowNew", "0");    // no Startup dialog to answer
    store.setValue("Options/EnginePlay", "0");  // the benchmark chooses the sides
    store.setValue("Engine/FileName", enginePath);
  }
  auto app = std::make_unique<TalvorApp>(AppPaths{TALVOR_APP_DIR, settingsPath, dir.path() + "/"},
                                         QStringList(), &ui);
  app->Start();
  return app;
}

void BestMoveToRecordedMove() {
  QTemporaryDir dir;
  const QString record = dir.filePath("received.txt");
  const QString script = dir.filePath("script.txt");
  QFile file(script);
  file.open(QIODevice::WriteOnly);
  file.write("on go\ntimed bestmove e2e4\n");
  file.close();
  qputenv("TALVOR_TEST_ENGINE_SCRIPT", script.toUtf8());
  qputenv("TALVOR_TEST_ENGINE_RECORD", record.toUtf8());
  FakeGateways ui;
  auto app = StartApp(dir, ui, TALVOR_TEST_ENGINE);
  std::vector<long long> recorded;
  // A plain event loop, as the program runs: QTest::qWaitFor would sleep
  // between its passes.
  QEventLoop wait;
  QObject::connect(app->window->lstMoveText->model(), &QAbstractItemModel::rowsInserted, [&] {
    recorded.push_back(NowNs());
    wait.quit();
  });
  const int rounds = 200;
  for (int i = 0; i < rounds; ++i) {
    app->game.NewGame(false, false);
    app->RedrawBoard();
    app->RefreshGameView(false);
    const size_t before = recorded.size();
    app->window->menus.mnEngineWhite->trigger();
    QTimer::singleShot(5000, &wait, &QEventLoop::quit);
    wait.exec();
    if (recorded.size() == before) {
      std::printf("bestmove round %d: no move recorded\n", i);
      return;
    }
  }
  QFile times(record + ".times");
  times.open(QIODevice::ReadOnly);
  const QList<QByteArray> written = times.readAll().split('\n');
  std::vector<double> delays;
  for (int i = 0; i < rounds && i < written.size() && size_t(i) < recorded.size(); ++i)
    delays.push_back((recorded[i] - written[i].toLongLong()) / 1e6);
  std::printf("bestmove written -> move recorded: median %.3f ms (%zu rounds)\n", Median(delays),
              delays.size());
}

void InfoLineToPanelText() {
  ChessInit();
  BoardRecord board{};
  ChessFen2Board(board, kStandardFen);
  const QString line =
      "info depth 24 seldepth 33 multipv 1 score cp 31 nodes 20000000 nps 1500000 time 13000 pv "
      "e2e4 e7e5 g1f3 b8c6 f1b5 a7a6 b5a4 g8f6 e1g1 f8e7 f1e1 b7b5 a4b3 d7d6 c2c3 e8g8 h2h3 c6a5 "
      "b3c2 c7c5";
  const int rounds = 100000;
  QElapsedTimer timer;
  timer.start();
  qsizetype sink = 0;
  for (int i = 0; i < rounds; ++i) {
    const InfoLine info = ParseInfoLine(line);
    sink += PvText(*info.depth, info.score, board, info.pv, nullptr).size();
  }
  const double us = timer.nsecsElapsed() / 1e3 / rounds;
  std::printf("info line with a 20-move pv -> panel text: %.2f us (text %lld chars)\n", us,
              static_cast<long long>(sink / rounds));
}

void FloodThroughput() {
  QTemporaryDir dir;
  const QString script = dir.filePath("script.txt");
  QFile file(script);
  file.open(QIODevice::WriteOnly);
  file.write("on go\nflood 100000\nprint bestmove e2e4\n");
  file.close();
  qputenv("TALVOR_TEST_ENGINE_SCRIPT", script.toUtf8());
  qputenv("TALVOR_TEST_ENGINE_RECORD", dir.filePath("received.txt").toUtf8());
  FakeGateways ui;
  auto app = StartApp(dir, ui, TALVOR_TEST_ENGINE);
  QElapsedTimer timer;
  timer.start();
  app->window->menus.mnEngineAnalyze->trigger();
  // The analysis ends in Halted on the bestmove after the last info line.
  // A plain event loop, as the program runs.
  QEventLoop wait;
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, [&] {
    if (app->engine->EngineState == kEngineHalted || timer.elapsed() > 120000) wait.quit();
  });
  check.start(20);
  wait.exec();
  if (app->engine->EngineState != kEngineHalted) {
    std::printf("flood: not drained (state %d)\n", app->engine->EngineState);
    return;
  }
  std::printf(
      "flood of 100000 info lines (sent at about 100,000 a second): handled in %.2f s, "
      "%.0f lines a second\n",
      timer.elapsed() / 1000.0, 100000 / (timer.elapsed() / 1000.0));
}

// Time from starting Stockfish alone to its "uciok".
double StockfishAloneMs(const QString& path) {
  QProcess process;
  const long long start = NowNs();
  process.start(path, {});
  process.write("uci\n");
  QByteArray output;
  while (!output.contains("uciok\n") && process.waitForReadyRead(5000)) output += process.readAll();
  const double ms = (NowNs() - start) / 1e6;
  process.write("quit\n");
  process.waitForFinished(2000);
  return ms;
}

void StartUp() {
  const QString stockfish = QStandardPaths::findExecutable("stockfish", {"/usr/games", "/usr/bin"});
  if (stockfish.isEmpty()) {
    std::printf("start-up: stockfish not found\n");
    return;
  }
  std::vector<double> alone, shown;
  for (int i = 0; i < 7; ++i) {
    alone.push_back(StockfishAloneMs(stockfish));
    QTemporaryDir dir;
    FakeGateways ui;
    const long long start = NowNs();
    auto app = StartApp(dir, ui, stockfish);
    QApplication::processEvents();
    shown.push_back((NowNs() - start) / 1e6);
    if (!app->window->isVisible() || app->engine->EngineState != kEngineIdle)
      std::printf("start-up: the engine did not load\n");
  }
  std::printf(
      "start-up: Stockfish alone answers uciok after %.1f ms (median); main window "
      "shown after %.1f ms (median): %.1f ms later\n",
      Median(alone), Median(shown), Median(shown) - Median(alone));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  InfoLineToPanelText();
  BestMoveToRecordedMove();
  FloodThroughput();
  StartUp();
  return 0;
}

// The real application with the scriptable test engine (or a real engine)
// as its main engine: scripts and the engine's record of received lines
// live in the test's temporary folder.
#pragma once

#include <signal.h>

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>

#include "app_fixture.h"
#include "engine/engine.h"

class EngineTest : public AppTest {
 protected:
  void SetUp() override {
    qputenv("TALVOR_TEST_ENGINE_RECORD", RecordPath().toUtf8());
    UseScript("");
  }
  void TearDown() override {
    qunsetenv("TALVOR_TEST_ENGINE_SCRIPT");
    qunsetenv("TALVOR_TEST_ENGINE_RECORD");
  }

  QString RecordPath() const { return dir.filePath("received.txt"); }

  // The script the next test engine started follows.
  void UseScript(const QString& text) {
    const QString path = dir.filePath(QString("script%1.txt").arg(++scripts_));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text.toUtf8());
    file.close();
    qputenv("TALVOR_TEST_ENGINE_SCRIPT", path.toUtf8());
  }

  // Starts the program with the test engine (following script) as its engine.
  void LaunchWithTestEngine(const QString& script = {},
                            const std::function<void(QSettings&)>& prepare = {}) {
    UseScript(script);
    Launch({}, [&](QSettings& store) {
      store.setValue("Engine/FileName", TALVOR_TEST_ENGINE);
      if (prepare) prepare(store);
    });
  }

  Engine& engine() { return *app->engine; }

  // Lines the test engine received, in order.
  QStringList Received() const {
    QFile file(RecordPath());
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
  }
  // Received lines starting with prefix.
  QStringList ReceivedStarting(const QString& prefix) const {
    QStringList lines;
    for (const QString& line : Received())
      if (line.startsWith(prefix)) lines << line;
    return lines;
  }
  bool WaitForReceived(const QString& line, int ms = 5000) {
    return QTest::qWaitFor([&] { return Received().contains(line); }, ms);
  }
  bool WaitForState(int state, int ms = 5000) {
    return QTest::qWaitFor([&] { return engine().EngineState == state; }, ms);
  }

  // Kills the last test engine started (its id is in the record's .pid file).
  void KillTestEngine() {
    QFile file(RecordPath() + ".pid");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const pid_t pid = file.readAll().trimmed().toInt();
    ASSERT_GT(pid, 0);
    ::kill(pid, SIGKILL);
  }

  // Loads a fresh test engine following script as the main engine.
  void ReloadTestEngine(const QString& script) {
    UseScript(script);
    QFile::remove(RecordPath());
    engine().EnginePath = TALVOR_TEST_ENGINE;
    engine().LoadEngine(false);
  }

  QString Panel(QLabel* label) { return label->text(); }

 private:
  int scripts_ = 0;
};

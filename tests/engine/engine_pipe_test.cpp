#include "engine/engine_pipe.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

namespace {

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes,
                  bool executable) {
  const QString path = dir.filePath(name);
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(bytes);
  file.close();
  if (executable) file.setPermissions(file.permissions() | QFile::ExeOwner);
  return path;
}

TEST(GetAppType, ExecutablesAndScriptsAreEngines) {
  QTemporaryDir dir;
  EXPECT_EQ(GetAppType(TALVOR_TEST_ENGINE), 3);
  EXPECT_EQ(GetAppType(WriteFile(dir, "script", "#!/bin/sh\necho uciok\n", true)), 3);
  EXPECT_EQ(GetAppType(WriteFile(dir, "text", "just text\n", true)), 0);
  EXPECT_EQ(GetAppType(WriteFile(dir, "notexec", "#!/bin/sh\n", false)), 0);
  EXPECT_EQ(GetAppType(WriteFile(dir, "empty", "", true)), 0);
  EXPECT_EQ(GetAppType(dir.filePath("missing")), 0);
  EXPECT_EQ(GetAppType(dir.path()), 0);  // a folder
  EXPECT_EQ(GetAppType(""), 0);
}

// Reads lines until count arrived or the process ended.
QStringList ReadLines(EnginePipe& pipe, int count) {
  QStringList lines;
  QElapsedTimer timer;
  timer.start();
  while (lines.size() < count && timer.elapsed() < 5000) {
    if (const auto line = pipe.PipeLineInput()) {
      lines << *line;
    } else if (pipe.PipeEof()) {
      break;
    } else {
      pipe.WaitForOutput(50);
    }
  }
  return lines;
}

TEST(EnginePipe, LinesEndingInCrLfOrLfAndALastUnendedLine) {
  QTemporaryDir dir;
  const QString script =
      WriteFile(dir, "lines", "#!/bin/sh\nprintf 'one\\r\\ntwo\\n\\nthree'\n", true);
  EnginePipe pipe;
  pipe.PipeOpen(script);
  EXPECT_EQ(ReadLines(pipe, 4), QStringList({"one", "two", "", "three"}));
  EXPECT_FALSE(pipe.PipeLineInput());
  EXPECT_TRUE(pipe.PipeEof());
  pipe.PipeClose();
  pipe.PipeClose();  // harmless twice
}

TEST(EnginePipe, ReadingNeverWaits) {
  QTemporaryDir dir;
  const QString script = WriteFile(dir, "slow", "#!/bin/sh\nsleep 5\n", true);
  EnginePipe pipe;
  pipe.PipeOpen(script);
  QElapsedTimer timer;
  timer.start();
  EXPECT_FALSE(pipe.PipeLineInput());
  EXPECT_FALSE(pipe.PipeEof());
  EXPECT_LT(timer.elapsed(), 100);
}

TEST(EnginePipe, CloseEndsAProcessThatIgnoresQuit) {
  QTemporaryDir dir;
  const QString script =
      WriteFile(dir, "stubborn",
                "#!/bin/sh\ntrap '' TERM\necho $$ > " + dir.filePath("pid").toUtf8() +
                    "\nwhile :; do sleep 1; done\n",
                true);
  EnginePipe pipe;
  pipe.PipeOpen(script);
  QElapsedTimer timer;
  timer.start();
  while (!QFile::exists(dir.filePath("pid")) && timer.elapsed() < 5000) pipe.WaitForOutput(20);
  QFile pidFile(dir.filePath("pid"));
  ASSERT_TRUE(pidFile.open(QIODevice::ReadOnly));
  const pid_t pid = pidFile.readAll().trimmed().toInt();
  ASSERT_GT(pid, 0);
  pipe.PipeLineOutput("quit");
  timer.restart();
  pipe.PipeClose();
  EXPECT_LT(timer.elapsed(), 3000);
  // Gone and reaped: no such process, not even a zombie.
  EXPECT_NE(kill(pid, 0), 0);
}

TEST(EnginePipe, AProgramThatCannotStartEndsAtOnce) {
  EnginePipe pipe;
  pipe.PipeOpen("/nonexistent/engine");
  QCoreApplication::processEvents();
  EXPECT_FALSE(pipe.PipeLineInput());
  EXPECT_TRUE(pipe.PipeEof());
}

}  // namespace

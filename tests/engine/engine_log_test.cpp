#include "engine/engine_log.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(EngineLog, EntriesAreColouredByDirection) {
  EXPECT_EQ(EngineLogEntry("uci", LogDirection::SentToMain),
            "<font color=\"red\">uci</font><br>\r\n");
  EXPECT_TRUE(
      EngineLogEntry("go", LogDirection::SentToSlave).startsWith("<font color=\"magenta\">"));
  EXPECT_TRUE(EngineLogEntry("uciok", LogDirection::FromMain).startsWith("<font color=\"blue\">"));
  EXPECT_TRUE(EngineLogEntry("uciok", LogDirection::FromSlave).startsWith("<font color=\"teal\">"));
}

TEST(EngineLog, EngineTextCannotInjectMarkup) {
  const QString entry =
      EngineLogEntry("info string <script>alert(1)</script> & more", LogDirection::FromMain);
  EXPECT_EQ(entry,
            "<font color=\"blue\">info string &lt;script&gt;alert(1)&lt;/script&gt; &amp; "
            "more</font><br>\r\n");
}

TEST(EngineLog, AppendsWithinARunAndIsEmptiedAtStart) {
  QTemporaryDir dir;
  const QString path = dir.filePath("engine.htm");
  AppendEngineLog(path, "uci", LogDirection::SentToMain);
  AppendEngineLog(path, "uciok", LogDirection::FromMain);
  EXPECT_EQ(Read(path),
            "<font color=\"red\">uci</font><br>\r\n<font color=\"blue\">uciok</font><br>\r\n");
  ClearEngineLog(path);
  EXPECT_EQ(Read(path), "");
}

TEST(EngineLog, ABadPathIsIgnored) {
  QTemporaryDir dir;
  const QString path = dir.filePath("missing/folder/engine.htm");
  AppendEngineLog(path, "uci", LogDirection::SentToMain);
  ClearEngineLog(path);
  EXPECT_FALSE(QFile::exists(path));
}

}  // namespace

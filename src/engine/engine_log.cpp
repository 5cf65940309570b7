#include "engine/engine_log.h"

#include <QFile>

QString EngineLogEntry(const QString& line, LogDirection direction) {
  const char* colour = "red";
  switch (direction) {
    case LogDirection::SentToMain:
      colour = "red";
      break;
    case LogDirection::SentToSlave:
      colour = "magenta";
      break;
    case LogDirection::FromMain:
      colour = "blue";
      break;
    case LogDirection::FromSlave:
      colour = "teal";
      break;
  }
  return QString("<font color=\"%1\">%2</font><br>\r\n").arg(colour, line.toHtmlEscaped());
}

void AppendEngineLog(const QString& path, const QString& line, LogDirection direction) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return;
  file.write(EngineLogEntry(line, direction).toUtf8());
}

void ClearEngineLog(const QString& path) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.close();
}

#include "files/position_file.h"

#include <QFile>

std::optional<QString> ReadPositionFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  // A position is a short line; a huge file without line breaks is not read whole.
  QByteArray line = file.readLine(4096);
  while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
  const int cr = line.indexOf('\r');
  if (cr >= 0) line.truncate(cr);
  return QString::fromUtf8(line);
}

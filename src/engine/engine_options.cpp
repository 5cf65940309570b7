#include "engine/engine_options.h"

#include <algorithm>

namespace {

QString Option(const QString& name, const QString& value) {
  return "setoption name " + name + " value " + value;
}

QString TrueFalse(bool on) {
  return on ? "true" : "false";
}

}  // namespace

QStringList EngineOptionLines(const Settings& s, int processorCount) {
  QStringList lines;
  lines << Option("OwnBook", TrueFalse(s.UseBook));
  if (!s.BookFiles.isEmpty()) lines << Option("Book File", s.BookFiles);
  lines << Option("Use Tablebases", TrueFalse(s.UseEgtb));
  if (!s.EgtbPaths.isEmpty()) lines << Option("NalimovPath", s.EgtbPaths);
  lines << Option("Hash", QString::number(16 << std::clamp(s.Hash, 0, 7)));
  const int threads = std::min(1 << std::clamp(s.Threads, 0, 9), std::max(processorCount, 1));
  lines << Option("Threads", QString::number(threads));
  lines << Option("Minimum Thinking Time", "0");
  lines << Option("Randomness", QString::number(std::clamp(s.Randomness, 0, 3) * 3));
  const int style = std::clamp(s.Style, 0, 2);
  lines << Option("Aggressiveness", QString::number(style * 100));
  lines << Option("Cowardice", QString::number(200 - style * 100));
  return lines;
}

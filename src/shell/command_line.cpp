#include "shell/command_line.h"

namespace {

QString Unquoted(const QString& text) {
  if (text.size() >= 2 && text.startsWith('"') && text.endsWith('"'))
    return text.mid(1, text.size() - 2);
  return text;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
  const QString line = arguments.join(' ');
  if (line.isEmpty()) return {};
  const QString head = line.left(3).toUpper();
  if (head == "/S " || head == "-S ") return {CommandLine::kPosition, Unquoted(line.mid(3))};
  if (head == "/F " || head == "-F ") return {CommandLine::kPositionFile, Unquoted(line.mid(3))};
  return {CommandLine::kGameFile, Unquoted(line)};
}

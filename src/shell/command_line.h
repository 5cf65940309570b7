// The command line: "/S <position>" or "-S <position>" sets up a position,
// "/F <file>" or "-F <file>" reads a position file, anything else names a
// game file, and nothing starts with the autosave game or a new game.
#pragma once

#include <QString>
#include <QStringList>

struct CommandLine {
  enum Kind { kEmpty, kPosition, kPositionFile, kGameFile };
  Kind kind = kEmpty;
  QString text;  // the position, or the path; one pair of surrounding quotes removed
};

// The arguments after the program name are read as one text, so a position
// may come as one argument or split over several.
CommandLine ParseCommandLine(const QStringList& arguments);

// Position files: a text file whose first line is a position (the four FEN
// fields, " 0 " and the move number).
#pragma once

#include <QString>
#include <optional>

// The first line of the file ("" for an empty file), or nothing when the
// file cannot be read.
std::optional<QString> ReadPositionFile(const QString& path);

// The HTML log of the engine conversation: one coloured line per command
// sent or line received.
#pragma once

#include <QString>

enum class LogDirection { SentToMain, SentToSlave, FromMain, FromSlave };

// The log entry of one line, with the exchanged text HTML-escaped so that
// an engine's output can never add markup to the page.
QString EngineLogEntry(const QString& line, LogDirection direction);
// Appends the entry to the file (created when missing). Errors are ignored.
void AppendEngineLog(const QString& path, const QString& line, LogDirection direction);
// Empties the log file at start-up. Errors are ignored.
void ClearEngineLog(const QString& path);

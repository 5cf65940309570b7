// One connection to an engine process: its standard input and output as
// lines of text. Output is buffered by the pipe, so reading never waits;
// readable() tells the owner when there is something to read.
#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <optional>

// 3 when the file can be started as an engine (a regular executable file:
// an ELF binary or a "#!" script); 0 for anything else, including a missing
// or unreadable file.
int GetAppType(const QString& path);

class EnginePipe : public QObject {
  Q_OBJECT

 public:
  EnginePipe();
  ~EnginePipe() override;

  // Starts the program at path (no arguments). The process gets a
  // parent-death signal, so it never outlives this program. Success shows
  // only in the handshake that follows.
  void PipeOpen(const QString& path);
  // Sends one line; the line end is added here.
  void PipeLineOutput(const QString& line);
  // The next complete line without its CR LF or LF; nothing when no
  // complete line is waiting. After the process ended, a last unterminated
  // line is returned as a line.
  std::optional<QString> PipeLineInput();
  // True when the process has ended and nothing more will arrive.
  bool PipeEof() const;
  // Ends the connection. A process still running after a short grace period
  // is killed and reaped. Harmless when not open.
  void PipeClose();

  // Waits in the kernel up to ms for output (used between painting passes
  // of a blocking wait).
  void WaitForOutput(int ms);

 signals:
  // Output arrived or the process ended.
  void readable();

 private:
  QProcess* process_ = nullptr;
};

#include "engine/engine_pipe.h"

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

namespace {

constexpr int kQuitGraceMs = 300;

}  // namespace

int GetAppType(const QString& path) {
  const QFileInfo info(path);
  if (path.isEmpty() || !info.isFile() || !info.isExecutable()) return 0;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return 0;
  const QByteArray head = file.read(4);
  if (head == QByteArray("\x7f"
                         "ELF",
                         4) ||
      head.startsWith("#!"))
    return 3;
  return 0;
}

EnginePipe::EnginePipe() = default;

EnginePipe::~EnginePipe() {
  PipeClose();
}

void EnginePipe::PipeOpen(const QString& path) {
  PipeClose();
  process_ = new QProcess(this);
  process_->setProcessChannelMode(QProcess::SeparateChannels);
  process_->setStandardErrorFile(QProcess::nullDevice());
  process_->setChildProcessModifier([] {
    // The engine ends with this program, even when this program crashes.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
  });
  connect(process_, &QProcess::readyReadStandardOutput, this, &EnginePipe::readable);
  connect(process_, &QProcess::finished, this, &EnginePipe::readable);
  connect(process_, &QProcess::errorOccurred, this, &EnginePipe::readable);
  process_->start(path, {}, QIODevice::ReadWrite);
}

void EnginePipe::PipeLineOutput(const QString& line) {
  if (!process_ || process_->state() == QProcess::NotRunning) return;
  process_->write(line.toUtf8() + '\n');
}

std::optional<QString> EnginePipe::PipeLineInput() {
  if (!process_) return std::nullopt;
  QByteArray bytes;
  if (process_->canReadLine()) {
    bytes = process_->readLine();
  } else if (process_->state() == QProcess::NotRunning && process_->bytesAvailable() > 0) {
    bytes = process_->readAll();
  } else {
    return std::nullopt;
  }
  if (bytes.endsWith('\n')) bytes.chop(1);
  if (bytes.endsWith('\r')) bytes.chop(1);
  return QString::fromUtf8(bytes);
}

bool EnginePipe::PipeEof() const {
  return !process_ ||
         (process_->state() == QProcess::NotRunning && process_->bytesAvailable() == 0);
}

void EnginePipe::PipeClose() {
  if (!process_) return;
  QProcess* process = process_;
  process_ = nullptr;
  process->disconnect(this);
  if (process->state() != QProcess::NotRunning) {
    process->closeWriteChannel();
    if (!process->waitForFinished(kQuitGraceMs)) {
      process->kill();
      process->waitForFinished(1000);
    }
  }
  delete process;
}

void EnginePipe::WaitForOutput(int ms) {
  if (process_ && process_->state() != QProcess::NotRunning) process_->waitForReadyRead(ms);
}

#include "shell/main_loop.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

void MainLoop::Wait(int milliseconds) {
  ++depth_;
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  --depth_;
}

void MainLoop::ProcessPainting() {
  ++depth_;
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  --depth_;
}

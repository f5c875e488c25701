#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>

/// Shows `window`, waits until the window system has exposed it and it has painted, and then
/// writes one byte to standard output, which the startup benchmark times the process to.
/// Both sides of the benchmark use this, so they are timed to the same moment.
inline int ShowAndSignal(QWidget& window) {
  window.show();
  QElapsedTimer waited;
  waited.start();
  while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) {
    if (waited.elapsed() > 10000) return 2;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  }
  QCoreApplication::processEvents();
  std::fputc('!', stdout);
  std::fflush(stdout);
  return 0;
}

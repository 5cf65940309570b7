#include "shell/window_utils.h"

#include <QWidget>

void SetTopMost(QWidget* window, bool topMost) {
  if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topMost) return;
  const bool visible = window->isVisible();
  window->setWindowFlag(Qt::WindowStaysOnTopHint, topMost);
  // Changing the flags hides a shown window; show it again where it was.
  if (visible) window->show();
}

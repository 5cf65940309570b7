// Keeping windows above others when the user asked for it.
#pragma once

class QWidget;

// Puts the window above all others, or back among them.
void SetTopMost(QWidget* window, bool topMost);
// What every dialog does when it opens: top-most when the setting is on.
inline void KeepOnTop(QWidget* window, bool topMostSetting) {
  if (topMostSetting) SetTopMost(window, true);
}

// The main window's controls: the board, the typed-move box, the game
// panel (player icons, clocks, titles), the move list with its annotation
// and comment, the menus, the toolbar and the status bar. The window only
// holds and lays out its controls; the application object connects them.
#pragma once

#include <QMainWindow>
#include <functional>

#include "shell/main_menus.h"

class BoardView;
class MainLoop;
class PiecePictures;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;

// The clock panel at the top or the bottom of the board.
struct ClockPanel {
  QLabel* icon;     // imgUp / imgDown: the player's picture
  QLabel* title;    // lblTimeLeftUp1: "Level" or "Timer"
  QLabel* value;    // lblTimeLeftUp: level name or time left
  QLabel* rule;     // lblTimeRuleUp
  QLabel* elapsed;  // lblTimeElapsedUp
};

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(const PiecePictures& pictures, MainLoop& loop, const QString& imagesDir);

  MainMenus menus;
  BoardView* board;
  QLineEdit* txtMove;
  QLabel* lblOpen;
  QLabel *lblEvent, *lblResult, *lblSiteDate;
  ClockPanel up, down;
  QListWidget* lstMoveText;
  QComboBox* cmbAnnotation;
  QPlainTextEdit* txtComment;
  // Status bar panels, by key.
  QLabel *stbCurr, *stbNps, *stbPv, *stbMsg;

  // Asked when the window is about to close; returning false keeps it open.
  std::function<bool()> onClose;
  // Called after every resize (the window re-applies always-on-top).
  std::function<void()> onResize;

 signals:
  void OpeningClicked();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildClockPanel(ClockPanel& panel, const char* side);
};

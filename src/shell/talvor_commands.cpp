// The main window's commands, connected to the parts that carry them out.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStatusBar>

#include "board/board_geometry.h"
#include "board/board_view.h"
#include "board/move_input.h"
#include "board/promotion_dialog.h"
#include "shell/main_window.h"
#include "shell/preferences_dialog.h"
#include "shell/talvor_app.h"
#include "shell/web_site.h"
#include "shell/window_utils.h"

void TalvorApp::ConnectCommands() {
  MainWindow& w = *window;
  MainMenus& m = w.menus;
  const auto on = [&w](QAction* action, auto handler) {
    action->setEnabled(true);
    QObject::connect(action, &QAction::triggered, &w, handler);
  };

  on(m.mnFileExit, [&w] { w.close(); });
  ConnectFileCommands();

  on(m.mnMoveStart, [this] { game.MoveStart(); });
  on(m.mnMoveBack, [this] { game.MoveBack(); });
  on(m.mnMoveForward, [this] { game.MoveForward(); });
  on(m.mnMoveEnd, [this] { game.MoveEnd(); });
  on(m.mnMoveRetract, [this] { game.Retract(); });
  on(m.mnMoveDel, [this] { game.DeleteMove(); });
  on(m.mnMoveType, [&w] { w.txtMove->setFocus(); });

  on(m.mnPosFlip, [this] { Rotate(); });

  on(m.mnOptionsSettings, [this] { ShowPreferences(); });
  for (int i = 0; i < 6; ++i) on(m.mnOptionsAnimation[i], [this, i] { SetAnimation(i); });
  on(m.mnOptionsCoordinates, [this] { ToggleCoordinates(); });
  on(m.mnOptionsStatusBar, [this] { ToggleStatusBar(); });
  on(m.mnOptionsTopMost, [this] { ToggleTopMost(); });
  // The play tick runs its steps in the order they were added: the play
  // rules' clock and demonstration steps come before the computer's turn.
  ConnectPlayCommands();
  ConnectEngineCommands();

  QObject::connect(w.board, &BoardView::SquarePressed, &w, [this](int index) {
    input->ClickSquare(ScreenToSquare(index, window->board->Flipped()));
  });
  QObject::connect(w.txtMove, &QLineEdit::returnPressed, &w, [this] {
    const QString text = window->txtMove->text();
    window->txtMove->clear();
    input->TypedMove(text);
  });
  QObject::connect(w.lstMoveText, &QListWidget::currentRowChanged, &w,
                   [this](int row) { ListRowChanged(row); });
  QObject::connect(w.cmbAnnotation, &QComboBox::activated, &w,
                   [this](int index) { game.SetAnnotation(index); });
  QObject::connect(w.txtComment, &QPlainTextEdit::textChanged, &w,
                   [this] { game.SetComment(window->txtComment->toPlainText()); });

  w.onClose = [this] { return Unload(); };
  w.onResize = [this] { KeepOnTop(window.get(), settings.TopMost); };
}

void TalvorApp::Rotate() {
  BoardView& board = *window->board;
  board.SetFlipped(!board.Flipped());
  window->menus.mnPosFlip->setChecked(board.Flipped());
  RedrawBoard();
  RefreshGamePanel();
}

void TalvorApp::SetAnimation(int index) {
  for (int i = 0; i < 6; ++i) window->menus.mnOptionsAnimation[i]->setChecked(i == index);
  settings.MoveDelay = index;
}

void TalvorApp::ToggleCoordinates() {
  settings.Coordinates = !settings.Coordinates;
  window->menus.mnOptionsCoordinates->setChecked(settings.Coordinates);
  window->board->SetCoordinatesShown(settings.Coordinates);
}

void TalvorApp::ToggleStatusBar() {
  settings.StatusBar = !settings.StatusBar;
  window->menus.mnOptionsStatusBar->setChecked(settings.StatusBar);
  QStatusBar* bar = window->statusBar();
  const int height = bar->sizeHint().height();
  bar->setVisible(settings.StatusBar);
  window->resize(window->width(), window->height() + (settings.StatusBar ? height : -height));
}

void TalvorApp::ToggleTopMost() {
  settings.TopMost = !settings.TopMost;
  window->menus.mnOptionsTopMost->setChecked(settings.TopMost);
  SetTopMost(window.get(), settings.TopMost);
}

void TalvorApp::ShowPreferences() {
  PreferencesDialog dialog(settings, ui, kWebSite, window.get());
  dialog.exec();
}

int TalvorApp::PromotionChoice(int side) {
  PromotionDialog dialog(*pictures, side, settings.TopMost, window.get());
  dialog.exec();
  return dialog.Choice();
}

// The application object as the game's view: the board pictures, the move
// list, the game panel and the enabling of the commands that depend on the
// shown ply.
#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>

#include "board/board_geometry.h"
#include "board/board_view.h"
#include "board/move_input.h"
#include "board/piece_pictures.h"
#include "engine/engine.h"
#include "game/titles.h"
#include "play/play.h"
#include "shell/main_window.h"
#include "shell/talvor_app.h"

void TalvorApp::DrawSquare(int square, bool highlighted, bool mated) {
  if (!IsBoardSquare(square)) return;
  const int content = game.Board.Squares[square];
  const int index = SquareToScreen(square, window->board->Flipped());
  window->board->SetPicture(index, SquareSlot(content, highlighted, mated, settings.Blindfold));
  if (mated && !settings.Blindfold) window->board->Shake(index);
}

void TalvorApp::AnimateMove(int from, int to, int steps) {
  const bool flipped = window->board->Flipped();
  window->board->Slide(SquareToScreen(from, flipped), SquareToScreen(to, flipped), steps);
}

void TalvorApp::InsertMoveLine(int index, const QString& text) {
  syncingList_ = true;
  window->lstMoveText->insertItem(index, text);
  syncingList_ = false;
}

void TalvorApp::RemoveMoveLine(int index) {
  syncingList_ = true;
  delete window->lstMoveText->takeItem(index);
  syncingList_ = false;
}

void TalvorApp::SetMoveLine(int index, const QString& text) {
  if (QListWidgetItem* item = window->lstMoveText->item(index)) item->setText(text);
}

void TalvorApp::RedrawBoard() {
  input->SelectedSquare = 0;
  game.MatedKingSquare = 0;
  for (int row = 0; row < 8; ++row)
    for (int column = 4; column < 12; ++column) DrawSquare(SquareAt(column, row), false, false);
}

bool TalvorApp::ComputerPlays(int side) const {
  return engine && (side == 0 ? engine->ComputerWhite : engine->ComputerBlack);
}

void TalvorApp::RefreshGamePanel() {
  MainWindow& w = *window;
  const auto icon = [this](int side) {
    if (ComputerPlays(side))
      return QIcon(AppDir + (side == 0 ? "IMAGES/ENGINEWHITE.svg" : "IMAGES/ENGINEBLACK.svg"))
          .pixmap(32, 32);
    return pictures->Picture(side == 0 ? 1 : 7, 32);
  };
  const bool flipped = w.board->Flipped();
  w.up.icon->setPixmap(icon(flipped ? 0 : 1));
  w.down.icon->setPixmap(icon(flipped ? 1 : 0));
  w.lblEvent->setText(EventTitle(game));
  w.lblResult->setText(PlayersTitle(game));
  w.lblSiteDate->setText(SiteDateTitle(game));
  w.lblOpen->setText(OpeningTitle(game));
  play->ShowClock(0);
  play->ShowClock(1);
}

void TalvorApp::RefreshGameView(bool) {
  MainWindow& w = *window;
  if (input->SelectedSquare > 0) {
    DrawSquare(input->SelectedSquare, false, false);
    input->SelectedSquare = 0;
  }
  if (game.MatedKingSquare > 0) {
    DrawSquare(game.MatedKingSquare, false, false);
    game.MatedKingSquare = 0;
  }
  if (LastMoveShown != 0) {
    DrawSquare(MoveFrom(LastMoveShown), false, false);
    DrawSquare(MoveTo(LastMoveShown), false, false);
    LastMoveShown = 0;
  }
  if (game.CurPly > 0) {
    LastMoveShown = game.GameMoves[game.CurPly];
    DrawSquare(MoveFrom(LastMoveShown), true, false);
    DrawSquare(MoveTo(LastMoveShown), true, false);
  }

  const bool atStart = game.CurPly == 0;
  const bool atEnd = game.CurPly == game.LastPly;
  for (QAction* action : {w.menus.mnMoveDel, w.menus.mnMoveStart, w.menus.mnMoveBack})
    action->setEnabled(!atStart);
  for (QAction* action : {w.menus.mnMoveForward, w.menus.mnMoveEnd}) action->setEnabled(!atEnd);
  w.menus.mnMoveRetract->setEnabled(atEnd && !atStart);
  if (atEnd) play->EndDemo();

  if (w.txtComment->toPlainText() != game.GameComments[game.CurPly])
    w.txtComment->setPlainText(game.GameComments[game.CurPly]);
  w.setWindowIcon(
      QIcon(AppDir + (game.EndSide == 0 ? "IMAGES/FORMWHITE.svg" : "IMAGES/FORMBLACK.svg")));
  w.menus.mnMoveDraw->setEnabled(play->UserToMove());
  w.menus.mnMoveResign->setEnabled(play->UserToMove());

  syncingList_ = true;
  w.lstMoveText->setCurrentRow(game.CurPly);
  syncingList_ = false;
  w.cmbAnnotation->setCurrentIndex(atStart ? 0 : game.GameNags[game.CurPly]);
  w.cmbAnnotation->setEnabled(!atStart);
  if (engine) engine->ViewChanged();  // analysis restarts on the shown position
  ScheduleTick();                     // the shown position changed: the engine may have to start
}

void TalvorApp::RefreshCaption() {
  QString name = QFileInfo(game.GameFileName).fileName();
  if (name.endsWith(".pgn", Qt::CaseInsensitive)) name.chop(4);
  if (name.isEmpty() && engine && engine->EngineState > kEngineNone) name = engine->EngineIdName;
  window->setWindowTitle(name.isEmpty() ? "Chess Talvor" : name + " - Chess Talvor");
}

void TalvorApp::RefreshOpeningLabel() {
  window->lblOpen->setText(OpeningTitle(game));
}

void TalvorApp::SetSaveEnabled(bool enabled) {
  window->menus.mnFileSave->setEnabled(enabled);  // the "FileSave" button is the same action
}

void TalvorApp::ResetViewForNewGame() {
  window->board->SetFlipped(false);
  window->menus.mnPosFlip->setChecked(false);
  LastMoveShown = 0;
}

void TalvorApp::ListRowChanged(int row) {
  if (syncingList_ || row < 0) return;
  game.ShowPly(row);
}

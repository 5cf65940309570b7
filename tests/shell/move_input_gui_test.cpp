#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

#include "app_fixture.h"
#include "board/move_input.h"
#include "board/piece_pictures.h"
#include "board/promotion_dialog.h"

namespace {

TEST_F(AppTest, ClickingAPieceAndItsTargetPlaysTheMove) {
  Launch();
  Click("e2");
  EXPECT_EQ(app->input->SelectedSquare, Sq("e2"));
  EXPECT_EQ(ui.sounds, QStringList({"NEWGAME", "CLICK"}));
  Click("e4");
  EXPECT_EQ(Lines(), QStringList({"==Start==", "1.e4"}));
  EXPECT_EQ(app->input->SelectedSquare, 0);
  // The move's squares are highlighted; the pawn's picture is on e4.
  BoardView* board = Window().board;
  EXPECT_EQ(board->PictureAt(SquareToScreen(Sq("e4"), false)), 6 + kHighlightOffset);
  EXPECT_EQ(board->PictureAt(SquareToScreen(Sq("e2"), false)), kHighlightOffset);
  EXPECT_EQ(Window().lstMoveText->currentRow(), 1);
}

TEST_F(AppTest, ARefusedClickKeepsTheSelectionAndAnEmptySquareAloneDoesNothing) {
  Launch();
  Click("e5");
  EXPECT_EQ(ui.sounds, QStringList({"NEWGAME"}));
  Click("g1");
  Click("g3");  // no knight move
  EXPECT_EQ(ui.sounds, QStringList({"NEWGAME", "CLICK", "ILLEGAL"}));
  EXPECT_EQ(app->input->SelectedSquare, Sq("g1"));
  Click("b1");  // another own piece takes the selection
  EXPECT_EQ(app->input->SelectedSquare, Sq("b1"));
  Click("c3");
  EXPECT_EQ(Lines(), QStringList({"==Start==", "1.Nc3"}));
}

TEST_F(AppTest, APromotionByClickAsksForThePieceOnlyWhenLegal) {
  Launch({"/S", "1r2k3/P7/8/8/8/8/8/4K3", "w", "-", "-", "0", "1"});
  Click("a7");
  Click("b7");  // not a promotion square reachable: refused without a dialog
  EXPECT_EQ(app->input->SelectedSquare, Sq("a7"));
  WhenDialogOpens<PromotionDialog>(
      [](PromotionDialog* dialog) { dialog->findChild<QToolButton*>("btnPiece(3)")->click(); });
  ui.answers.push_back(MsgAnswer::No);  // no other game after the drawn ending
  Click("b8");  // the capture promotes: the dialog asks, the knight is chosen
  EXPECT_EQ(Lines(), QStringList({"==Start==", "1.axb8=N"}));
  EXPECT_EQ(app->game.Board.Squares[Sq("b8")], 8 + 4);
}

TEST_F(AppTest, APromotionDialogClosedWithoutChoiceGivesAQueen) {
  Launch({"/S 4k3/P7/8/8/8/8/8/4K3 w - - 0 1"});
  WhenDialogOpens<PromotionDialog>([](PromotionDialog* dialog) { dialog->reject(); });
  Click("a7");
  Click("a8");
  EXPECT_EQ(Lines(), QStringList({"==Start==", "1.a8=Q+"}));
}

TEST_F(AppTest, OnARotatedBoardTheTopLeftSquareIsH1) {
  Launch();
  Window().menus.mnPosFlip->trigger();
  BoardView* board = Window().board;
  EXPECT_TRUE(board->Flipped());
  EXPECT_EQ(ScreenToSquare(0, true), Sq("h1"));
  EXPECT_EQ(board->PictureAt(0), 3);  // White rook
  QTest::mouseClick(board, Qt::LeftButton, {}, board->SquareRect(0).center());
  EXPECT_EQ(app->input->SelectedSquare, Sq("h1"));
  EXPECT_EQ(CoordinateText(0, true), "h1");
}

TEST_F(AppTest, TypedMovesArePlayedAndTheBoxIsAlwaysEmptied) {
  Launch();
  QLineEdit* box = Window().txtMove;
  QTest::keyClicks(box, "e4");
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_EQ(Lines(), QStringList({"==Start==", "1.e4"}));
  EXPECT_TRUE(box->text().isEmpty());
  QTest::keyClicks(box, "xyz");
  QTest::keyClick(box, Qt::Key_Return);
  EXPECT_TRUE(box->text().isEmpty());
  EXPECT_EQ(ui.sounds, QStringList({"NEWGAME", "MOVE", "ILLEGAL"}));
  EXPECT_EQ(Lines().size(), 2);
}

}  // namespace

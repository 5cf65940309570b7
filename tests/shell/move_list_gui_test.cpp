#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "app_fixture.h"

namespace {

class MoveListTest : public AppTest {
 protected:
  void Type(const QStringList& moves) {
    for (const QString& move : moves) {
      QTest::keyClicks(Window().txtMove, move);
      QTest::keyClick(Window().txtMove, Qt::Key_Return);
    }
  }
  const QStringList twenty = {"e4",  "e5", "Nf3", "Nc6", "Bb5", "a6",  "Ba4", "Nf6", "O-O", "Be7",
                              "Re1", "b5", "Bb3", "d6",  "c3",  "O-O", "h3",  "Nb8", "d4",  "Nbd7"};
};

TEST_F(MoveListTest, DeleteOnPlyFiveOfTwentyAsksOnceAndLeavesFourPlies) {
  Launch();
  Type(twenty);
  ASSERT_EQ(app->game.LastPly, 20);
  Window().lstMoveText->setCurrentRow(5);
  EXPECT_EQ(app->game.CurPly, 5);
  Window().menus.mnMoveDel->trigger();
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, "This will clear all later moves.\n\nDo you want to continue?");
  EXPECT_EQ(app->game.LastPly, 4);
  EXPECT_EQ(app->game.CurPly, 4);
  EXPECT_EQ(Lines().size(), 5);
  EXPECT_EQ(Window().lstMoveText->currentRow(), 4);
  EXPECT_FALSE(Window().menus.mnMoveForward->isEnabled());
  EXPECT_TRUE(Window().menus.mnMoveRetract->isEnabled());
}

TEST_F(MoveListTest, AnsweringNoToDeleteKeepsEverything) {
  Launch();
  Type(twenty);
  Window().lstMoveText->setCurrentRow(5);
  ui.answers = {MsgAnswer::No};
  Window().menus.mnMoveDel->trigger();
  EXPECT_EQ(app->game.LastPly, 20);
  EXPECT_EQ(Lines().size(), 21);
}

TEST_F(MoveListTest, AnnotationsAndCommentsShowInTheLine) {
  Launch();
  Type({"e4", "e5", "Nc3", "Nc6", "Bc4", "Bc5", "Nf3"});
  QComboBox* annotation = Window().cmbAnnotation;
  ASSERT_TRUE(annotation->isEnabled());
  annotation->setCurrentIndex(5);
  emit annotation->activated(5);
  EXPECT_EQ(Window().lstMoveText->item(7)->text(), "4.Nf3!?");
  emit annotation->activated(2);
  EXPECT_EQ(Window().lstMoveText->item(7)->text(), "4.Nf3?");
  Window().txtComment->setPlainText("a quiet move");
  EXPECT_EQ(Window().lstMoveText->item(7)->text(), "4.Nf3?*");
  Window().txtComment->clear();
  EXPECT_EQ(Window().lstMoveText->item(7)->text(), "4.Nf3?");
  Window().menus.mnMoveStart->trigger();
  EXPECT_FALSE(annotation->isEnabled());
  Window().txtComment->setPlainText("opening");
  EXPECT_EQ(Window().lstMoveText->item(0)->text(), "==Start==*");
}

TEST_F(MoveListTest, WalkingThroughTheGameShowsEachPosition) {
  Launch();
  Type({"e4", "e5", "Nf3"});
  const std::string end = ChessBoard2Fen(app->game.Board);
  Window().menus.mnMoveStart->trigger();
  EXPECT_EQ(app->game.CurPly, 0);
  EXPECT_FALSE(Window().menus.mnMoveBack->isEnabled());
  EXPECT_EQ(ChessBoard2Fen(app->game.Board), kStandardFen);
  Window().menus.mnMoveForward->trigger();
  EXPECT_EQ(Window().lstMoveText->currentRow(), 1);
  EXPECT_EQ(Window().board->PictureAt(SquareToScreen(Sq("e4"), false)), 6 + 13);
  Window().lstMoveText->setCurrentRow(3);
  EXPECT_EQ(ChessBoard2Fen(app->game.Board), end);
  Window().menus.mnMoveBack->trigger();
  EXPECT_EQ(app->game.CurPly, 2);
  Window().menus.mnMoveEnd->trigger();
  EXPECT_EQ(app->game.CurPly, 3);
  Window().menus.mnMoveRetract->trigger();  // one move of each side
  EXPECT_EQ(app->game.LastPly, 1);
  Window().menus.mnMoveRetract->trigger();  // only one ply left
  EXPECT_EQ(app->game.LastPly, 0);
  EXPECT_FALSE(Window().menus.mnMoveRetract->isEnabled());
}

}  // namespace

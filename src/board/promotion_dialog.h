// The small dialog that asks which piece a pawn becomes.
#pragma once

#include <QDialog>

class PiecePictures;

class PromotionDialog : public QDialog {
  Q_OBJECT

 public:
  PromotionDialog(const PiecePictures& pictures, int side, bool topMost, QWidget* parent);
  // 0 queen, 1 rook, 2 bishop, 3 knight; a queen when the dialog was
  // closed without a choice.
  int Choice() const { return choice_; }

 private:
  int choice_ = 0;
};

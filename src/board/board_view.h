// The board on screen: the background picture and, over it, one picture per
// square, scaled with the window. Pictures are set square by square (the
// board never redraws itself from the game); a piece can slide from one
// square to another and a square can shake.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>

class MainLoop;
class PiecePictures;

class BoardView : public QWidget {
  Q_OBJECT

 public:
  BoardView(const PiecePictures& pictures, MainLoop& loop, QWidget* parent = nullptr);

  void SetPicture(int index, int slot);
  int PictureAt(int index) const { return slots_[index]; }

  void SetFlipped(bool flipped);
  bool Flipped() const { return flipped_; }
  // Coordinate labels on the squares and as their tooltips.
  void SetCoordinatesShown(bool shown);
  bool CoordinatesShown() const { return coordinates_; }

  // Slides the picture of one screen square to another in steps of 25 ms,
  // painting but taking no input; afterwards the first square is empty.
  void Slide(int fromIndex, int toIndex, int steps);
  // Shakes a square's picture sideways for half a second.
  void Shake(int index);

  // Where a screen square is drawn, in widget coordinates.
  QRect SquareRect(int index) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 signals:
  void SquarePressed(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;

 private:
  double Scale() const;
  QPointF Origin() const;
  QPointF SquareTopLeft(int index) const;  // in board units (1/15 of a twip... pixels at scale 1)
  int IndexAt(const QPoint& position) const;

  const PiecePictures& pictures_;
  MainLoop& loop_;
  std::array<int, 64> slots_{};
  bool flipped_ = false;
  bool coordinates_ = false;
  int sliding_ = -1;    // screen index whose picture is moving, or -1
  QPointF slidePoint_;  // its top-left, in board units
  int shaking_ = -1;    // screen index being shaken, or -1
  double shakeOffset_ = 0;
  QPixmap background_;  // the board picture at the current size
};

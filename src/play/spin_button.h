// A pair of small up and down arrows beside a number box: each press asks
// for one step, and the owner decides what the step does to the number.
#pragma once

#include <QWidget>

class QToolButton;

class SpinButton : public QWidget {
  Q_OBJECT

 public:
  explicit SpinButton(QWidget* parent);

  QToolButton* up;
  QToolButton* down;

 signals:
  void Stepped(int delta);  // +1 or -1
};

#include "play/spin_button.h"

#include <QToolButton>
#include <QVBoxLayout>

SpinButton::SpinButton(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  up = new QToolButton(this);
  down = new QToolButton(this);
  up->setArrowType(Qt::UpArrow);
  down->setArrowType(Qt::DownArrow);
  for (QToolButton* button : {up, down}) {
    button->setFixedSize(16, 11);
    button->setAutoRepeat(true);
    layout->addWidget(button);
  }
  connect(up, &QToolButton::clicked, this, [this] { emit Stepped(1); });
  connect(down, &QToolButton::clicked, this, [this] { emit Stepped(-1); });
}

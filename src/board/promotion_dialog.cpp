#include "board/promotion_dialog.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QToolButton>

#include "board/piece_pictures.h"

PromotionDialog::PromotionDialog(const PiecePictures& pictures, int side, bool topMost,
                                 QWidget* parent)
    : QDialog(parent) {
  setObjectName("frmPromotion");
  setWindowTitle("Promotion");
  if (topMost) setWindowFlag(Qt::WindowStaysOnTopHint);
  auto* layout = new QHBoxLayout(this);
  const int base = side == 0 ? 2 : 8;  // queen, rook, bishop, knight of the side
  static const char* const kNames[] = {"Queen", "Rook", "Bishop", "Knight"};
  for (int k = 0; k < 4; ++k) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString("btnPiece(%1)").arg(k));
    button->setIcon(QIcon(pictures.Picture(base + k, 112)));
    button->setIconSize(QSize(56, 56));
    button->setToolTip(kNames[k]);
    button->setAccessibleName(kNames[k]);
    connect(button, &QToolButton::clicked, this, [this, k] {
      choice_ = k;
      accept();
    });
    layout->addWidget(button);
  }
  setFixedSize(sizeHint());
}

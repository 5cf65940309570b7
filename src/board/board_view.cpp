#include "board/board_view.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "board/board_geometry.h"
#include "board/piece_pictures.h"
#include "shell/main_loop.h"

namespace {

// The board is laid out in units that are pixels at its default size:
// the background picture at 8..473 within a 481-unit square, squares 56
// units apart starting at 16, each picture 57 units wide (neighbours
// overlap by one unit), coordinate labels 32 units into their square.
constexpr double kDesignSize = 481;
constexpr double kBoardLeft = 8;
constexpr double kBoardSize = 465;
constexpr double kFirstSquare = 16;
constexpr double kSquareStep = 56;
constexpr double kSquarePicture = 57;
constexpr double kLabelOffset = 32;
constexpr double kLabelSize = 17;
constexpr double kShakeUnit = 20.0 / 15.0;  // 20 twips

}  // namespace

BoardView::BoardView(const PiecePictures& pictures, MainLoop& loop, QWidget* parent)
    : QWidget(parent), pictures_(pictures), loop_(loop) {
  setObjectName("imgBoard");
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::SetPicture(int index, int slot) {
  if (index < 0 || index >= 64 || slots_[index] == slot) return;
  slots_[index] = slot;
  update(SquareRect(index).adjusted(-2, -2, 2, 2));
}

void BoardView::SetFlipped(bool flipped) {
  flipped_ = flipped;
  update();
}

void BoardView::SetCoordinatesShown(bool shown) {
  coordinates_ = shown;
  update();
}

double BoardView::Scale() const {
  return std::min(width(), height()) / kDesignSize;
}

QPointF BoardView::Origin() const {
  const double size = kDesignSize * Scale();
  return {(width() - size) / 2, (height() - size) / 2};
}

QPointF BoardView::SquareTopLeft(int index) const {
  return {kFirstSquare + (index % 8) * kSquareStep, kFirstSquare + (index / 8) * kSquareStep};
}

QRect BoardView::SquareRect(int index) const {
  const double scale = Scale();
  const QPointF topLeft = Origin() + SquareTopLeft(index) * scale;
  const int size = static_cast<int>(std::lround(kSquarePicture * scale));
  return {static_cast<int>(std::lround(topLeft.x())), static_cast<int>(std::lround(topLeft.y())),
          size, size};
}

int BoardView::IndexAt(const QPoint& position) const {
  const QPointF p = (QPointF(position) - Origin()) / Scale() - QPointF(kFirstSquare, kFirstSquare);
  const int column = static_cast<int>(std::floor(p.x() / kSquareStep));
  const int row = static_cast<int>(std::floor(p.y() / kSquareStep));
  if (column < 0 || column > 7 || row < 0 || row > 7) return -1;
  return row * 8 + column;
}

QSize BoardView::sizeHint() const {
  return {481, 481};
}

QSize BoardView::minimumSizeHint() const {
  return {321, 321};
}

void BoardView::resizeEvent(QResizeEvent* event) {
  background_ = QPixmap();
  QWidget::resizeEvent(event);
}

void BoardView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  const double scale = Scale();
  const QPointF origin = Origin();
  const double ratio = devicePixelRatioF();

  const int boardPixels = static_cast<int>(std::lround(kBoardSize * scale * ratio));
  if (background_.isNull() && boardPixels > 0) {
    background_ = QPixmap(boardPixels, boardPixels);
    background_.fill(Qt::transparent);
    QPainter board(&background_);
    board.setRenderHint(QPainter::Antialiasing);
    pictures_.DrawBoard(board, QRectF(0, 0, boardPixels, boardPixels));
    background_.setDevicePixelRatio(ratio);
  }
  painter.drawPixmap(origin + QPointF(kBoardLeft, kBoardLeft) * scale, background_);

  // Coordinate labels lie under the pieces, in the corner a piece leaves free.
  if (coordinates_) {
    QFont font = painter.font();
    font.setPixelSize(std::max(6, static_cast<int>(std::lround(11 * scale))));
    font.setBold(true);
    painter.setFont(font);
    for (int i = 0; i < 64; ++i) {
      const bool light = ((i / 8) + (i % 8)) % 2 == 0;
      painter.setPen(light ? QColor(0x00, 0x80, 0x80) : QColor(0xE0, 0xE0, 0xE0));
      const QPointF label =
          origin + (SquareTopLeft(i) + QPointF(kLabelOffset, kLabelOffset)) * scale;
      painter.drawText(QRectF(label, QSizeF(kLabelSize, kLabelSize) * scale), Qt::AlignCenter,
                       CoordinateText(i, flipped_));
    }
  }

  const int pixels = static_cast<int>(std::lround(kSquarePicture * scale * ratio));
  const auto drawPicture = [&](int slot, const QRectF& where) {
    QPixmap picture = pictures_.Picture(slot, pixels);
    if (picture.isNull()) return;
    picture.setDevicePixelRatio(ratio);
    painter.drawPixmap(where.topLeft(), picture);
  };
  for (int i = 0; i < 64; ++i) {
    if (i == sliding_) continue;
    QRectF where = SquareRect(i);
    if (i == shaking_) where.translate(shakeOffset_ * scale, 0);
    drawPicture(slots_[i], where);
  }

  if (sliding_ >= 0) {
    const QPointF topLeft = origin + slidePoint_ * scale;
    drawPicture(slots_[sliding_], QRectF(topLeft, QSizeF(pixels, pixels) / ratio));
  }
}

void BoardView::mousePressEvent(QMouseEvent* event) {
  const int index = IndexAt(event->position().toPoint());
  if (index >= 0) emit SquarePressed(index);
}

bool BoardView::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int index = IndexAt(help->pos());
    if (coordinates_ && index >= 0) {
      QToolTip::showText(help->globalPos(), CoordinateText(index, flipped_), this,
                         SquareRect(index));
    } else {
      QToolTip::hideText();
      event->ignore();
    }
    return true;
  }
  return QWidget::event(event);
}

void BoardView::Slide(int fromIndex, int toIndex, int steps) {
  if (steps <= 0 || fromIndex < 0 || fromIndex >= 64 || toIndex < 0 || toIndex >= 64) return;
  const QPointF from = SquareTopLeft(fromIndex);
  const QPointF to = SquareTopLeft(toIndex);
  sliding_ = fromIndex;
  for (int i = 1; i <= steps; ++i) {
    slidePoint_ = (from * (steps - i) + to * i) / steps;
    update();
    loop_.Wait(25);
  }
  sliding_ = -1;
  slots_[fromIndex] = 0;
  update();
}

void BoardView::Shake(int index) {
  if (index < 0 || index >= 64) return;
  shaking_ = index;
  for (int h = 5; h >= 1; --h) {
    for (const int direction : {1, -1}) {
      shakeOffset_ = direction * h * kShakeUnit;
      update();
      loop_.Wait(50);
    }
  }
  shaking_ = -1;
  shakeOffset_ = 0;
  update();
}

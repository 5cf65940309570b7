#include "board/piece_pictures.h"

#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// File name of a slot's picture, "" for a slot without one.
QString SlotFile(int slot) {
  static const char* const kKeys[] = {"OO", "WK", "WQ", "WR", "WB", "WN", "WP",
                                      "BK", "BQ", "BR", "BB", "BN", "BP"};
  const bool highlighted = (slot >= kHighlightOffset && slot < 2 * kHighlightOffset) ||
                           slot == kWhiteKingMated + kHighlightOffset ||
                           slot == kBlackKingMated + kHighlightOffset;
  const int base = highlighted ? slot - kHighlightOffset : slot;
  QString key;
  if (base >= 0 && base < 13) key = kKeys[base];
  if (base == kWhiteKingMated) key = "WKM";
  if (base == kBlackKingMated) key = "BKM";
  if (key.isEmpty()) return {};
  return key + (highlighted ? "S.svg" : ".svg");
}

std::unique_ptr<QSvgRenderer> Load(const QString& path) {
  if (!QFileInfo::exists(path)) return nullptr;
  auto renderer = std::make_unique<QSvgRenderer>(path);
  if (!renderer->isValid()) return nullptr;
  return renderer;
}

}  // namespace

int PieceSlot(int content) {
  if (content == 0) return 0;
  return content < 16 ? content - 7 : content - 9;
}

int SquareSlot(int content, bool highlighted, bool mated, bool blindfold) {
  int slot = content == 0 || blindfold ? 0 : PieceSlot(content);
  if (highlighted) slot += kHighlightOffset;
  if (mated && !blindfold) {
    if (content == 8) slot = kWhiteKingMated;
    if (content == 16) slot = kBlackKingMated;
  }
  return slot;
}

PiecePictures::PiecePictures(const QString& imagesDir) : imagesDir_(imagesDir) {}

PiecePictures::~PiecePictures() = default;

QSvgRenderer* PiecePictures::Renderer(int slot) const {
  if (!tried_[slot]) {
    tried_[slot] = true;
    const QString file = SlotFile(slot);
    if (!file.isEmpty()) renderers_[slot] = Load(imagesDir_ + file);
  }
  return renderers_[slot].get();
}

const QPixmap& PiecePictures::Picture(int slot, int pixels) const {
  static const QPixmap kBlank;
  if (slot < 0 || slot >= kSlotCount || pixels <= 0 || !Renderer(slot)) return kBlank;
  if (pixels != cachedPixels_) {
    cache_.fill(QPixmap());
    cachedPixels_ = pixels;
  }
  QPixmap& picture = cache_[slot];
  if (picture.isNull()) {
    picture = QPixmap(pixels, pixels);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    renderers_[slot]->render(&painter, QRectF(0, 0, pixels, pixels));
  }
  return picture;
}

void PiecePictures::DrawBoard(QPainter& painter, const QRectF& rect) const {
  if (!boardTried_) {
    boardTried_ = true;
    board_ = Load(imagesDir_ + "BOARD.svg");
  }
  if (board_) board_->render(&painter, rect);
}

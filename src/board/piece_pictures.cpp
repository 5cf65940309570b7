#include "board/piece_pictures.h"

#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>

namespace {

// File names of the slots, without the "S" of the highlighted variants.
const char* SlotKey(int slot) {
  static const char* const kKeys[] = {"OO", "WK", "WQ", "WR", "WB", "WN", "WP",
                                      "BK", "BQ", "BR", "BB", "BN", "BP"};
  if (slot >= 0 && slot < 13) return kKeys[slot];
  if (slot == kWhiteKingMated) return "WKM";
  if (slot == kBlackKingMated) return "BKM";
  return nullptr;
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

PiecePictures::PiecePictures(const QString& imagesDir) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (const char* key = SlotKey(slot)) {
      renderers_[slot] = Load(imagesDir + key + ".svg");
      const int highlighted = slot + kHighlightOffset;
      if (highlighted < kSlotCount) renderers_[highlighted] = Load(imagesDir + key + "S.svg");
    }
  }
  board_ = Load(imagesDir + "BOARD.svg");
}

PiecePictures::~PiecePictures() = default;

const QPixmap& PiecePictures::Picture(int slot, int pixels) const {
  static const QPixmap kBlank;
  if (slot < 0 || slot >= kSlotCount || !renderers_[slot] || pixels <= 0) return kBlank;
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
  if (board_) board_->render(&painter, rect);
}

bool PiecePictures::HasBoard() const { return board_ != nullptr; }

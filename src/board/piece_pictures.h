// The board background and the square pictures, read once from the IMAGES
// folder and drawn at whatever size the board has, so a large board stays
// sharp. Slots: 0 empty square, 1..6 White king, queen, rook, bishop,
// knight, pawn, 7..12 the same for Black, slot + 13 the highlighted
// variant, 26 and 27 the mated White and Black kings (39 and 40
// highlighted). A picture that cannot be read leaves its slot blank.
#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>
#include <array>
#include <memory>

class QSvgRenderer;
class QPainter;

inline constexpr int kSlotCount = 41;
inline constexpr int kHighlightOffset = 13;
inline constexpr int kWhiteKingMated = 26;
inline constexpr int kBlackKingMated = 27;

// Piece slot of a square content byte: 0 empty, 1..6 White, 7..12 Black.
int PieceSlot(int content);

// The picture slot DrawSquare gives a square.
int SquareSlot(int content, bool highlighted, bool mated, bool blindfold);

class PiecePictures {
 public:
  explicit PiecePictures(const QString& imagesDir);
  ~PiecePictures();

  // The picture of a slot at the given size in device pixels (cached until
  // the size changes); a null pixmap for a blank slot.
  const QPixmap& Picture(int slot, int pixels) const;
  // Draws the board background into the rectangle (nothing when missing).
  void DrawBoard(QPainter& painter, const QRectF& rect) const;

 private:
  // Pictures are read when first drawn, so that start-up does not wait
  // for ones it does not show (highlights, mated kings).
  QSvgRenderer* Renderer(int slot) const;

  QString imagesDir_;
  mutable std::array<std::unique_ptr<QSvgRenderer>, kSlotCount> renderers_;
  mutable std::array<bool, kSlotCount> tried_{};
  mutable std::unique_ptr<QSvgRenderer> board_;
  mutable bool boardTried_ = false;
  mutable std::array<QPixmap, kSlotCount> cache_;
  mutable int cachedPixels_ = 0;
};

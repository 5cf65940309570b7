#include "board/board_geometry.h"

#include "chess/chess.h"

int ScreenToSquare(int index, bool flipped) {
  const int square = (index / 8) * 16 + (index % 8) + 4;
  return flipped ? MirrorSquare(square) : square;
}

int SquareToScreen(int square, bool flipped) {
  const int t = flipped ? MirrorSquare(square) : square;
  return (t / 16) * 8 + (t % 16) - 4;
}

QString CoordinateText(int index, bool flipped) {
  const int square = ScreenToSquare(index, flipped);
  return QString(QChar(FileLetter(square))) + QChar(RankDigit(square));
}

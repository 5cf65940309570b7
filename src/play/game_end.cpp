#include "play/game_end.h"

QString ResignText(int side) {
  return side == 0 ? "White resigns." : "Black resigns.";
}

QString FlagFellText(int side) {
  return side == 0 ? "White's flag fell." : "Black's flag fell.";
}

QString DrawOfferText(int endSide) {
  return QString(endSide == 1 ? "White offers draw." : "Black offers draw.") +
         "\n\nTo accept draw, click menu Computer -> Offer / Accept Draw.\n"
         "To decline draw, just disregard it.";
}

QString GameEndSound(MsgIcon icon) {
  if (icon == MsgIcon::Win) return "WIN";
  if (icon == MsgIcon::Loss) return "LOSS";
  return "DRAW";
}

#include "game/game_record.h"

#include "shell/text_utils.h"

QString NagText(int code) {
  static const char* const kTexts[] = {"", "!", "?", "!!", "??", "!?", "?!"};
  return code >= 1 && code <= 6 ? kTexts[code] : "";
}

int NagFromSuffix(const QString& token) {
  if (token.endsWith("!!")) return 3;
  if (token.endsWith("?!")) return 6;
  if (token.endsWith("!")) return 1;
  if (token.endsWith("??")) return 4;
  if (token.endsWith("!?")) return 5;
  if (token.endsWith("?")) return 2;
  return 0;
}

int PlyMoveNumber(const GameRecord& game, int ply) {
  return game.StartMoveNumber + (game.StartSide + ply - 1) / 2;
}

int PlySide(const GameRecord& game, int ply) {
  return (game.StartSide + ply - 1) % 2;
}

QString MoveListLine(const GameRecord& game, int ply) {
  QString line = ply == 0 ? QString(kStartLine)
                          : MoveNumberText(PlyMoveNumber(game, ply), PlySide(game, ply)) +
                                game.GameSan[ply] + NagText(game.GameNags[ply]);
  if (!game.GameComments[ply].isEmpty()) line += '*';
  return line;
}

QString ResultText(int result) {
  static const char* const kTexts[] = {"*", "1-0", "1/2-1/2", "0-1"};
  return result >= 0 && result <= 3 ? kTexts[result] : "*";
}

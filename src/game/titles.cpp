#include "game/titles.h"

#include "shell/text_utils.h"

QString EventTitle(const GameRecord& game) {
  QString title = game.TagEvent;
  if (!game.TagRound.isEmpty()) {
    if (!title.isEmpty()) title += ", ";
    title +=
        ClampValue(game.TagRound, -32768, 32767) != 0 ? "Round " + game.TagRound : game.TagRound;
  }
  return title;
}

QString PlayersTitle(const GameRecord& game) {
  static const char* const kSeparators[] = {" vs ", " 1-0 ", " 1/2-1/2 ", " 0-1 "};
  static const char* const kAlone[] = {"(In progress)", "(White wins)", "(Draw)", "(Black wins)"};
  const int result = game.GameResult >= 0 && game.GameResult <= 3 ? game.GameResult : 0;
  if (game.TagWhite.isEmpty() || game.TagBlack.isEmpty()) return kAlone[result];
  QString title = game.TagWhite;
  if (!game.TagWhiteElo.isEmpty()) title += " (" + game.TagWhiteElo + ")";
  title += kSeparators[result] + game.TagBlack;
  if (!game.TagBlackElo.isEmpty()) title += " (" + game.TagBlackElo + ")";
  return title;
}

QString SiteDateTitle(const GameRecord& game) {
  if (!game.TagDate.isEmpty()) return "(" + game.TagSite + ", " + game.TagDate + ")";
  if (!game.TagSite.isEmpty()) return "(" + game.TagSite + ")";
  return {};
}

QString OpeningTitle(const GameRecord& game) {
  QString title = game.TagOpening;
  if (!game.TagVariation.isEmpty()) {
    title += ": " + game.TagVariation;
    if (!game.TagSubVariation.isEmpty()) title += ", " + game.TagSubVariation;
  }
  if (!game.TagEco.isEmpty()) title += " (" + game.TagEco + ")";
  return title;
}

QString GameTitle(const GameRecord& game) {
  const QString event = EventTitle(game);
  return event.isEmpty() ? PlayersTitle(game) : event + " - " + PlayersTitle(game);
}

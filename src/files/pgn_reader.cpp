#include "files/pgn_reader.h"

#include "files/text_decoding.h"
#include "game/game.h"
#include "shell/text_utils.h"

namespace {

bool IsSpace(QChar c) {
  return c == ' ' || c == '\t';
}

bool IsBracket(QChar c) {
  return c == '{' || c == '(' || c == '}' || c == ')';
}

// A move token starts with a file letter or an upper-case letter (a piece
// or castling with the letter O).
bool StartsMove(QChar c) {
  return (c >= 'a' && c <= 'h') || (c >= 'A' && c <= 'Z');
}

void PlayToken(Game& game, QStringView token) {
  const int nag = NagFromSuffix(token.toString());
  const QByteArray text = token.toUtf8();
  const int32_t move = ChessAlg2Move(game.Board, std::string_view(text.data(), text.size()));
  if (move != 0) game.ApplyMove(move, kModeSilent, nag);
}

// Inside a comment or variation. Brackets nest, "{" and "(" together, so
// a variation with its own comments and sub-variations becomes one comment;
// inside braces only braces count, so a smiley in a comment closes nothing.
// Text up to the closing of the outer bracket joins the comment, which then
// goes to the last ply read.
void ReadCommentText(Game& game, QStringView& line, MovetextState& state) {
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    if (c == '{') {
      ++state.depth;
      ++state.braces;
    } else if (c == '}') {
      --state.depth;
      if (state.braces > 0) --state.braces;
    } else if (state.braces == 0 && c == '(') {
      ++state.depth;
    } else if (state.braces == 0 && c == ')') {
      --state.depth;
    }
    if (state.depth > 0) continue;
    state.comment += line.first(i);
    line = line.sliced(i + 1);
    game.GameComments[game.LastPly] += state.comment;
    game.view().SetMoveLine(game.LastPly, MoveListLine(game, game.LastPly));
    state = {};
    return;
  }
  state.comment += line;
  state.comment += QStringLiteral("\r\n");
  line = {};
}

int ResultOfTag(const QString& value) {
  if (value == u"1-0") return 1;
  if (value == u"1/2-1/2") return 2;
  if (value == u"0-1") return 3;
  return 0;
}

}  // namespace

bool ReadTagValue(QString& value, QStringView line, QStringView key) {
  const qsizetype k = key.size();
  if (line.size() < k + 3 || line[0] != '[' || line[k + 1] != ' ' || line[k + 2] != '"')
    return false;
  if (line.sliced(1, k).compare(key, Qt::CaseInsensitive) != 0) return false;
  const QStringView rest = line.sliced(k + 3);
  const qsizetype quote = rest.indexOf('"');
  value = (quote < 0 ? rest : rest.first(quote)).toString();
  return true;
}

bool ParseMovetextStep(Game& game, QStringView& line, MovetextState& state) {
  if (state.depth >= 1) {
    ReadCommentText(game, line, state);
    return false;
  }
  qsizetype p = 0;
  while (p < line.size()) {
    const QChar c = line[p];
    if (c == '(' || c == '{') {
      state.depth = 1;
      state.braces = c == '{' ? 1 : 0;
      line = line.sliced(p + 1);
      return false;
    }
    if (c == '*') {
      line = {};
      return true;
    }
    if (c == '0' || c == '1') {
      const QStringView rest = line.sliced(p);
      int result = 0;
      if (rest.startsWith(u"1/2-1/2")) {
        result = 2;
      } else if (rest.startsWith(u"1-0")) {
        result = 1;
      } else if (rest.startsWith(u"0-1")) {
        result = 3;
      }
      if (result != 0) {
        game.GameResult = result;
        game.view().RefreshGamePanel();
        line = {};
        return true;
      }
    }
    // The digits and dots of a move number are passed over one by one, so
    // that "12.Nf3" and "12...Nf3" still give their move.
    if (c.isDigit() || c == '.') {
      ++p;
      continue;
    }
    // A token ends at a space or where a bracket begins.
    qsizetype end = p;
    while (end < line.size() && !IsSpace(line[end]) && (end == p || !IsBracket(line[end]))) ++end;
    const QStringView token = line.sliced(p, end - p);
    line = end < line.size() && IsSpace(line[end]) ? line.sliced(end + 1) : line.sliced(end);
    if (!token.isEmpty() && StartsMove(token[0])) PlayToken(game, token);
    return false;
  }
  line = {};
  return false;
}

bool PgnReader::FeedLine(QStringView line) {
  if (inTags_) {
    qsizetype start = 0;
    while (start < line.size() && IsSpace(line[start])) ++start;
    line = line.sliced(start);
    if (line.isEmpty()) return false;
    if (line[0] == '[') {
      ReadTagLine(line);
      return false;
    }
    inTags_ = false;  // the first other line begins the movetext
  }
  while (!line.isEmpty())
    if (ParseMovetextStep(game_, line, state_)) return true;
  return false;
}

void PgnReader::ReadTagLine(QStringView line) {
  GameRecord& g = game_;
  QString value;
  const auto tag = [&](const char16_t* key, QString& field) {
    if (!ReadTagValue(value, line, key)) return false;
    field = value;
    return true;
  };
  const auto openingTag = [&](const char16_t* key, QString& field) {
    if (!tag(key, field)) return false;
    g.EcoLookup = false;  // the file's opening names win over the lookup
    return true;
  };
  if (tag(u"EVENT", g.TagEvent) || tag(u"SITE", g.TagSite) || tag(u"DATE", g.TagDate) ||
      tag(u"ROUND", g.TagRound) || tag(u"WHITE", g.TagWhite) || tag(u"WHITEELO", g.TagWhiteElo) ||
      tag(u"BLACK", g.TagBlack) || tag(u"BLACKELO", g.TagBlackElo))
    return;
  if (ReadTagValue(value, line, u"RESULT")) {
    g.GameResult = ResultOfTag(value);
    return;
  }
  if (openingTag(u"ECO", g.TagEco) || openingTag(u"OPENING", g.TagOpening) ||
      openingTag(u"VARIATION", g.TagVariation) || openingTag(u"SUBVARIATION", g.TagSubVariation))
    return;
  if (ReadTagValue(value, line, u"FEN")) ReadStartPosition(value);
}

void PgnReader::ReadStartPosition(const QString& fen) {
  GameRecord& g = game_;
  g.StartFen = fen;
  if (!ChessFen2Board(g.Board, fen.toStdString())) {
    // The library leaves an empty board: record what the board holds.
    g.StartFen = QString::fromStdString(ChessBoard2Fen(g.Board)) + " 0 1";
  }
  g.StartSide = g.SideToMove = g.EndSide = g.Board.Side;
  const qsizetype zero = fen.indexOf(" 0 ");
  g.StartMoveNumber = g.MoveNumber = zero < 0 ? 1 : ClampValue(fen.mid(zero + 3), 1, 999);
  g.StandardStart = false;
}

void ReadGameText(Game& game, QStringView text) {
  game.NewGame(false, false);
  PgnReader reader(game);
  ForEachLine(text, [&reader](QStringView line) { return reader.FeedLine(line); });
}

bool LoadGameFile(Game& game, bool fromAutosave, const QString& autosavePath) {
  if (fromAutosave) game.GameFileName.clear();
  game.NewGame(false, false);
  const QString path = fromAutosave ? autosavePath : game.GameFileName;
  PgnReader reader(game);
  const bool opened =
      ForEachFileLine(path, [&reader](QStringView line) { return reader.FeedLine(line); });
  if (!opened && !fromAutosave)
    game.ui().MessageBoxWithIcon("Error Open File: " + path, MsgButtons::Ok, {}, MsgIcon::Warning);
  game.view().RedrawBoard();
  game.view().RefreshGamePanel();
  if (!fromAutosave) game.GoToPly(0);
  game.view().RefreshGameView(false);
  return opened;
}

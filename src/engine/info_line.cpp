#include "engine/info_line.h"

#include "shell/text_utils.h"

namespace {

// The text after the first occurrence of keyword, or nothing.
std::optional<QString> After(const QString& line, const char* keyword) {
  const qsizetype at = line.indexOf(QLatin1String(keyword));
  if (at < 0) return std::nullopt;
  return line.mid(at + qstrlen(keyword));
}

QString Padded(const QString& text, int width) {
  return text.size() >= width ? text : QString(width - text.size(), ' ') + text;
}

}  // namespace

InfoLine ParseInfoLine(const QString& line) {
  InfoLine info;
  if (const auto move = After(line, " currmove ")) {
    info.currMove = move->left(5).trimmed().section(' ', 0, 0);
    if (const auto number = After(line, " currmovenumber "))
      info.currMoveNumber = ClampValue(*number, -32767, 32767);
  }
  if (const auto nodes = After(line, " nodes "))
    info.nodes = ClampValueLong(*nodes, -2147483647LL, 2147483647LL);
  if (const auto depth = After(line, " depth ")) info.depth = ClampValue(*depth, -999, 999);
  if (const auto score = After(line, " score ")) {
    info.exactScore = !line.contains(QLatin1String(" lowerbound ")) &&
                      !line.contains(QLatin1String(" upperbound "));
    if (score->startsWith(QLatin1String("mate "))) {
      const int n = ClampValue(score->mid(5), -32767, 32767);
      info.score = n >= 0 ? 10000 - n : -10000 - n;
    } else if (score->startsWith(QLatin1String("cp "))) {
      info.score = ClampValue(score->mid(3), -32767, 32767);
    }
  }
  info.pv = After(line, " pv ");
  info.message = After(line, " message ");
  return info;
}

QString CurrText(int depth, int moveNumber, int legalMoveCount, const BoardRecord& board,
                 const QString& coordMove) {
  const int32_t move = ChessCoord2Move(coordMove.toStdString());
  return QString("%1 (%2/%3) %4")
      .arg(depth)
      .arg(moveNumber)
      .arg(legalMoveCount)
      .arg(QString::fromStdString(ChessMove2Alg(board, move)));
}

std::optional<QString> NpsText(long long nodes, long long elapsedMs) {
  if (elapsedMs <= 0) return std::nullopt;
  return QString("NPS %1K").arg(nodes / elapsedMs);
}

QString PvText(int depth, int score, const BoardRecord& board, const std::optional<QString>& pv,
               const QString* ponderSan) {
  QString text = Padded(QString::number(depth), 3);
  if (score > 0) {
    text += Padded(QString("(+%1)").arg(score), 8);
  } else if (score < 0) {
    text += Padded(QString("(%1)").arg(score), 8);
  } else {
    text += "     (0)";
  }
  if (!pv) return text;
  if (ponderSan) text += " (" + *ponderSan + ")";
  BoardRecord copy = board;
  const QString& line = *pv;
  for (qsizetype at = 0; at < line.size();) {
    const int32_t move = ChessCoord2Move(line.mid(at, 5).toStdString());
    int flags = 0;
    if (move == 0) break;
    const std::string san = ChessMove2Alg(copy, move);
    if (!ChessTryMove(copy, flags, move)) break;
    text += ' ' + QString::fromStdString(san);
    if ((flags & kFlagCheck) && (flags & kFlagNoMoves)) {
      text += '#';
    } else if (flags & kFlagCheck) {
      text += '+';
    }
    at += (at + 4 < line.size() && line[at + 4] == ' ') ? 5 : 6;
  }
  return text;
}

QString TimeStampText(long long elapsedMs) {
  const long long seconds = elapsedMs / 1000;
  return QString("%1:%2:%3.%4 ->")
      .arg(seconds / 3600 % 100, 2, 10, QChar('0'))
      .arg(seconds / 60 % 60, 2, 10, QChar('0'))
      .arg(seconds % 60, 2, 10, QChar('0'))
      .arg(elapsedMs / 100 % 10);
}

#include "files/pgn_writer.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "game/game.h"

namespace {

constexpr QStringView kLineEnd = u"\r\n";

}  // namespace

QString TagLine(const QString& key, const QString& value) {
  QString clean = value;
  clean.remove('\r');
  clean.remove('\n');
  return "[" + key + " \"" + clean + "\"]";
}

QString PgnText(const GameRecord& game) {
  QString text;
  const auto line = [&text](const QString& content) {
    text += content;
    text += kLineEnd;
  };
  const std::pair<const char*, QString> tags[] = {
      {"Event", game.TagEvent},
      {"Site", game.TagSite},
      {"Date", game.TagDate},
      {"Round", game.TagRound},
      {"White", game.TagWhite},
      {"WhiteElo", game.TagWhiteElo},
      {"Black", game.TagBlack},
      {"BlackElo", game.TagBlackElo},
      {"Result", ResultText(game.GameResult)},
      {"ECO", game.TagEco},
      {"Opening", game.TagOpening},
      {"Variation", game.TagVariation},
      {"SubVariation", game.TagSubVariation},
  };
  for (const auto& [key, value] : tags) line(TagLine(key, value));
  line({});
  if (!game.StandardStart) line(TagLine("FEN", game.StartFen));
  if (!game.GameComments[0].isEmpty()) line("{" + game.GameComments[0] + "}");

  int number = game.StartMoveNumber;
  int side = game.StartSide;
  bool numberDue = true;
  for (int ply = 1; ply <= game.LastPly; ++ply) {
    if (numberDue) text += ' ' + QString::number(number) + (side == 0 ? "." : "...");
    text += ' ' + game.GameSan[ply];
    bool ended = false;
    if (side == 1) {
      text += kLineEnd;
      ended = true;
    }
    if (!game.GameComments[ply].isEmpty()) {
      if (!ended) text += kLineEnd;
      line("{" + game.GameComments[ply] + "}");
      ended = true;
    }
    numberDue = ended;
    number += side;
    side = 1 - side;
  }
  line(' ' + ResultText(game.GameResult));
  return text;
}

bool WriteTextFileSafely(const QString& path, const QString& text) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = text.toUtf8();
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

bool SaveGameFile(Game& game, bool toAutosave, const QString& autosavePath) {
  const QString path = toAutosave ? autosavePath : game.GameFileName;
  if (toAutosave) QDir().mkpath(QFileInfo(path).absolutePath());
  if (!WriteTextFileSafely(path, PgnText(game))) {
    game.ui().MessageBoxWithIcon("Error Open File: " + path, MsgButtons::Ok, {}, MsgIcon::Warning);
    return false;
  }
  if (!toAutosave) {
    game.GameModified = false;
    game.view().SetSaveEnabled(false);
  }
  return true;
}

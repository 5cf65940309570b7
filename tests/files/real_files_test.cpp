// The game files under tests/data/pgn, from public sources (see the README
// there), read and compared with another reader's moves, then written and
// read back.
#include <QDir>
#include <QFile>

#include "files/pgn_reader.h"
#include "files/pgn_writer.h"
#include "files/text_decoding.h"
#include "pgn_fixture.h"

namespace {

class RealFilesTest : public PgnTest, public ::testing::WithParamInterface<QString> {};

QString DataFile(const QString& name) {
  return QString(TALVOR_PGN_DIR) + "/" + name;
}

TEST_P(RealFilesTest, MovesAgreeWithAnotherReaderAndSurviveARoundTrip) {
  const QString name = GetParam();
  game.GameFileName = DataFile(name + ".pgn");
  ASSERT_TRUE(LoadGameFile(game, false, {}));
  QFile expected(DataFile(name + ".uci"));
  ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
  // The other reader writes some promotion letters in upper case.
  EXPECT_EQ(Uci(game), QString::fromUtf8(expected.readAll()).trimmed().toLower());
  EXPECT_GT(game.LastPly, 0);

  Game copy(settings, ui, eco);
  ReadGameText(copy, PgnText(game));
  EXPECT_EQ(Uci(copy), Uci(game));
  EXPECT_EQ(copy.StartFen, game.StartFen);
  for (int ply = 0; ply <= game.LastPly; ++ply) {
    EXPECT_EQ(copy.GameComments[ply], game.GameComments[ply]) << ply;
    EXPECT_EQ(copy.GameSan[ply], game.GameSan[ply]) << ply;
  }
  for (auto field :
       {&GameRecord::TagEvent, &GameRecord::TagSite, &GameRecord::TagDate, &GameRecord::TagRound,
        &GameRecord::TagWhite, &GameRecord::TagBlack, &GameRecord::TagEco, &GameRecord::TagOpening})
    EXPECT_EQ(copy.*field, game.*field);
  EXPECT_EQ(copy.GameResult, game.GameResult);
  EXPECT_TRUE(ui.messages.empty());
}

QStringList DataFiles() {
  QStringList names;
  for (const QString& file : QDir(TALVOR_PGN_DIR).entryList({"*.pgn"}, QDir::Files))
    names << file.chopped(4);
  return names;
}

INSTANTIATE_TEST_SUITE_P(PgnData, RealFilesTest, ::testing::ValuesIn(DataFiles()),
                         [](const auto& info) { return info.param.toStdString(); });

TEST(RealFiles, ThereAreTwentyOrMore) {
  EXPECT_GE(DataFiles().size(), 20);
}

// Details the other reader does not check.
using RealFileDetails = PgnTest;

TEST_F(RealFileDetails, NamesInLatin1AndUtf8AndCommentsComeOutRight) {
  game.GameFileName = DataFile("latin1_polgar_mate.pgn");
  LoadGameFile(game, false, {});
  EXPECT_EQ(game.TagWhite, u"Judit Polg\u00e1r");
  game.GameFileName = DataFile("reti_tartakower_cr.pgn");
  LoadGameFile(game, false, {});
  EXPECT_EQ(game.TagWhite, u"Richard R\u00e9ti");
  EXPECT_EQ(game.GameResult, 1);
  EXPECT_EQ(game.GameComments[19], "double check");
  game.GameFileName = DataFile("lasker_thomas_king_hunt.pgn");
  LoadGameFile(game, false, {});
  EXPECT_EQ(game.GameComments[21],
            "The queen sacrifice drives the\r\nking across the board (a hunt of\r\nseven moves).");
  game.GameFileName = DataFile("opera_game_nags.pgn");
  LoadGameFile(game, false, {});
  EXPECT_EQ(game.GameNags[6], 6);   // 3... Bg4?!
  EXPECT_EQ(game.GameNags[31], 3);  // 16. Qb8+!!
  EXPECT_FALSE(game.EcoLookup);
  game.GameFileName = DataFile("long_game_300_plies.pgn");
  LoadGameFile(game, false, {});
  EXPECT_EQ(game.LastPly, 302);
  EXPECT_EQ(game.GameResult, 2);  // stalemate
}

}  // namespace

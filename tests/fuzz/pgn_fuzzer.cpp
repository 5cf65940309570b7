// The PGN reader under libFuzzer: any bytes are read as a game file, and
// the game read is written and read back to the same moves and comments.
#include <cstdint>
#include <cstdlib>

#include "files/pgn_reader.h"
#include "files/pgn_writer.h"
#include "files/text_decoding.h"
#include "game/game.h"

namespace {

// Answers every question with its first button and shows nothing.
class SilentGateways : public Gateways {
 public:
  MsgAnswer MessageBoxWithIcon(const QString&, MsgButtons buttons, const QString&,
                               MsgIcon) override {
    return buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? MsgAnswer::Ok
                                                                        : MsgAnswer::Yes;
  }
  QString OpenFileDialog(const QString&, const QString&) override { return {}; }
  QString SaveFileDialog(const QString&, const QString&, const QString&, const QString&) override {
    return {};
  }
  QString BrowseForFolder(const QString&) override { return {}; }
  void OpenUrl(const QString&) override {}
  QString ClipboardText() override { return {}; }
  void SetClipboardText(const QString&, const QString&) override {}
  void PlaySound(const QString&) override {}
  void Beep() override {}
};

struct Fixture {
  Fixture() : first(settings, ui, eco), second(settings, ui, eco) { ChessInit(); }
  Settings settings;
  SilentGateways ui;
  EcoTable eco;
  Game first;
  Game second;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Fixture fixture;
  Game& game = fixture.first;
  const QString text =
      DecodeText(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
  ReadGameText(game, text);
  if (game.LastPly < 0 || game.LastPly > kMaxPlies || game.CurPly != game.LastPly) std::abort();

  // What was read is written and read back unchanged, unless a comment holds
  // a closing brace of its own, which no comment syntax can carry.
  for (int ply = 0; ply <= game.LastPly; ++ply)
    if (game.GameComments[ply].contains('}')) return 0;
  Game& copy = fixture.second;
  ReadGameText(copy, PgnText(game));
  if (copy.LastPly != game.LastPly || copy.StartFen != game.StartFen) std::abort();
  for (int ply = 1; ply <= game.LastPly; ++ply)
    if (copy.GameMoves[ply] != game.GameMoves[ply]) std::abort();
  for (int ply = 0; ply <= game.LastPly; ++ply)
    if (copy.GameComments[ply] != game.GameComments[ply]) std::abort();
  return 0;
}

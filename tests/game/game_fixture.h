// A game record wired to recording doubles: the move list is mirrored in a
// string list, drawn squares and refreshes are counted, and the play link
// records game ends and announcements.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>
#include <vector>

#include "fake_gateways.h"
#include "game/game.h"

// Board square of a name such as "e4".
constexpr int Sq(const char* name) {
  return (8 - (name[1] - '0')) * 16 + (name[0] - 'a') + 4;
}

class RecordingView : public GameView {
 public:
  void DrawSquare(int square, bool highlighted, bool mated) override {
    drawn.push_back(square);
    if (mated) matedDrawn.push_back(square);
    (void)highlighted;
  }
  void AnimateMove(int from, int to, int steps) override {
    animations.push_back({from, to, steps});
  }
  void InsertMoveLine(int index, const QString& text) override { lines.insert(index, text); }
  void RemoveMoveLine(int index) override { lines.removeAt(index); }
  void SetMoveLine(int index, const QString& text) override {
    if (index < lines.size()) lines[index] = text;
  }
  void RefreshGameView(bool) override { ++viewRefreshes; }
  void SetSaveEnabled(bool enabled) override { saveEnabled = enabled; }
  void RefreshOpeningLabel() override { ++openingRefreshes; }

  bool Drew(int square) const {
    return std::find(drawn.begin(), drawn.end(), square) != drawn.end();
  }

  QStringList lines{"==Start=="};
  std::vector<int> drawn;
  std::vector<int> matedDrawn;
  std::vector<std::array<int, 3>> animations;
  int viewRefreshes = 0;
  int openingRefreshes = 0;
  bool saveEnabled = false;
};

class RecordingPlay : public PlayLink {
 public:
  double Now() const override { return now; }
  bool ComputerPlays(int side) const override { return side == 0 ? computerWhite : computerBlack; }
  void ShowGameEnded() override { ++gameEnds; }
  void AnnounceResult(const QString& message, MsgIcon icon) override {
    announcements << message;
    icons.push_back(icon);
  }
  void MoveRecorded(int side) override { movers.push_back(side); }

  double now = 100.0;
  bool computerWhite = false;
  bool computerBlack = false;
  int gameEnds = 0;
  QStringList announcements;
  std::vector<MsgIcon> icons;
  std::vector<int> movers;
};

class GameTest : public ::testing::Test {
 protected:
  GameTest() : game(settings, ui, eco) {
    settings.MoveDelay = 0;
    game.SetLinks(&view, nullptr, &play);
    game.NewGame(false, false);
  }

  // Plays SAN moves in the given mode; fails the test when one is refused.
  void Play(std::initializer_list<const char*> moves, int mode = kModeClick) {
    for (const char* san : moves) {
      const int32_t move = ChessAlg2Move(game.Board, san);
      ASSERT_NE(move, 0) << san;
      ASSERT_TRUE(game.ApplyMove(move, mode, 0)) << san;
    }
  }

  struct ChessReady {
    ChessReady() { ChessInit(); }
  } ready;
  Settings settings;
  FakeGateways ui;
  EcoTable eco;
  RecordingView view;
  RecordingPlay play;
  Game game;
};

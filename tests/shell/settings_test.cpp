#include "shell/settings.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

class SettingsStore : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString path() const { return dir.filePath("settings.ini"); }
  SettingsContext context{"/opt/talvor/", "chesstalvor.example", QSize(1000, 800)};

  Settings Load() {
    QSettings store(path(), QSettings::IniFormat);
    Settings s;
    LoadCommonSettings(store, context, s);
    LoadSettings(store, context, s);
    return s;
  }
  void Store(const QString& key, const QString& value) {
    QSettings store(path(), QSettings::IniFormat);
    store.setValue(key, value);
  }
};

TEST_F(SettingsStore, AnEmptyStoreGivesTheDefaults) {
  const Settings s = Load();
  EXPECT_EQ(s.EnginePlay, 3);
  EXPECT_EQ(s.Depth, -1);
  EXPECT_EQ(s.InitTime, 1);
  EXPECT_EQ(s.IncMove, 999);
  EXPECT_EQ(s.IncTime, 1);
  EXPECT_EQ(s.MoveDelay, 1);
  EXPECT_TRUE(s.Sounds);
  EXPECT_TRUE(s.AutoPlay);
  EXPECT_FALSE(s.Blindfold);
  EXPECT_EQ(s.Left, 480);
  EXPECT_EQ(s.ThinkWidth, 4800);
  EXPECT_EQ(s.EpdTitle, "Mate in 2");
  EXPECT_EQ(s.AdvertLink, "chesstalvor.example");
  EXPECT_EQ(s.FileName, "/opt/talvor/stockfish");
}

TEST_F(SettingsStore, StoredValuesAreClampedAndRead) {
  Store("Options/PlayIntv", "15");
  Store("Options/Blindfold", "-1");
  Store("Options/AutoFlip", "x");
  Store("Options/ShowNew", "2");
  Store("Timer/Depth", "-40");
  Store("Timer/IncTime", "12.5");
  Store("Options/User", "Smith, John");
  Settings s = Load();
  EXPECT_EQ(s.PlayIntv, 10);
  EXPECT_TRUE(s.Blindfold);
  EXPECT_FALSE(s.AutoFlip);
  EXPECT_TRUE(s.ShowNew);
  EXPECT_EQ(s.Depth, -12);
  EXPECT_EQ(s.IncTime, 12);
  EXPECT_EQ(s.User, "Smith, John");
  Store("Options/PlayIntv", "abc");
  s = Load();
  EXPECT_EQ(s.PlayIntv, 1);
}

TEST_F(SettingsStore, WindowPlaceStaysOnASmallerScreen) {
  Store("Gui/Left", "30000");
  Store("Gui/Top", "-5");
  const Settings s = Load();
  EXPECT_EQ(s.Left, 1000 * 15 * 3 / 4);
  EXPECT_EQ(s.Top, 0);
}

TEST_F(SettingsStore, SavedChangesReadBackAndCommonKeysStaySeparate) {
  Settings s = Load();
  s.Coordinates = true;
  s.Depth = 0;
  s.User = "Ann";
  s.MoveDelay = 4;
  s.UpgradeDate = "2026-12-08";  // written only by the update check
  {
    QSettings store(path(), QSettings::IniFormat);
    SaveCommonSettings(store, s);
    SaveSettings(store, s);
  }
  const Settings back = Load();
  EXPECT_TRUE(back.Coordinates);
  EXPECT_EQ(back.Depth, 0);
  EXPECT_EQ(back.User, "Ann");
  EXPECT_EQ(back.MoveDelay, 4);
  EXPECT_EQ(back.UpgradeDate, "");
  QSettings store(path(), QSettings::IniFormat);
  EXPECT_EQ(store.value("Options/Coordinates").toString(), "1");
  EXPECT_EQ(store.value("Timer/IncTime").toString(), "1");
  EXPECT_FALSE(store.contains("Gui/UserID"));
}

}  // namespace

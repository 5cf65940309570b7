// The user's preferences and remembered window places: one variable per key
// of the settings store, read once at start-up and written once at a normal
// exit. Positions and sizes are in twips (15 twips = 1 pixel).
#pragma once

#include <QSettings>
#include <QSize>
#include <QString>
#include <memory>

struct Settings {
  // Options
  bool Blindfold = false;
  bool AutoPlay = true;
  bool ReadMove = false;
  int PlayIntv = 1;
  bool AutoFlip = true;
  bool EngineName = true;
  bool AlwaysPonder = false;
  bool AllowResign = true;
  bool EngineTime = false;
  bool Coordinates = false;
  bool StatusBar = false;
  int EnginePlay = 3;  // the play mode: 0 none, 1 White, 2 Black, 3 alternation, 4 random
  bool TopMost = false;
  bool PromptSave = true;
  bool AutoSave = false;
  QString User;
  bool ShowNew = true;
  bool TryAgain = true;
  int MoveDelay = 1;  // animation speed 0..5
  bool Sounds = true;
  int Music = 0;
  // Publish
  int Size = 0;
  int Location = 0;
  int Format = 0;
  bool Content = false;
  // Gui
  int Left = 480;
  int Top = 480;
  int ThinkWidth = 4800;
  int ThinkHeight = 2400;
  int ThinkLeft = 8100;
  int ThinkTop = 6300;
  int EndgamesIndex = 0;
  QString EpdName = "2";
  QString EpdTitle = "Mate in 2";
  int EpdMenu = 0;
  int TipIndex = 1;
  bool ShowHowTo = true;
  QString UpgradeVer = "1.01";
  QString UpgradeDate;
  QString AdvertLink;
  QString AdvertText = "Welcome to";
  // Timer
  int Depth = -1;  // the level: -1..-12 named, 0 clocks, 1..99 depth, 100 infinite
  bool IncMode = false;
  int InitTime = 1;
  int IncMove = 999;
  int IncTime = 1;
  // Engine
  bool EngineLog = false;
  QString LogFile;
  bool UseBook = true;
  bool UseEgtb = true;
  QString BookFiles;
  QString EgtbPaths;
  int Hash = 0;
  int Threads = 0;
  int Randomness = 1;
  int Style = 1;
  QString FileName;
};

// What the defaults depend on: the program folder (the default engine lives
// there), the web site's host and the screen size in pixels (Left and Top
// are kept within three quarters of it, so the window stays reachable).
struct SettingsContext {
  QString appDir;
  QString webHost;
  QSize screen{1024, 768};
};

// Opens the store of the current user: INI format, application "Chess
// Talvor", one group per section.
std::unique_ptr<QSettings> OpenUserSettingsStore();

// Sound, music and the update-check keys, read before everything else.
void LoadCommonSettings(QSettings& store, const SettingsContext& context, Settings& s);
// Every other key, in table order.
void LoadSettings(QSettings& store, const SettingsContext& context, Settings& s);
void SaveCommonSettings(QSettings& store, const Settings& s);
void SaveSettings(QSettings& store, const Settings& s);

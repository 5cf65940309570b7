#include "shell/settings.h"

#include <QStringList>
#include <variant>
#include <vector>

#include "shell/text_utils.h"

namespace {

using Field = std::variant<bool Settings::*, int Settings::*, QString Settings::*>;

struct Key {
  const char* section;
  const char* name;
  Field field;
  int low = 0;  // integer range; ignored for booleans and strings
  int high = 0;
  const char* defaultText = "";
};

// Every key in the order it is read and written.
const std::vector<Key>& Keys() {
  static const std::vector<Key> keys = {
      {"Options", "Blindfold", &Settings::Blindfold, 0, 0, "0"},
      {"Options", "AutoPlay", &Settings::AutoPlay, 0, 0, "1"},
      {"Options", "ReadMove", &Settings::ReadMove, 0, 0, "0"},
      {"Options", "PlayIntv", &Settings::PlayIntv, 1, 10, "1"},
      {"Options", "AutoFlip", &Settings::AutoFlip, 0, 0, "1"},
      {"Options", "EngineName", &Settings::EngineName, 0, 0, "1"},
      {"Options", "AlwaysPonder", &Settings::AlwaysPonder, 0, 0, "0"},
      {"Options", "AllowResign", &Settings::AllowResign, 0, 0, "1"},
      {"Options", "EngineTime", &Settings::EngineTime, 0, 0, "0"},
      {"Options", "Coordinates", &Settings::Coordinates, 0, 0, "0"},
      {"Options", "StatusBar", &Settings::StatusBar, 0, 0, "0"},
      {"Options", "EnginePlay", &Settings::EnginePlay, 0, 4, "3"},
      {"Options", "TopMost", &Settings::TopMost, 0, 0, "0"},
      {"Options", "PromptSave", &Settings::PromptSave, 0, 0, "1"},
      {"Options", "AutoSave", &Settings::AutoSave, 0, 0, "0"},
      {"Options", "User", &Settings::User, 0, 0, ""},
      {"Options", "ShowNew", &Settings::ShowNew, 0, 0, "1"},
      {"Options", "TryAgain", &Settings::TryAgain, 0, 0, "1"},
      {"Options", "MoveDelay", &Settings::MoveDelay, 0, 5, "1"},
      {"Options", "Sounds", &Settings::Sounds, 0, 0, "1"},
      {"Options", "Music", &Settings::Music, 0, 11, "0"},
      {"Publish", "Size", &Settings::Size, 0, 2, "0"},
      {"Publish", "Location", &Settings::Location, 0, 4, "0"},
      {"Publish", "Format", &Settings::Format, 0, 3, "0"},
      {"Publish", "Content", &Settings::Content, 0, 0, "0"},
      {"Gui", "Left", &Settings::Left, 0, 0, "480"},  // range from the screen
      {"Gui", "Top", &Settings::Top, 0, 0, "480"},    // range from the screen
      {"Gui", "ThinkWidth", &Settings::ThinkWidth, 2400, 32767, "4800"},
      {"Gui", "ThinkHeight", &Settings::ThinkHeight, 1200, 32767, "2400"},
      {"Gui", "ThinkLeft", &Settings::ThinkLeft, -32767, 32767, "8100"},
      {"Gui", "ThinkTop", &Settings::ThinkTop, -32767, 32767, "6300"},
      {"Gui", "EndgamesIndex", &Settings::EndgamesIndex, 0, 1023, "0"},
      {"Gui", "EpdName", &Settings::EpdName, 0, 0, "2"},
      {"Gui", "EpdTitle", &Settings::EpdTitle, 0, 0, "Mate in 2"},
      {"Gui", "EpdMenu", &Settings::EpdMenu, 0, 4, "0"},
      {"Gui", "TipIndex", &Settings::TipIndex, 1, 15, "1"},
      {"Gui", "ShowHowTo", &Settings::ShowHowTo, 0, 0, "1"},
      {"Gui", "UpgradeVer", &Settings::UpgradeVer, 0, 0, "1.01"},
      {"Gui", "UpgradeDate", &Settings::UpgradeDate, 0, 0, ""},
      {"Gui", "AdvertLink", &Settings::AdvertLink, 0, 0, ""},  // default: the web host
      {"Gui", "AdvertText", &Settings::AdvertText, 0, 0, "Welcome to"},
      {"Timer", "Depth", &Settings::Depth, -12, 100, "-1"},
      {"Timer", "IncMode", &Settings::IncMode, 0, 0, "0"},
      {"Timer", "InitTime", &Settings::InitTime, 1, 480, "1"},
      {"Timer", "IncMove", &Settings::IncMove, 1, 999, "999"},
      {"Timer", "IncTime", &Settings::IncTime, -60, 600, "1"},
      {"Engine", "EngineLog", &Settings::EngineLog, 0, 0, "0"},
      {"Engine", "LogFile", &Settings::LogFile, 0, 0, ""},
      {"Engine", "UseBook", &Settings::UseBook, 0, 0, "1"},
      {"Engine", "UseEgtb", &Settings::UseEgtb, 0, 0, "1"},
      {"Engine", "BookFiles", &Settings::BookFiles, 0, 0, ""},
      {"Engine", "EgtbPaths", &Settings::EgtbPaths, 0, 0, ""},
      {"Engine", "Hash", &Settings::Hash, 0, 7, "0"},
      {"Engine", "Threads", &Settings::Threads, 0, 9, "0"},
      {"Engine", "Randomness", &Settings::Randomness, 0, 3, "1"},
      {"Engine", "Style", &Settings::Style, 0, 2, "1"},
      {"Engine", "FileName", &Settings::FileName, 0, 0, ""},  // default: beside the program
  };
  return keys;
}

bool IsCommon(const Key& key) {
  static const QStringList common = {"MoveDelay",   "Sounds",     "Music",     "UpgradeVer",
                                     "UpgradeDate", "AdvertLink", "AdvertText"};
  return common.contains(key.name);
}

// Keys written at exit by SaveCommonSettings; the other common keys belong
// to the update check, which writes them itself.
bool IsSavedCommon(const Key& key) {
  static const QStringList saved = {"MoveDelay", "Sounds", "Music", "UpgradeVer"};
  return saved.contains(key.name);
}

QString StoredText(QSettings& store, const Key& key, const QString& defaultText) {
  const QVariant value = store.value(QString(key.section) + "/" + key.name);
  if (!value.isValid()) return defaultText;
  // An INI value with commas reads back as a list; it was one text.
  if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(", ");
  return value.toString();
}

void Load(QSettings& store, const SettingsContext& context, Settings& s, const Key& key) {
  QString defaultText = key.defaultText;
  int low = key.low;
  int high = key.high;
  const QString name = key.name;
  if (name == "Left" || name == "Top") {
    const int screenPixels = name == "Left" ? context.screen.width() : context.screen.height();
    high = screenPixels * 15 * 3 / 4;  // twips
  } else if (name == "AdvertLink") {
    defaultText = context.webHost;
  } else if (name == "FileName") {
    defaultText = context.appDir + "stockfish";
  }
  const QString text = StoredText(store, key, defaultText);
  std::visit(
      [&](auto member) {
        using T = std::remove_reference_t<decltype(s.*member)>;
        if constexpr (std::is_same_v<T, bool>) {
          s.*member = ClampValue(text, -32767, 32767) != 0;
        } else if constexpr (std::is_same_v<T, int>) {
          s.*member = ClampValue(text, low, high);
        } else {
          s.*member = text;
        }
      },
      key.field);
}

void Save(QSettings& store, const Settings& s, const Key& key) {
  QString text;
  std::visit(
      [&](auto member) {
        using T = std::remove_cvref_t<decltype(s.*member)>;
        if constexpr (std::is_same_v<T, bool>) {
          text = s.*member ? "1" : "0";
        } else if constexpr (std::is_same_v<T, int>) {
          text = QString::number(s.*member);
        } else {
          text = s.*member;
        }
      },
      key.field);
  store.setValue(QString(key.section) + "/" + key.name, text);
}

}  // namespace

std::unique_ptr<QSettings> OpenUserSettingsStore() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Chess Talvor",
                                     "Chess Talvor");
}

void LoadCommonSettings(QSettings& store, const SettingsContext& context, Settings& s) {
  for (const Key& key : Keys())
    if (IsCommon(key)) Load(store, context, s, key);
}

void LoadSettings(QSettings& store, const SettingsContext& context, Settings& s) {
  for (const Key& key : Keys())
    if (!IsCommon(key)) Load(store, context, s, key);
}

void SaveCommonSettings(QSettings& store, const Settings& s) {
  for (const Key& key : Keys())
    if (IsSavedCommon(key)) Save(store, s, key);
  store.sync();
}

void SaveSettings(QSettings& store, const Settings& s) {
  for (const Key& key : Keys())
    if (!IsCommon(key)) Save(store, s, key);
  store.sync();
}

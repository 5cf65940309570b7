// The "Startup" dialog of a new game: the level, the user's colour and a
// handicap. It only gathers the choices; the caller starts the game.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

class Gateways;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

class NewGameDialog : public QDialog {
  Q_OBJECT

 public:
  // level: the current level; color: the user's colour to pre-select
  // (StartupColor); showNew: the "Always Show" setting.
  NewGameDialog(int level, int color, bool showNew, bool topMost, Gateways& ui, QWidget* parent);

  // "More...": opens the level dialog and returns the level then in force.
  std::function<int()> onMoreLevels;

  // Position in the level list: 0..11 a named level, 12 "More...".
  int LevelPosition() const;
  int Color() const;     // StartupColor
  int Handicap() const;  // 0 none, 1 knight, 2 rook, 3 queen, 4 custom
  bool ShowNewChecked() const;

  QComboBox* cmbLevel;
  std::array<QRadioButton*, 3> optFlip;
  std::array<QRadioButton*, 5> optHandicap;
  QCheckBox* chkShowNew;
  QPushButton *btnConfirm, *btnCancel;

 private:
  void SelectLevel(int level);
  void LevelChosen(int position);

  Gateways& ui_;
};

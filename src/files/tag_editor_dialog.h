// "Edit Tags": the game's tags and result, and whether the opening is
// looked up automatically. OK stores what was typed; the game is not
// marked as changed by it.
#pragma once

#include <QDialog>

#include "game/game_record.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TagEditorDialog : public QDialog {
  Q_OBJECT

 public:
  TagEditorDialog(GameRecord& game, bool topMost, QWidget* parent);

  QLineEdit *txtEvent, *txtSite, *txtDate, *txtRound;
  QComboBox* cmbResult;
  QLineEdit *txtWhite, *txtWhiteElo, *txtBlack, *txtBlackElo;
  QLabel* lblEco;
  QLineEdit *txtEco, *txtOpen, *txtVar, *txtSubVar;
  QCheckBox* chkAutoEco;
  QPushButton *btnConfirm, *btnCancel;

 private:
  void Confirm();

  GameRecord& game_;
};

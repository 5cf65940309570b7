// The level dialog "Level": a named level, "Infinite", a fixed search
// depth, or a time control (minutes, then moves per period or seconds of
// increment). It works on pending copies; OK writes them to the settings.
#pragma once

#include <QDialog>
#include <array>

#include "shell/settings.h"

class Gateways;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SpinButton;

class LevelDialog : public QDialog {
  Q_OBJECT

 public:
  LevelDialog(Settings& settings, Gateways& ui, QWidget* parent);

  std::array<QRadioButton*, 12> optLevel;
  QRadioButton *optInfinite, *optDepth, *optTimer;
  QGroupBox *frmDepth, *frmTimer;
  QLineEdit *txtDepth, *txtInitTime, *txtIncMove, *txtIncTime;
  SpinButton *updnDepth, *updnSegment, *updnIncMove, *updnIncTime;
  QRadioButton *optIncMove, *optIncTime;
  QLabel *lblMoves, *lblSeconds;
  QPushButton *btnConfirm, *btnCancel;

 private:
  // A number box with its pending value and range.
  struct Field {
    QLineEdit* text;
    int* pending;
    int low, high;
  };
  void BuildControls();
  void Load();
  void ConnectField(const Field& field, SpinButton* spin);
  void FieldEdited(const Field& field);
  void EnableIncrementFields();
  void LevelClicked(int index);
  void InfiniteClicked();
  void DepthClicked();
  void TimerClicked();
  void Confirm();

  Settings& settings_;
  Gateways& ui_;
  int pendingLevel_;
  int pendingInitTime_;
  int pendingIncMove_;
  int pendingIncTime_;
  bool loading_ = true;
};

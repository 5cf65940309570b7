// The Preferences dialog: the options that have no menu of their own. OK
// copies the controls into the settings; Cancel changes nothing. Nothing is
// written to the store here; each value takes effect where it is next used.
#pragma once

#include <QDialog>

class Gateways;
class QCheckBox;
class QComboBox;
class QLineEdit;
struct Settings;

class PreferencesDialog : public QDialog {
  Q_OBJECT

 public:
  PreferencesDialog(Settings& settings, Gateways& ui, const QString& webSite, QWidget* parent);

  QCheckBox *chkTryAgain, *chkAutoSave, *chkPromptSave, *chkShowNew;
  QLineEdit* txtUser;
  QComboBox* cmbEnginePlay;
  QCheckBox *chkEngineTime, *chkAllowResign, *chkAlwaysPonder, *chkAutoFlip, *chkEngineName;
  QCheckBox *chkReadMove, *chkAutoPlay;
  QLineEdit* txtPlayIntv;

 private:
  void PlayIntervalEdited(const QString& text);
  void StepPlayInterval(int delta);
  void Confirm();

  Settings& settings_;
  int playInterval_;  // the interval as kept while the box is edited
};

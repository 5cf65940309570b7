// The Engine Settings dialog (frmEngineSet): memory, threads, style and
// randomness, the opening book, the tablebases, the HTML log, the slave
// engine, and a console that sends typed commands to the main engine and
// lists its answers.
#pragma once

#include <QDialog>
#include <functional>

#include "shell/gateways.h"
#include "shell/settings.h"

class Engine;
class Game;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class EngineSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  // keepGame: asked before a typed position replaces the game; true keeps it.
  EngineSettingsDialog(Engine& engine, Settings& settings, Game& game, Gateways& ui,
                       std::function<bool()> keepGame, QWidget* parent);
  ~EngineSettingsDialog() override;

  QComboBox *cmbHash, *cmbThreads, *cmbStyle, *cmbRandomness;
  QCheckBox *chkEngineLog, *chkUseBook, *chkUseEgtb, *chkSlaveWhite;
  QLineEdit *txtLogFile, *txtBookFile, *txtEgtbPath, *txtCommand;
  QPushButton *btnSelectLog, *btnOpenLog, *btnSelectFile, *btnResetFile, *btnSelectPath,
      *btnResetPath, *btnLoadSlave, *btnSend, *btnConfirm, *btnCancel;
  QListWidget* lstReceived;

  // A typed "go " has not been answered by "bestmove " yet.
  bool ManualSearch = false;

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Send();
  void SetUpTypedPosition(const QString& text);
  void Received(const QString& line);
  void ShowSlave();
  void Confirm();
  void OpenLog();

  Engine& engine_;
  Settings& settings_;
  Game& game_;
  Gateways& ui_;
  std::function<bool()> keepGame_;
  bool activated_ = false;
  bool reading_ = false;
};

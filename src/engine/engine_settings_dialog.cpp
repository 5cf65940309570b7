#include "engine/engine_settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "engine/engine.h"
#include "game/titles.h"
#include "shell/window_utils.h"

namespace {

// Fills a list and selects index, adding entries past the list's end so a
// stored value beyond the usual choices is kept (2048MB is one).
void Fill(QComboBox* box, const QStringList& entries, int index,
          const std::function<QString(int)>& extra) {
  box->addItems(entries);
  for (int i = box->count(); i <= index; ++i) box->addItem(extra(i));
  box->setCurrentIndex(std::max(index, 0));
}

}  // namespace

EngineSettingsDialog::EngineSettingsDialog(Engine& engine, Settings& settings, Game& game,
                                           Gateways& ui, std::function<bool()> keepGame,
                                           QWidget* parent)
    : QDialog(parent),
      engine_(engine),
      settings_(settings),
      game_(game),
      ui_(ui),
      keepGame_(std::move(keepGame)) {
  setObjectName("frmEngineSet");
  setWindowTitle("Engine Settings");
  const auto button = [this](const QString& text, const char* name) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
  };
  cmbHash = new QComboBox(this);
  cmbThreads = new QComboBox(this);
  cmbStyle = new QComboBox(this);
  cmbRandomness = new QComboBox(this);
  Fill(cmbHash, {"16MB", "32MB", "64MB", "128MB", "256MB", "512MB", "1024MB"}, settings.Hash,
       [](int i) { return QString("%1MB").arg(16 << i); });
  Fill(cmbThreads, {"1", "2", "4", "8", "16", "32"}, settings.Threads,
       [](int i) { return QString::number(1 << i); });
  Fill(cmbStyle, {"Solid", "Normal", "Risky"}, settings.Style, [](int) { return QString(); });
  Fill(cmbRandomness, {"None", "Little", "Medium", "Much"}, settings.Randomness,
       [](int) { return QString(); });

  chkEngineLog = new QCheckBox("Log File", this);
  chkUseBook = new QCheckBox("Book", this);
  chkUseEgtb = new QCheckBox("EGTB", this);
  chkSlaveWhite = new QCheckBox("Slave White", this);
  chkEngineLog->setChecked(settings.EngineLog);
  chkUseBook->setChecked(settings.UseBook);
  chkUseEgtb->setChecked(settings.UseEgtb);
  txtLogFile = new QLineEdit(settings.LogFile, this);
  txtBookFile = new QLineEdit(settings.BookFiles, this);
  txtEgtbPath = new QLineEdit(settings.EgtbPaths, this);
  txtCommand = new QLineEdit(this);
  txtCommand->setObjectName("txtCommand");
  btnSelectLog = button("Select", "btnSelectLog");
  btnOpenLog = button("View", "btnOpenLog");
  btnSelectFile = button("Select", "btnSelectFile");
  btnResetFile = button("Reset", "btnResetFile");
  btnSelectPath = button("Select", "btnSelectPath");
  btnResetPath = button("Reset", "btnResetPath");
  btnLoadSlave = button("Load Slave", "btnLoadSlave");
  btnSend = button("Send", "btnSend");
  btnConfirm = button("OK", "btnConfirm");
  btnCancel = button("Cancel", "btnCancel");
  lstReceived = new QListWidget(this);
  lstReceived->setObjectName("lstReceived");
  lstReceived->setMinimumWidth(360);

  auto* engineBox = new QGroupBox("Engine", this);
  auto* grid = new QGridLayout(engineBox);
  grid->addWidget(new QLabel("Memory", this), 0, 0);
  grid->addWidget(cmbHash, 0, 1);
  grid->addWidget(new QLabel("Thread", this), 0, 2);
  grid->addWidget(cmbThreads, 0, 3);
  grid->addWidget(new QLabel("Style", this), 1, 0);
  grid->addWidget(cmbStyle, 1, 1);
  grid->addWidget(new QLabel("Randomness", this), 1, 2);
  grid->addWidget(cmbRandomness, 1, 3);
  grid->addWidget(chkUseBook, 2, 0);
  grid->addWidget(txtBookFile, 2, 1, 1, 3);
  grid->addWidget(btnSelectFile, 2, 4);
  grid->addWidget(btnResetFile, 2, 5);
  grid->addWidget(chkUseEgtb, 3, 0);
  grid->addWidget(txtEgtbPath, 3, 1, 1, 3);
  grid->addWidget(btnSelectPath, 3, 4);
  grid->addWidget(btnResetPath, 3, 5);
  grid->addWidget(chkEngineLog, 4, 0);
  grid->addWidget(txtLogFile, 4, 1, 1, 3);
  grid->addWidget(btnSelectLog, 4, 4);
  grid->addWidget(btnOpenLog, 4, 5);
  grid->addWidget(chkSlaveWhite, 5, 0, 1, 2);
  grid->addWidget(btnLoadSlave, 5, 4, 1, 2);

  auto* consoleBox = new QGroupBox("Console", this);
  auto* console = new QGridLayout(consoleBox);
  console->addWidget(lstReceived, 0, 0, 1, 2);
  console->addWidget(txtCommand, 1, 0);
  console->addWidget(btnSend, 1, 1);

  auto* layout = new QGridLayout(this);
  layout->addWidget(engineBox, 0, 0, 1, 3);
  layout->addWidget(consoleBox, 1, 0, 1, 3);
  layout->addWidget(btnConfirm, 2, 1);
  layout->addWidget(btnCancel, 2, 2);
  layout->setColumnStretch(0, 1);

  ShowSlave();
  if (settings.TopMost) SetTopMost(this, true);

  connect(btnSend, &QPushButton::clicked, this, [this] { Send(); });
  connect(txtCommand, &QLineEdit::returnPressed, this, [this] { Send(); });
  connect(btnConfirm, &QPushButton::clicked, this, [this] { Confirm(); });
  connect(btnCancel, &QPushButton::clicked, this, [this] { reject(); });
  connect(btnSelectLog, &QPushButton::clicked, this, [this] {
    const QString path = AskFileName(ui_, "Select Log File", "HTML files", "htm", GameTitle(game_));
    if (!path.isEmpty()) txtLogFile->setText(path);
  });
  connect(btnOpenLog, &QPushButton::clicked, this, [this] { OpenLog(); });
  connect(btnSelectFile, &QPushButton::clicked, this, [this] {
    const QString path = AskFileName(ui_, "Select Book", "Book files", "bin", {});
    if (!path.isEmpty()) txtBookFile->setText(path);
  });
  connect(btnResetFile, &QPushButton::clicked, this, [this] {
    chkUseBook->setChecked(true);
    txtBookFile->clear();
  });
  connect(btnSelectPath, &QPushButton::clicked, this, [this] {
    const QString path = ui_.BrowseForFolder("Select EGTB Folder");
    if (!path.isEmpty()) txtEgtbPath->setText(path);
  });
  connect(btnResetPath, &QPushButton::clicked, this, [this] {
    chkUseEgtb->setChecked(true);
    txtEgtbPath->clear();
  });
  connect(chkSlaveWhite, &QCheckBox::clicked, this, [this](bool checked) {
    if (!engine_.SlaveWhite && !engine_.SlaveBlack) return;
    engine_.SlaveWhite = checked;
    engine_.SlaveBlack = !checked;
  });
  connect(btnLoadSlave, &QPushButton::clicked, this, [this] {
    engine_.LoadSlaveEngine();
    ShowSlave();
    chkSlaveWhite->setChecked(false);
  });
}

EngineSettingsDialog::~EngineSettingsDialog() {
  if (reading_) engine_.SetConsole(nullptr, nullptr);
}

void EngineSettingsDialog::ShowSlave() {
  const bool loaded = engine_.SlaveWhite || engine_.SlaveBlack;
  chkSlaveWhite->setEnabled(loaded);
  chkSlaveWhite->setChecked(engine_.SlaveWhite);
  btnLoadSlave->setText(loaded ? "Unload Slave" : "Load Slave");
}

void EngineSettingsDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (activated_) return;
  activated_ = true;
  ManualSearch = false;
  reading_ = true;
  // While the dialog is open it is the only reader of the main engine.
  engine_.SetConsole([this](const QString& line) { Received(line); }, [this] { reject(); });
}

void EngineSettingsDialog::Received(const QString& line) {
  lstReceived->addItem(line);
  lstReceived->setCurrentRow(lstReceived->count() - 1);
  if (line.startsWith("bestmove ")) ManualSearch = false;
}

void EngineSettingsDialog::done(int result) {
  if (reading_) {
    reading_ = false;
    engine_.SetConsole(nullptr, nullptr);
  }
  QDialog::done(result);
  if (ManualSearch && engine_.EngineState > kEngineNone) {
    ManualSearch = false;
    engine_.EngineState = kEngineStopping;
    engine_.StopEngine();
  }
}

void EngineSettingsDialog::Send() {
  const QString text = txtCommand->text();
  if (text.isEmpty()) return;
  engine_.SendToEngine(text, false);
  txtCommand->clear();
  if (text.startsWith("go ")) {
    ManualSearch = true;
  } else if (text.startsWith("position ") && !keepGame_()) {
    SetUpTypedPosition(text);
  }
}

void EngineSettingsDialog::SetUpTypedPosition(const QString& text) {
  const qsizetype m = text.indexOf(" moves ");
  if (text.mid(9, 4) == "fen ") {
    game_.LoadPosition(m > 0 ? text.mid(13, m - 13) : text.mid(13), true);
  } else if (text.mid(9, 8) == "startpos") {
    game_.LoadPosition(kStandardFen, true);
    game_.StandardStart = true;
  } else {
    return;
  }
  if (m > 0) {
    for (qsizetype at = m + 7; at < text.size();) {
      game_.ApplyMove(ChessCoord2Move(text.mid(at, 5).toStdString()), kModeSilent, 0);
      at += (at + 4 < text.size() && text[at + 4] == ' ') ? 5 : 6;
    }
    game_.view().RedrawBoard();
    game_.view().RefreshGameView(false);
  }
}

void EngineSettingsDialog::Confirm() {
  settings_.EngineLog = chkEngineLog->isChecked();
  settings_.LogFile = txtLogFile->text();
  settings_.UseBook = chkUseBook->isChecked();
  settings_.BookFiles = txtBookFile->text();
  settings_.UseEgtb = chkUseEgtb->isChecked();
  settings_.EgtbPaths = txtEgtbPath->text();
  settings_.Hash = cmbHash->currentIndex();
  settings_.Threads = cmbThreads->currentIndex();
  settings_.Style = cmbStyle->currentIndex();
  settings_.Randomness = cmbRandomness->currentIndex();
  engine_.SendEngineOptions(false);
  if (engine_.SlaveWhite || engine_.SlaveBlack) engine_.SendEngineOptions(true);
  accept();
}

void EngineSettingsDialog::OpenLog() {
  const QString path = txtLogFile->text();
  QFile file(path);
  if (path.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::Append)) {
    ui_.MessageBoxWithIcon("Error Open File: " + path, MsgButtons::Ok, {}, MsgIcon::Warning);
    return;
  }
  file.close();
  ui_.OpenUrl(QUrl::fromLocalFile(path).toString());
}

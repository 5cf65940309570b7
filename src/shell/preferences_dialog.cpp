#include "shell/preferences_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/gateways.h"
#include "shell/settings.h"
#include "shell/text_utils.h"
#include "shell/window_utils.h"

namespace {

QCheckBox* Check(QWidget* parent, const char* name, const char* caption, bool checked) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  box->setChecked(checked);
  return box;
}

QGroupBox* Frame(QWidget* parent, const char* name, const char* caption) {
  auto* frame = new QGroupBox(caption, parent);
  frame->setObjectName(name);
  return frame;
}

}  // namespace

PreferencesDialog::PreferencesDialog(Settings& settings, Gateways& ui, const QString& webSite,
                                     QWidget* parent)
    : QDialog(parent), settings_(settings), playInterval_(settings.PlayIntv) {
  setObjectName("frmOptions");
  setWindowTitle("Preferences");
  auto* layout = new QVBoxLayout(this);

  QGroupBox* misc = Frame(this, "frmMisc", "Miscellaneous");
  auto* miscLayout = new QGridLayout(misc);
  chkTryAgain = Check(misc, "chkTryAgain", "Prompt ''Start Another Game''", settings.TryAgain);
  chkAutoSave = Check(misc, "chkAutoSave", "Auto Save Game", settings.AutoSave);
  chkPromptSave = Check(misc, "chkPromptSave", "Prompt ''Save Game''", settings.PromptSave);
  chkShowNew = Check(misc, "chkShowNew", "Show ''Startup'' Dialog", settings.ShowNew);
  miscLayout->addWidget(chkTryAgain, 0, 0);
  miscLayout->addWidget(chkAutoSave, 0, 1);
  miscLayout->addWidget(chkPromptSave, 1, 0);
  miscLayout->addWidget(chkShowNew, 1, 1);
  layout->addWidget(misc);

  QGroupBox* engine = Frame(this, "frmEngine", "Play against Computer");
  auto* engineLayout = new QGridLayout(engine);
  auto* lblUser = new QLabel("Player's Name", engine);
  lblUser->setObjectName("lblUser");
  txtUser = new QLineEdit(settings.User, engine);
  txtUser->setObjectName("txtUser");
  lblUser->setBuddy(txtUser);
  auto* lblEnginePlay = new QLabel("Computer's Role", engine);
  lblEnginePlay->setObjectName("lblEnginePlay");
  cmbEnginePlay = new QComboBox(engine);
  cmbEnginePlay->setObjectName("cmbEnginePlay");
  cmbEnginePlay->addItems(
      {"No Computer", "Computer White", "Computer Black", "Alternation", "Random"});
  cmbEnginePlay->setCurrentIndex(settings.EnginePlay);
  lblEnginePlay->setBuddy(cmbEnginePlay);
  chkEngineTime =
      Check(engine, "chkEngineTime", "Show Time in Analysis Window", settings.EngineTime);
  chkAllowResign = Check(engine, "chkAllowResign", "Allow Draw/Resign", settings.AllowResign);
  chkAlwaysPonder = Check(engine, "chkAlwaysPonder", "Ponder Next", settings.AlwaysPonder);
  chkAutoFlip = Check(engine, "chkAutoFlip", "Auto Rotate", settings.AutoFlip);
  chkEngineName = Check(engine, "chkEngineName", "Show Players", settings.EngineName);
  engineLayout->addWidget(lblUser, 0, 0);
  engineLayout->addWidget(txtUser, 0, 1);
  engineLayout->addWidget(lblEnginePlay, 1, 0);
  engineLayout->addWidget(cmbEnginePlay, 1, 1);
  engineLayout->addWidget(chkEngineTime, 2, 0, 1, 2);
  engineLayout->addWidget(chkAllowResign, 3, 0);
  engineLayout->addWidget(chkAlwaysPonder, 3, 1);
  engineLayout->addWidget(chkAutoFlip, 4, 0);
  engineLayout->addWidget(chkEngineName, 4, 1);
  layout->addWidget(engine);

  QGroupBox* talvor = Frame(this, "frmTalvor", "Talvor");
  auto* talvorLayout = new QHBoxLayout(talvor);
  chkReadMove = Check(talvor, "chkReadMove", "Read Move", settings.ReadMove);
  chkAutoPlay = Check(talvor, "chkAutoPlay", "Auto Demo", settings.AutoPlay);
  txtPlayIntv = new QLineEdit(QString::number(playInterval_), talvor);
  txtPlayIntv->setObjectName("txtPlayIntv");
  txtPlayIntv->setFixedWidth(40);
  txtPlayIntv->setAlignment(Qt::AlignRight);
  auto* updown = new QWidget(talvor);
  updown->setObjectName("updnPlayIntv");
  auto* arrows = new QVBoxLayout(updown);
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->setSpacing(0);
  auto* upButton = new QToolButton(updown);
  upButton->setArrowType(Qt::UpArrow);
  upButton->setFixedSize(18, 12);
  auto* downButton = new QToolButton(updown);
  downButton->setArrowType(Qt::DownArrow);
  downButton->setFixedSize(18, 12);
  arrows->addWidget(upButton);
  arrows->addWidget(downButton);
  auto* lblIntvSec = new QLabel("Seconds", talvor);
  lblIntvSec->setObjectName("lblIntvSec");
  auto* lblDownloadTTS = new QLabel("<a href=\"tts\">Download TTS</a>", talvor);
  lblDownloadTTS->setObjectName("lblDownloadTTS");
  talvorLayout->addWidget(chkReadMove);
  talvorLayout->addWidget(chkAutoPlay);
  talvorLayout->addWidget(txtPlayIntv);
  talvorLayout->addWidget(updown);
  talvorLayout->addWidget(lblIntvSec);
  talvorLayout->addStretch(1);
  talvorLayout->addWidget(lblDownloadTTS);
  layout->addWidget(talvor);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* btnConfirm = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
  btnConfirm->setObjectName("btnConfirm");
  btnConfirm->setDefault(true);
  QPushButton* btnCancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
  btnCancel->setObjectName("btnCancel");
  layout->addWidget(buttons);

  connect(txtPlayIntv, &QLineEdit::textEdited, this, &PreferencesDialog::PlayIntervalEdited);
  connect(upButton, &QToolButton::clicked, this, [this] { StepPlayInterval(1); });
  connect(downButton, &QToolButton::clicked, this, [this] { StepPlayInterval(-1); });
  connect(lblDownloadTTS, &QLabel::linkActivated, this,
          [&ui, webSite] { ui.OpenUrl(webSite + "/help/tts.htm"); });
  connect(btnConfirm, &QPushButton::clicked, this, &PreferencesDialog::Confirm);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  KeepOnTop(this, settings.TopMost);
}

void PreferencesDialog::PlayIntervalEdited(const QString& text) {
  if (ClampValue(text, -32767, 32767) == playInterval_) return;
  playInterval_ = ClampValue(text, 1, 10);
  txtPlayIntv->setText(QString::number(playInterval_));
}

void PreferencesDialog::StepPlayInterval(int delta) {
  playInterval_ = std::clamp(playInterval_ + delta, 1, 10);
  txtPlayIntv->setText(QString::number(playInterval_));
}

void PreferencesDialog::Confirm() {
  settings_.PlayIntv = playInterval_;
  settings_.TryAgain = chkTryAgain->isChecked();
  settings_.AutoSave = chkAutoSave->isChecked();
  settings_.PromptSave = chkPromptSave->isChecked();
  settings_.ShowNew = chkShowNew->isChecked();
  settings_.EngineTime = chkEngineTime->isChecked();
  settings_.AllowResign = chkAllowResign->isChecked();
  settings_.AlwaysPonder = chkAlwaysPonder->isChecked();
  settings_.AutoFlip = chkAutoFlip->isChecked();
  settings_.EngineName = chkEngineName->isChecked();
  settings_.ReadMove = chkReadMove->isChecked();
  settings_.AutoPlay = chkAutoPlay->isChecked();
  settings_.EnginePlay = cmbEnginePlay->currentIndex();
  settings_.User = txtUser->text();
  accept();
}

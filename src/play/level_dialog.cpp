#include "play/level_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

#include "play/levels.h"
#include "play/spin_button.h"
#include "shell/gateways.h"
#include "shell/text_utils.h"
#include "shell/window_utils.h"

namespace {

QLineEdit* NumberBox(QWidget* parent, const char* name) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setFixedWidth(48);
  box->setAlignment(Qt::AlignRight);
  return box;
}

SpinButton* Spin(QWidget* parent, const char* name) {
  auto* spin = new SpinButton(parent);
  spin->setObjectName(name);
  return spin;
}

}  // namespace

LevelDialog::LevelDialog(Settings& settings, Gateways& ui, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      ui_(ui),
      pendingLevel_(settings.Depth),
      pendingInitTime_(settings.InitTime),
      pendingIncMove_(settings.IncMove),
      pendingIncTime_(settings.IncTime) {
  setObjectName("frmLevelSet");
  setWindowTitle("Level");
  BuildControls();
  Load();
  loading_ = false;
  KeepOnTop(this, settings.TopMost);
}

void LevelDialog::BuildControls() {
  auto* columns = new QHBoxLayout;
  auto* levels = new QWidget(this);
  auto* levelGrid = new QGridLayout(levels);
  for (int i = 0; i < kNamedLevelCount; ++i) {
    optLevel[i] = new QRadioButton(NamedLevelName(i), levels);
    optLevel[i]->setObjectName(QString("optLevel(%1)").arg(i));
    levelGrid->addWidget(optLevel[i], i % 6, i / 6);
    connect(optLevel[i], &QRadioButton::clicked, this, [this, i] { LevelClicked(i); });
  }
  optInfinite = new QRadioButton("Infinite", levels);
  optInfinite->setObjectName("optInfinite");
  optDepth = new QRadioButton("Limited Depth", levels);
  optDepth->setObjectName("optDepth");
  optTimer = new QRadioButton("Time Control", levels);
  optTimer->setObjectName("optTimer");
  levelGrid->addWidget(optInfinite, 6, 0, 1, 2);
  levelGrid->addWidget(optDepth, 7, 0, 1, 2);
  levelGrid->addWidget(optTimer, 8, 0, 1, 2);
  connect(optInfinite, &QRadioButton::clicked, this, [this] { InfiniteClicked(); });
  connect(optDepth, &QRadioButton::clicked, this, [this] { DepthClicked(); });
  connect(optTimer, &QRadioButton::clicked, this, [this] { TimerClicked(); });
  columns->addWidget(levels);

  auto* frames = new QVBoxLayout;
  frmDepth = new QGroupBox(this);
  frmDepth->setObjectName("frmDepth");
  auto* depthRow = new QHBoxLayout(frmDepth);
  txtDepth = NumberBox(frmDepth, "txtDepth");
  updnDepth = Spin(frmDepth, "updnDepth");
  depthRow->addWidget(new QLabel("Search", frmDepth));
  depthRow->addWidget(txtDepth);
  depthRow->addWidget(updnDepth);
  depthRow->addWidget(new QLabel("Plies", frmDepth));
  depthRow->addStretch(1);
  frames->addWidget(frmDepth);

  frmTimer = new QGroupBox(this);
  frmTimer->setObjectName("frmTimer");
  auto* timerGrid = new QGridLayout(frmTimer);
  txtInitTime = NumberBox(frmTimer, "txtInitTime");
  updnSegment = Spin(frmTimer, "updnSegment");
  optIncMove = new QRadioButton("Make", frmTimer);
  optIncMove->setObjectName("optIncMove");
  txtIncMove = NumberBox(frmTimer, "txtIncMove");
  updnIncMove = Spin(frmTimer, "updnIncMove");
  lblMoves = new QLabel("Moves", frmTimer);
  optIncTime = new QRadioButton("Plus", frmTimer);
  optIncTime->setObjectName("optIncTime");
  txtIncTime = NumberBox(frmTimer, "txtIncTime");
  updnIncTime = Spin(frmTimer, "updnIncTime");
  lblSeconds = new QLabel("Seconds", frmTimer);
  timerGrid->addWidget(new QLabel("Initial", frmTimer), 0, 0);
  timerGrid->addWidget(txtInitTime, 0, 1);
  timerGrid->addWidget(updnSegment, 0, 2);
  timerGrid->addWidget(new QLabel("Minutes", frmTimer), 0, 3);
  timerGrid->addWidget(optIncMove, 1, 0);
  timerGrid->addWidget(txtIncMove, 1, 1);
  timerGrid->addWidget(updnIncMove, 1, 2);
  timerGrid->addWidget(lblMoves, 1, 3);
  timerGrid->addWidget(optIncTime, 2, 0);
  timerGrid->addWidget(txtIncTime, 2, 1);
  timerGrid->addWidget(updnIncTime, 2, 2);
  timerGrid->addWidget(lblSeconds, 2, 3);
  connect(optIncMove, &QRadioButton::clicked, this, [this] { EnableIncrementFields(); });
  connect(optIncTime, &QRadioButton::clicked, this, [this] { EnableIncrementFields(); });
  frames->addWidget(frmTimer);
  frames->addStretch(1);
  columns->addLayout(frames);

  btnConfirm = new QPushButton("OK", this);
  btnConfirm->setObjectName("btnConfirm");
  btnConfirm->setDefault(true);
  btnCancel = new QPushButton("Cancel", this);
  btnCancel->setObjectName("btnCancel");
  connect(btnConfirm, &QPushButton::clicked, this, [this] { Confirm(); });
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(btnConfirm);
  buttons->addWidget(btnCancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);

  ConnectField({txtDepth, &pendingLevel_, 1, 99}, updnDepth);
  ConnectField({txtInitTime, &pendingInitTime_, 1, 480}, updnSegment);
  ConnectField({txtIncMove, &pendingIncMove_, 1, 999}, updnIncMove);
  ConnectField({txtIncTime, &pendingIncTime_, -60, 600}, updnIncTime);
}

void LevelDialog::Load() {
  txtInitTime->setText(QString::number(pendingInitTime_));
  (settings_.IncMode ? optIncTime : optIncMove)->setChecked(true);
  EnableIncrementFields();
  txtIncTime->setText(QString::number(pendingIncTime_));
  txtIncMove->setText(QString::number(pendingIncMove_));

  const int level = settings_.Depth;
  frmTimer->setVisible(level == 0);
  frmDepth->setVisible(level >= 1 && level <= 99);
  if (level <= -1 && level >= -kNamedLevelCount) {
    optLevel[-level - 1]->setChecked(true);
  } else if (level == kInfiniteLevel) {
    optInfinite->setChecked(true);
  } else if (level >= 1 && level <= 99) {
    optDepth->setChecked(true);
    txtDepth->setText(QString::number(level));
  } else {
    optTimer->setChecked(true);
  }
}

void LevelDialog::ConnectField(const Field& field, SpinButton* spin) {
  connect(field.text, &QLineEdit::textChanged, this, [this, field] { FieldEdited(field); });
  connect(spin, &SpinButton::Stepped, this, [field](int delta) {
    field.text->setText(QString::number(std::clamp(*field.pending + delta, field.low, field.high)));
  });
}

void LevelDialog::FieldEdited(const Field& field) {
  const int value = ClampValue(field.text->text(), -32767, 32767);
  if (value == *field.pending) return;
  *field.pending = std::clamp(value, field.low, field.high);
  field.text->setText(QString::number(*field.pending));
}

void LevelDialog::EnableIncrementFields() {
  const bool increments = optIncTime->isChecked();
  for (QWidget* w : std::initializer_list<QWidget*>{txtIncTime, updnIncTime, lblSeconds})
    w->setEnabled(increments);
  for (QWidget* w : std::initializer_list<QWidget*>{txtIncMove, updnIncMove, lblMoves})
    w->setEnabled(!increments);
}

void LevelDialog::LevelClicked(int index) {
  if (loading_) return;
  frmTimer->hide();
  frmDepth->hide();
  pendingLevel_ = -(index + 1);
  const QString warning = SlowLevelWarning(index);
  if (!warning.isEmpty()) ui_.MessageBoxWithIcon(warning, MsgButtons::Ok, {}, MsgIcon::Information);
}

void LevelDialog::InfiniteClicked() {
  if (loading_) return;
  frmTimer->hide();
  frmDepth->hide();
  pendingLevel_ = kInfiniteLevel;
  ui_.MessageBoxWithIcon(kInfiniteInformation, MsgButtons::Ok, {}, MsgIcon::Information);
}

void LevelDialog::DepthClicked() {
  if (loading_) return;
  frmTimer->hide();
  frmDepth->show();
  if (pendingLevel_ < 1 || pendingLevel_ > 99) {
    pendingLevel_ = 8;
    txtDepth->setText("8");
  }
}

void LevelDialog::TimerClicked() {
  if (loading_) return;
  frmTimer->show();
  frmDepth->hide();
  pendingLevel_ = 0;
}

void LevelDialog::Confirm() {
  settings_.IncMode = optIncTime->isChecked();
  settings_.InitTime = pendingInitTime_;
  settings_.IncMove = pendingIncMove_;
  settings_.IncTime = pendingIncTime_;
  settings_.Depth = pendingLevel_;
  accept();
}

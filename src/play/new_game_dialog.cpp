#include "play/new_game_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "play/levels.h"
#include "shell/gateways.h"
#include "shell/window_utils.h"

namespace {

constexpr int kMorePosition = kNamedLevelCount;

QGroupBox* Frame(QWidget* parent, const char* name, const char* caption) {
  auto* frame = new QGroupBox(caption, parent);
  frame->setObjectName(name);
  return frame;
}

}  // namespace

NewGameDialog::NewGameDialog(int level, int color, bool showNew, bool topMost, Gateways& ui,
                             QWidget* parent)
    : QDialog(parent), ui_(ui) {
  setObjectName("frmNewGame");
  setWindowTitle("Startup");

  QGroupBox* frmLevel = Frame(this, "frmLevel", "Level");
  auto* levelBox = new QVBoxLayout(frmLevel);
  cmbLevel = new QComboBox(frmLevel);
  cmbLevel->setObjectName("cmbLevel");
  for (int i = 0; i < kNamedLevelCount; ++i) cmbLevel->addItem(NamedLevelName(i));
  cmbLevel->addItem("More...");
  auto* hint = new QLabel(
      "If you feel ''Pea Brain'' still too difficult to you, you can let computer offer you some "
      "odds.",
      frmLevel);
  hint->setWordWrap(true);
  levelBox->addWidget(cmbLevel);
  levelBox->addWidget(hint);

  QGroupBox* frmFlip = Frame(this, "frmFlip", "My Color");
  auto* flipBox = new QVBoxLayout(frmFlip);
  const char* const colors[] = {"White", "Black", "Both"};
  for (int i = 0; i < 3; ++i) {
    optFlip[i] = new QRadioButton(colors[i], frmFlip);
    optFlip[i]->setObjectName(QString("optFlip(%1)").arg(i));
    flipBox->addWidget(optFlip[i]);
  }

  QGroupBox* frmHandicap = Frame(this, "frmHandicap", "Handicap");
  auto* handicapBox = new QVBoxLayout(frmHandicap);
  const char* const handicaps[] = {"None", "A Knight", "A Rook", "A Queen", "Custom"};
  for (int i = 0; i < 5; ++i) {
    optHandicap[i] = new QRadioButton(handicaps[i], frmHandicap);
    optHandicap[i]->setObjectName(QString("optHandicap(%1)").arg(i));
    handicapBox->addWidget(optHandicap[i]);
  }
  // A custom handicap is set up in the position editor, which this
  // program does not have yet.
  optHandicap[4]->setEnabled(false);

  chkShowNew = new QCheckBox("Always Show ''Startup'' Dialog", this);
  chkShowNew->setObjectName("chkShowNew");
  btnConfirm = new QPushButton("OK", this);
  btnConfirm->setObjectName("btnConfirm");
  btnConfirm->setDefault(true);
  btnCancel = new QPushButton("Cancel", this);
  btnCancel->setObjectName("btnCancel");
  connect(btnConfirm, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* choices = new QHBoxLayout;
  choices->addWidget(frmFlip);
  choices->addWidget(frmHandicap);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(chkShowNew);
  buttons->addStretch(1);
  buttons->addWidget(btnConfirm);
  buttons->addWidget(btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frmLevel);
  layout->addLayout(choices);
  layout->addLayout(buttons);

  optFlip[std::clamp(color, 0, 2)]->setChecked(true);
  optHandicap[0]->setChecked(true);
  SelectLevel(level);
  // Only the user's choices in the list react (activated is not raised
  // when the dialog sets the list itself).
  connect(cmbLevel, &QComboBox::activated, this, [this](int position) { LevelChosen(position); });
  chkShowNew->setChecked(showNew);
  KeepOnTop(this, topMost);
}

void NewGameDialog::SelectLevel(int level) {
  cmbLevel->setCurrentIndex(level < 0 && level >= -kNamedLevelCount ? -1 - level : kMorePosition);
}

void NewGameDialog::LevelChosen(int position) {
  if (position == kMorePosition) {
    if (onMoreLevels) {
      const int level = onMoreLevels();
      if (level < 0) SelectLevel(level);
    }
    return;
  }
  const QString warning = SlowLevelWarning(position);
  if (!warning.isEmpty()) ui_.MessageBoxWithIcon(warning, MsgButtons::Ok, {}, MsgIcon::Information);
}

int NewGameDialog::LevelPosition() const {
  return cmbLevel->currentIndex();
}

int NewGameDialog::Color() const {
  for (int i = 0; i < 3; ++i)
    if (optFlip[i]->isChecked()) return i;
  return 0;
}

int NewGameDialog::Handicap() const {
  for (int i = 0; i < 5; ++i)
    if (optHandicap[i]->isChecked()) return i;
  return 0;
}

bool NewGameDialog::ShowNewChecked() const {
  return chkShowNew->isChecked();
}

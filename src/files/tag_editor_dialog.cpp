#include "files/tag_editor_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/window_utils.h"

namespace {

QLineEdit* Field(const char* name, const QString& text) {
  auto* field = new QLineEdit(text);
  field->setObjectName(name);
  return field;
}

}  // namespace

TagEditorDialog::TagEditorDialog(GameRecord& game, bool topMost, QWidget* parent)
    : QDialog(parent), game_(game) {
  setObjectName("frmEditTags");
  setWindowTitle("Edit Tags");

  txtEvent = Field("txtEvent", game.TagEvent);
  txtSite = Field("txtSite", game.TagSite);
  txtDate = Field("txtDate", game.TagDate);
  txtRound = Field("txtRound", game.TagRound);
  cmbResult = new QComboBox;
  cmbResult->setObjectName("cmbResult");
  cmbResult->addItems({"In progress", "White wins", "Draw", "Black wins"});
  cmbResult->setCurrentIndex(game.GameResult >= 0 && game.GameResult <= 3 ? game.GameResult : 0);
  txtWhite = Field("txtWhite", game.TagWhite);
  txtWhiteElo = Field("txtWhiteElo", game.TagWhiteElo);
  txtBlack = Field("txtBlack", game.TagBlack);
  txtBlackElo = Field("txtBlackElo", game.TagBlackElo);
  lblEco = new QLabel("ECO");
  lblEco->setObjectName("lblEco");
  txtEco = Field("txtEco", game.TagEco);
  txtOpen = Field("txtOpen", game.TagOpening);
  txtVar = Field("txtVar", game.TagVariation);
  txtSubVar = Field("txtSubVar", game.TagSubVariation);
  chkAutoEco = new QCheckBox("Auto Analyze");
  chkAutoEco->setObjectName("chkAutoEco");
  chkAutoEco->setChecked(game.EcoLookup);
  // Openings are looked up only for games from the standard start.
  chkAutoEco->setEnabled(game.StandardStart);

  auto* gameFrame = new QGroupBox("Game");
  auto* gameForm = new QFormLayout(gameFrame);
  gameForm->addRow("Event", txtEvent);
  gameForm->addRow("Site", txtSite);
  gameForm->addRow("Date", txtDate);
  gameForm->addRow("Round", txtRound);
  gameForm->addRow("Result", cmbResult);

  const auto playerFrame = [](const char* title, QLineEdit* name, QLineEdit* elo) {
    auto* frame = new QGroupBox(title);
    auto* row = new QGridLayout(frame);
    row->addWidget(new QLabel("Player"), 0, 0);
    row->addWidget(name, 0, 1);
    row->addWidget(new QLabel("Elo"), 0, 2);
    elo->setMaximumWidth(70);
    row->addWidget(elo, 0, 3);
    return frame;
  };

  auto* openingFrame = new QGroupBox("Opening");
  auto* openingForm = new QFormLayout(openingFrame);
  openingForm->addRow(lblEco, txtEco);
  openingForm->addRow("Opening", txtOpen);
  openingForm->addRow("Variation", txtVar);
  openingForm->addRow("Subvariation", txtSubVar);
  openingForm->addRow(chkAutoEco);

  btnConfirm = new QPushButton("OK");
  btnConfirm->setObjectName("btnConfirm");
  btnConfirm->setDefault(true);
  btnCancel = new QPushButton("Cancel");
  btnCancel->setObjectName("btnCancel");
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(btnConfirm, QDialogButtonBox::AcceptRole);
  buttons->addButton(btnCancel, QDialogButtonBox::RejectRole);
  connect(btnConfirm, &QPushButton::clicked, this, &TagEditorDialog::Confirm);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(gameFrame);
  layout->addWidget(playerFrame("White", txtWhite, txtWhiteElo));
  layout->addWidget(playerFrame("Black", txtBlack, txtBlackElo));
  layout->addWidget(openingFrame);
  layout->addWidget(buttons);
  setMinimumWidth(440);  // room for long player names
  KeepOnTop(this, topMost);
}

void TagEditorDialog::Confirm() {
  game_.EcoLookup = chkAutoEco->isChecked();
  game_.TagEvent = txtEvent->text();
  game_.TagSite = txtSite->text();
  game_.TagDate = txtDate->text();
  game_.TagRound = txtRound->text();
  game_.TagWhite = txtWhite->text();
  game_.TagWhiteElo = txtWhiteElo->text();
  game_.TagBlack = txtBlack->text();
  game_.TagBlackElo = txtBlackElo->text();
  game_.TagEco = txtEco->text();
  game_.TagOpening = txtOpen->text();
  game_.TagVariation = txtVar->text();
  game_.TagSubVariation = txtSubVar->text();
  game_.GameResult = cmbResult->currentIndex();
  accept();
}

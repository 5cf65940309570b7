#include "files/pgn_view_dialog.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/text_decoding.h"
#include "shell/gateways.h"
#include "shell/window_utils.h"

PgnViewDialog::PgnViewDialog(const QString& path, Gateways& ui, bool topMost, QWidget* parent)
    : QDialog(parent), ui_(ui) {
  setObjectName("frmViewPgn");
  setWindowTitle("View Text");
  // Lines are joined with the desktop's own line end.
  ForEachFileLine(path, [this](QStringView line) {
    text_ += line;
    text_ += '\n';
    return false;
  });

  txt = new QPlainTextEdit;
  txt->setObjectName("txt");
  txt->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  txt->setLineWrapMode(QPlainTextEdit::NoWrap);
  txt->setPlainText(text_);
  btnCopy = new QPushButton("Copy");
  btnCopy->setObjectName("btnCopy");
  btnExit = new QPushButton("Close");
  btnExit->setObjectName("btnExit");
  btnExit->setDefault(true);
  connect(btnCopy, &QPushButton::clicked, this, &PgnViewDialog::Copy);
  connect(btnExit, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnCopy);
  buttons->addWidget(btnExit);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(txt);
  layout->addLayout(buttons);
  resize(560, 420);
  KeepOnTop(this, topMost);
}

void PgnViewDialog::Copy() {
  ui_.SetClipboardText(text_);
  ui_.MessageBoxWithIcon("棋谱已复制到剪贴板。", MsgButtons::Ok, {}, MsgIcon::Information);
}

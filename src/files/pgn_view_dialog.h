// "View Text": the game as the PGN writer stores it, read back from the
// autosave file, with a button that copies it to the clipboard.
#pragma once

#include <QDialog>
#include <QString>

class Gateways;
class QPlainTextEdit;
class QPushButton;

class PgnViewDialog : public QDialog {
  Q_OBJECT

 public:
  // path: the file to show; when it cannot be read the text stays empty.
  PgnViewDialog(const QString& path, Gateways& ui, bool topMost, QWidget* parent);

  // The text as loaded; Copy copies this, not later edits in the box.
  const QString& LoadedText() const { return text_; }

  QPlainTextEdit* txt;
  QPushButton *btnCopy, *btnExit;

 private:
  void Copy();

  Gateways& ui_;
  QString text_;
};

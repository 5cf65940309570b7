// Gateways for tests: message boxes are answered from a script, file
// dialogs return prepared paths, and everything shown or played is recorded.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>

#include "shell/gateways.h"

struct ShownMessage {
  QString text;
  MsgButtons buttons;
  QString caption;
  MsgIcon icon;
};

class FakeGateways : public Gateways {
 public:
  MsgAnswer MessageBoxWithIcon(const QString& text, MsgButtons buttons, const QString& caption,
                               MsgIcon icon) override;
  QString OpenFileDialog(const QString& title, const QString& filter) override;
  QString SaveFileDialog(const QString& title, const QString& filter, const QString& defaultName,
                         const QString& defaultExtension) override;
  QString BrowseForFolder(const QString& title) override;
  void OpenUrl(const QString& url) override { urls << url; }
  QString ClipboardText() override { return clipboard; }
  void SetClipboardText(const QString& text, const QString& html) override {
    clipboard = text;
    clipboardHtml = html;
  }
  void PlaySound(const QString& name) override { sounds << name; }
  void Beep() override { ++beeps; }

  // Answers for the coming message boxes, in order; when none is left a box
  // is answered with its first button (Ok or Yes).
  std::deque<MsgAnswer> answers;
  // Paths the coming file and folder dialogs return ("" = cancelled).
  std::deque<QString> paths;

  std::vector<ShownMessage> messages;
  QStringList dialogs;  // "open|title|filter", "save|title|filter|name|ext", "folder|title"
  QStringList urls;
  QStringList sounds;
  QString clipboard;
  QString clipboardHtml;
  int beeps = 0;

 private:
  QString NextPath();
};

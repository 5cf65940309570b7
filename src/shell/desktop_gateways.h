// The real gateways: Qt message boxes and file dialogs, the desktop's URL
// handler and the system clipboard.
#pragma once

#include "shell/gateways.h"

class DesktopGateways : public Gateways {
 public:
  // appDir is the program folder, where IMAGES holds the message-box icons.
  explicit DesktopGateways(const QString& appDir);

  MsgAnswer MessageBoxWithIcon(const QString& text, MsgButtons buttons, const QString& caption,
                               MsgIcon icon) override;
  QString OpenFileDialog(const QString& title, const QString& filter) override;
  QString SaveFileDialog(const QString& title, const QString& filter, const QString& defaultName,
                         const QString& defaultExtension) override;
  QString BrowseForFolder(const QString& title) override;
  void OpenUrl(const QString& url) override;
  QString ClipboardText() override;
  void SetClipboardText(const QString& text, const QString& html) override;
  // Sound effects are not played yet: the sound player does not exist.
  void PlaySound(const QString& name) override;
  void Beep() override;

 private:
  QString appDir_;
};

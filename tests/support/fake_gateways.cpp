#include "fake_gateways.h"

MsgAnswer FakeGateways::MessageBoxWithIcon(const QString& text, MsgButtons buttons,
                                           const QString& caption, MsgIcon icon) {
  messages.push_back({text, buttons, caption, icon});
  if (!answers.empty()) {
    const MsgAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel ? MsgAnswer::Ok
                                                                      : MsgAnswer::Yes;
}

QString FakeGateways::NextPath() {
  if (paths.empty()) return {};
  const QString path = paths.front();
  paths.pop_front();
  return path;
}

QString FakeGateways::OpenFileDialog(const QString& title, const QString& filter) {
  dialogs << "open|" + title + "|" + filter;
  return NextPath();
}

QString FakeGateways::SaveFileDialog(const QString& title, const QString& filter,
                                     const QString& defaultName, const QString& defaultExtension) {
  dialogs << "save|" + title + "|" + filter + "|" + defaultName + "|" + defaultExtension;
  return NextPath();
}

QString FakeGateways::BrowseForFolder(const QString& title) {
  dialogs << "folder|" + title;
  return NextPath();
}

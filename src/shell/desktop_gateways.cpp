#include "shell/desktop_gateways.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QMimeData>
#include <QUrl>

#include "shell/text_utils.h"

namespace {

QString IconFile(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Program:
      return "TALVOR.svg";
    case MsgIcon::Quote:
      return "QUOTE.svg";
    case MsgIcon::Win:
      return "WIN.svg";
    case MsgIcon::Draw:
      return "DRAW.svg";
    case MsgIcon::Loss:
      return "LOSS.svg";
    default:
      return {};
  }
}

}  // namespace

DesktopGateways::DesktopGateways(const QString& appDir) : appDir_(appDir) {}

MsgAnswer DesktopGateways::MessageBoxWithIcon(const QString& text, MsgButtons buttons,
                                              const QString& caption, MsgIcon icon) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(caption.isEmpty() ? QApplication::applicationDisplayName() : caption);
  box.setText(text);
  switch (icon) {
    case MsgIcon::Information:
      box.setIcon(QMessageBox::Information);
      break;
    case MsgIcon::Warning:
      box.setIcon(QMessageBox::Warning);
      break;
    case MsgIcon::Question:
      box.setIcon(QMessageBox::Question);
      break;
    case MsgIcon::Critical:
      box.setIcon(QMessageBox::Critical);
      break;
    default: {
      const QIcon picture(appDir_ + "IMAGES/" + IconFile(icon));
      if (picture.isNull()) {
        box.setIcon(QMessageBox::Information);
      } else {
        box.setIconPixmap(picture.pixmap(48, 48));
      }
    }
  }
  switch (buttons) {
    case MsgButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MsgButtons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case MsgButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setEscapeButton(QMessageBox::No);
      break;
    case MsgButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok:
      return MsgAnswer::Ok;
    case QMessageBox::Yes:
      return MsgAnswer::Yes;
    case QMessageBox::No:
      return MsgAnswer::No;
    default:
      return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
  }
}

QString DesktopGateways::OpenFileDialog(const QString& title, const QString& filter) {
  return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, {},
                                      DialogFilter(filter));
}

QString DesktopGateways::SaveFileDialog(const QString& title, const QString& filter,
                                        const QString& defaultName,
                                        const QString& defaultExtension) {
  QFileDialog dialog(QApplication::activeWindow(), title, {}, DialogFilter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(defaultExtension);
  dialog.selectFile(defaultName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().first();
}

QString DesktopGateways::BrowseForFolder(const QString& title) {
  return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title);
}

void DesktopGateways::OpenUrl(const QString& url) {
  const QUrl target = QFileInfo::exists(url) ? QUrl::fromLocalFile(url) : QUrl(url);
  QDesktopServices::openUrl(target);
}

QString DesktopGateways::ClipboardText() {
  return QApplication::clipboard()->text();
}

void DesktopGateways::SetClipboardText(const QString& text, const QString& html) {
  auto* data = new QMimeData;
  data->setText(text);
  if (!html.isEmpty()) data->setHtml(html);
  QApplication::clipboard()->setMimeData(data);
}

void DesktopGateways::PlaySound(const QString&) {}

void DesktopGateways::Beep() {
  QApplication::beep();
}

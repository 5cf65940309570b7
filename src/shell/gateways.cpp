#include "shell/gateways.h"

#include "shell/text_utils.h"

QString AskFileNameFilter(const QString& typeName, const QString& extension) {
  return typeName + " (*." + extension + ")|*." + extension + "|All files" + " (*.*)|*.*";
}

QString AskFileName(Gateways& ui, const QString& title, const QString& typeName,
                    const QString& extension, const QString& defaultName) {
  const QString filter = AskFileNameFilter(typeName, extension);
  if (defaultName.isEmpty()) return ui.OpenFileDialog(title, filter);
  return ui.SaveFileDialog(title, filter, CleanFileName(defaultName) + "." + extension, extension);
}

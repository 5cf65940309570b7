// Every question asked of the user, every file dialog, web page, clipboard
// write and sound goes through one Gateways object. The program uses the
// desktop implementation; tests install one that answers and records, so
// whole user flows run without anyone at the screen.
#pragma once

#include <QString>

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No };

// The icon of a message box: the four standard ones, and the program's own
// pictures (numbered as the program's icon resources are).
enum class MsgIcon {
  Information,
  Warning,
  Question,
  Critical,
  Program = 1,  // the application icon (about box, engine information)
  Quote = 8,
  Win = 15,
  Draw = 16,
  Loss = 17,
};

class Gateways {
 public:
  virtual ~Gateways() = default;

  // A modal message box owned by the active window; an empty caption means
  // the application's name. Closing the box without a button answers
  // Cancel (or No when there is no Cancel button, Ok for a lone Ok).
  virtual MsgAnswer MessageBoxWithIcon(const QString& text, MsgButtons buttons,
                                       const QString& caption, MsgIcon icon) = 0;
  // Filters are written "Name|pattern|Name|pattern". Each returns the chosen
  // path, or "" when the user cancelled.
  virtual QString OpenFileDialog(const QString& title, const QString& filter) = 0;
  virtual QString SaveFileDialog(const QString& title, const QString& filter,
                                 const QString& defaultName, const QString& defaultExtension) = 0;
  virtual QString BrowseForFolder(const QString& title) = 0;
  // Opens a web page or a file with the desktop's default handler.
  virtual void OpenUrl(const QString& url) = 0;
  virtual QString ClipboardText() = 0;
  virtual void SetClipboardText(const QString& text, const QString& html = {}) = 0;
  // Plays a sound effect by name ("MOVE", "CAPTURE", "ILLEGAL", ...).
  virtual void PlaySound(const QString& name) = 0;
  // The system's short alert sound.
  virtual void Beep() = 0;
};

// Asks for a file: with an empty default name an open dialog (the file must
// exist), otherwise a save dialog proposing the cleaned name with the
// extension. The filter offers "<typeName> (*.<ext>)" and all files.
QString AskFileName(Gateways& ui, const QString& title, const QString& typeName,
                    const QString& extension, const QString& defaultName);

// Just the filter AskFileName builds, "Name (*.ext)|*.ext|All files (*.*)|*.*".
QString AskFileNameFilter(const QString& typeName, const QString& extension);

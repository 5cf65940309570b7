// Turning the bytes of a text file into text. Game files come from every
// kind of source: most are UTF-8, older ones use a single-byte code page.
// Each byte sequence that is valid UTF-8 is read as such and every other
// byte as Latin-1, so a name written either way comes out intact.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <functional>

// The text of the bytes. A UTF-8 byte order mark at the start is dropped.
QString DecodeText(QByteArrayView bytes);

// Calls lineAction with each line of text (lines end with CR LF, CR or LF)
// until it returns true. The views point into text.
void ForEachLine(QStringView text, const std::function<bool(QStringView)>& lineAction);

// The same for the lines of a file, read a line at a time (a file may hold
// far more than the reader wants). Returns false when the file cannot be
// opened.
bool ForEachFileLine(const QString& path, const std::function<bool(QStringView)>& lineAction);

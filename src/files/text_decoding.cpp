#include "files/text_decoding.h"

#include <QFile>

namespace {

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// Length of the valid UTF-8 sequence of a non-ASCII lead byte at data[i],
// with its code point; 0 when the bytes there are no valid sequence
// (overlong forms, surrogates and values past U+10FFFF included).
int Utf8Sequence(const unsigned char* data, qsizetype size, qsizetype i, char32_t& code) {
  const unsigned char lead = data[i];
  int length = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
    minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
    minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
    minimum = 0x10000;
  } else {
    return 0;
  }
  if (i + length > size) return 0;
  for (int k = 1; k < length; ++k) {
    if (!IsContinuation(data[i + k])) return 0;
    code = (code << 6) | (data[i + k] & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

QString DecodeText(QByteArrayView bytes) {
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  const qsizetype size = bytes.size();
  qsizetype i = 0;
  if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) i = 3;
  QString text;
  text.reserve(size - i);
  while (i < size) {
    const unsigned char byte = data[i];
    if (byte < 0x80) {
      text.append(QChar(byte));
      ++i;
      continue;
    }
    char32_t code = 0;
    const int length = Utf8Sequence(data, size, i, code);
    if (length == 0) {
      text.append(QChar(byte));  // Latin-1: the byte is the code point
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      text.append(QChar(QChar::highSurrogate(code)));
      text.append(QChar(QChar::lowSurrogate(code)));
    } else {
      text.append(QChar(static_cast<char16_t>(code)));
    }
    i += length;
  }
  return text;
}

void ForEachLine(QStringView text, const std::function<bool(QStringView)>& lineAction) {
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    if (lineAction(text.sliced(start, end - start))) return;
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
      ++end;
    start = end + 1;
  }
}

bool ForEachFileLine(const QString& path, const std::function<bool(QStringView)>& lineAction) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  while (true) {
    // readLine ends at LF; a CR alone also ends a line, so what it returns
    // is split further.
    QByteArray raw = file.readLine();
    if (raw.isEmpty()) break;  // end of file or a read error
    if (raw.endsWith('\n')) raw.chop(1);
    if (raw.endsWith('\r')) raw.chop(1);
    const QString text = DecodeText(raw);
    bool stop = false;
    qsizetype start = 0;
    do {
      qsizetype end = text.indexOf('\r', start);
      if (end < 0) end = text.size();
      stop = lineAction(QStringView(text).sliced(start, end - start));
      start = end + 1;
    } while (!stop && start <= text.size());
    if (stop) break;
  }
  return true;
}

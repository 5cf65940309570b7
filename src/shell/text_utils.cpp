#include "shell/text_utils.h"

#include <QStringList>
#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// The leading number of text, as a leading-number parse reads it.
double LeadingNumber(const QString& text) {
  const std::string s = text.toStdString();
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  const size_t start = i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
  }
  if (digits == 0) return 0;
  // An exponent counts only when digits follow it.
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    if (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
      while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
      i = j;
    }
  }
  return std::strtod(s.substr(start, i - start).c_str(), nullptr);
}

long long Clamp(const QString& text, long long low, long long high) {
  const double value = LeadingNumber(text);
  if (std::isnan(value) || value < static_cast<double>(low)) return low;
  if (value > static_cast<double>(high)) return high;
  return static_cast<long long>(std::nearbyint(value));  // default rounding: halves to even
}

}  // namespace

int ClampValue(const QString& text, int low, int high) {
  return static_cast<int>(Clamp(text, low, high));
}

long long ClampValueLong(const QString& text, long long low, long long high) {
  return Clamp(text, low, high);
}

QString UrlEncode(const QString& text) {
  static const char kHex[] = "0123456789ABCDEF";
  QString out;
  for (const char c : text.toUtf8()) {
    const auto u = static_cast<unsigned char>(c);
    if (c == ' ') {
      out += '+';
    } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '*' || c == '.' || c == '-' || c == '@' || c == '_') {
      out += QChar(c);
    } else {
      out += '%';
      out += QChar(kHex[u >> 4]);
      out += QChar(kHex[u & 15]);
    }
  }
  return out;
}

QString MoveNumberText(int moveNumber, int side) {
  const QString number = QString::number(moveNumber);
  if (side == 0) return number + '.';
  return QString(number.size() + 1, ' ');
}

QString CleanFileName(const QString& name) {
  QString out = name;
  for (const QChar c : {'\\', '/', ':', '*', '?', '<', '>', '|'}) out.replace(c, '_');
  out.replace('"', '\'');
  return out;
}

QString DialogFilter(const QString& pipeFilter) {
  const QStringList parts = pipeFilter.split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    if (patterns == "*.*") patterns = "*";
    const QString& name = parts[i];
    filters << (name.contains('(') ? name.left(name.indexOf('(')).trimmed() : name) + " (" +
                   patterns + ")";
  }
  return filters.join(";;");
}

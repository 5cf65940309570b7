// Small text helpers shared by every part of the program: number clamping of
// typed or stored text, URL encoding, file-name cleaning and move prefixes.
#pragma once

#include <QString>

// The numeric value of text as a leading-number parse reads it (leading
// spaces, a sign, digits, a decimal point and an exponent; no number reads
// as 0), limited to [low, high] and rounded to the nearest integer with
// halves going to the even neighbour. Every number typed by the user or read
// from a settings store or file goes through it.
int ClampValue(const QString& text, int low, int high);
long long ClampValueLong(const QString& text, long long low, long long high);

// Query-string encoding: a space becomes "+", letters, digits and "*.-@_"
// stay, every other character becomes %XX per byte of its UTF-8 form.
QString UrlEncode(const QString& text);

// "12." for White, as many spaces for Black ("   "), so that list lines
// line up: "1.e4", "  e5".
QString MoveNumberText(int moveNumber, int side);

// A proposed file name made safe: "\" "/" ":" "*" "?" "<" ">" "|" become
// "_" and a double quote becomes an apostrophe.
QString CleanFileName(const QString& name);

// Converts a filter written as "Name|pattern|Name|pattern" into the form
// file dialogs take ("Name (pattern);;Name (pattern)"); a bracketed pattern
// in a name is replaced by the real one, and "*.*" becomes "*" so that
// files without an extension are listed too.
QString DialogFilter(const QString& pipeFilter);

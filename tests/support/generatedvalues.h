#pragma once

#include <QStringList>

// Field values made to try a file's round trip, by kind:
//   "code page"   "a" + c + "b" for each of the 256 characters of Windows-1252
//   "quotes"      double quotes alone, inside and around
//   "commas"      commas alone, inside and at the end
//   "line breaks" CR LF, LF and CR alone and inside
//   "blanks"      blanks at the start, at the end, alone and doubled
//   "long"        100,000 characters, and code page letters many times over
//   "outside"     characters Windows-1252 lacks: emoji, Chinese, a dotless i, a lone surrogate
QStringList generatedValues(const QString &kind);

// A QTest data table of the kinds above, in that order, with the number of values of each
// that the file under test refuses ("kind", "refused").
void addGeneratedValueRows(const QList<int> &refused);

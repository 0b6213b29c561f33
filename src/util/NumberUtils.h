#pragma once
// Spanish number words, municipality check digits, identity masking and postal addresses.

#include <QString>

// Words for n in lower case; gender 'M' masculine, anything else feminine.
QString NumberToWordsEs(qint64 n, QChar gender);
// Check digit of a five-digit INE code (province + municipality or "66" + country).
int MunicipalityCheckDigit(const QString &fiveDigits);
// Keeps `count` random characters of the identifier in place and masks the rest with '*'.
QString MaskIdentifier(const QString &kind, const QString &identifier, int count);
QString NumberKindText(const QString &kind);
QString StreetNumberText(const QString &kind, qint64 number);
QString ComposeAddress(const QString &streetType, const QString &secondText,
                       const QString &streetName, bool includeSecond, int nameLengthLimit,
                       const QString &door, const QString &floor, const QString &staircase,
                       const QString &portal, const QString &block, const QString &qualifier,
                       qint64 number, const QString &numberKind);

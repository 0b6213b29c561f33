#pragma once
// Text helpers for fixed-width records: trimming, padding, fitting, digits and numbers.
// "Blank" is the space character only; positions count from 1.

#include <QString>

QString TrimBoth(const QString &text);
bool IsBlank(const QString &text);
QString RepeatChar(QChar c, int count);
QString PadLeftWith(const QString &text, QChar c, int width);
QString PadLeftSpaces(int width);
// Right-aligned: last `width` chars of (fill x width + TrimBoth(text)); left-aligned: first
// `width` chars of (TrimBoth(text) + fill x width).
QString FitWidth(const QString &text, int width, QChar fill, bool rightAligned);
QString ReplaceCharWith(const QString &text, QChar c, const QString &replacement);
QString ProperCase(const QString &text);
bool ContainsAnyChar(const QString &text, const QString &set);
QString DigitsOnly(const QString &text);
QString StripLeadingZeros(const QString &text);
qint64 ToIntOrZero(const QString &text);
template <typename T> T IfThen(bool flag, const T &ifTrue, const T &ifFalse)
{
    return flag ? ifTrue : ifFalse;
}
QString ScrambleKey(const QString &text);
// Capitals of every letter, accented vowels and ñ included.
QString UpperEs(const QString &text);

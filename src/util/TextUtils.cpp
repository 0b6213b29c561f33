#include "util/TextUtils.h"

#include "util/Cp1252.h"

namespace {

const QChar kBlank = QLatin1Char(' ');

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

QString TrimBoth(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == kBlank)
        ++first;
    while (last > first && text.at(last - 1) == kBlank)
        --last;
    return text.mid(first, last - first);
}

bool IsBlank(const QString &text)
{
    return TrimBoth(text).isEmpty();
}

QString RepeatChar(QChar c, int count)
{
    return count <= 0 ? QString() : QString(count, c);
}

QString PadLeftWith(const QString &text, QChar c, int width)
{
    if (text.size() >= width)
        return text;
    return RepeatChar(c, int(width - text.size())) + text;
}

QString PadLeftSpaces(int width)
{
    return PadLeftWith(QString(), kBlank, width);
}

QString FitWidth(const QString &text, int width, QChar fill, bool rightAligned)
{
    if (width <= 0)
        return QString();
    const QString trimmed = TrimBoth(text);
    if (rightAligned)
        return (RepeatChar(fill, width) + trimmed).right(width);
    return (trimmed + RepeatChar(fill, width)).left(width);
}

QString ReplaceCharWith(const QString &text, QChar c, const QString &replacement)
{
    QString out = text;
    out.replace(c, replacement);
    return out;
}

QString ProperCase(const QString &text)
{
    QString out = text;
    bool capitalNext = true;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out.at(i);
        if (capitalNext)
            out[i] = c.toUpper();
        capitalNext = c == kBlank || c == QLatin1Char('-') || c == QLatin1Char('.');
    }
    return out;
}

bool ContainsAnyChar(const QString &text, const QString &set)
{
    for (QChar c : set) {
        if (text.contains(c))
            return true;
    }
    return false;
}

QString DigitsOnly(const QString &text)
{
    QString out;
    for (QChar c : TrimBoth(text)) {
        if (isAsciiDigit(c))
            out.append(c);
    }
    return out;
}

QString StripLeadingZeros(const QString &text)
{
    const QString trimmed = TrimBoth(text);
    qsizetype i = 0;
    while (i < trimmed.size() && trimmed.at(i) == QLatin1Char('0'))
        ++i;
    return trimmed.mid(i);
}

qint64 ToIntOrZero(const QString &text)
{
    const QString trimmed = TrimBoth(text);
    qsizetype i = 0;
    if (!trimmed.isEmpty() &&
        (trimmed.at(0) == QLatin1Char('+') || trimmed.at(0) == QLatin1Char('-')))
        i = 1;
    if (i == trimmed.size())
        return 0;
    for (qsizetype j = i; j < trimmed.size(); ++j) {
        if (!isAsciiDigit(trimmed.at(j)))
            return 0;
    }
    bool ok = false;
    const qint64 value = trimmed.toLongLong(&ok, 10);
    return ok ? value : 0; // out of range counts as unreadable
}

QString ScrambleKey(const QString &text)
{
    QByteArray bytes = ToCp1252(text);
    const int shift = int(text.size() % 256);
    for (char &b : bytes)
        b = char((static_cast<unsigned char>(b) + shift) % 256);
    return FromCp1252(bytes);
}

QString UpperEs(const QString &text)
{
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out.at(i);
        if (c.unicode() < 0x80) {
            if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                out[i] = QChar(c.unicode() - 0x20);
            continue;
        }
        // Keep the text single-byte: a capital with no Windows-1252 byte (µ) is not used.
        const QChar upper = c.toUpper();
        if (upper != c && ToCp1252(QString(upper)) != "?")
            out[i] = upper;
    }
    return out;
}

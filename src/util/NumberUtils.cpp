#include "util/NumberUtils.h"

#include "util/Regional.h"
#include "util/TextUtils.h"

#include <QDateTime>
#include <QList>
#include <QRandomGenerator>

#include <chrono>

namespace {

QString unitWord(int d, bool masculine)
{
    static const char *const kUnits[] = {"",      "uno",  "dos",   "tres", "cuatro",
                                         "cinco", "seis", "siete", "ocho", "nueve"};
    if (d == 1 && !masculine)
        return QStringLiteral("una");
    return QString::fromLatin1(kUnits[d]);
}

// 0 to 99.
QString tensWords(int n, bool masculine)
{
    static const char *const kTeens[] = {"diez",      "once",       "doce",      "trece",
                                         "catorce",   "quince",     "dieciséis", "diecisiete",
                                         "dieciocho", "diecinueve", "veinte"};
    static const char *const kTens[] = {"",          "",        "",        "treinta", "cuarenta",
                                        "cincuenta", "sesenta", "setenta", "ochenta", "noventa"};
    if (n < 10)
        return unitWord(n, masculine);
    if (n <= 20)
        return QString::fromUtf8(kTeens[n - 10]);
    if (n == 21)
        return masculine ? QStringLiteral("veintiuno") : QStringLiteral("veintiuna");
    if (n == 22)
        return QStringLiteral("veintidós");
    if (n < 30)
        return QStringLiteral("veinti") + unitWord(n % 10, masculine);
    const QString ten = QString::fromLatin1(kTens[n / 10]);
    if (n % 10 == 0)
        return ten;
    return ten + QStringLiteral(" y ") + unitWord(n % 10, masculine);
}

// Joins two pieces with a blank, leaving out an empty piece.
QString join(const QString &a, const QString &b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return a + QLatin1Char(' ') + b;
}

// 0 to 999.
QString hundredsWords(int n, bool masculine)
{
    if (n < 100)
        return tensWords(n, masculine);
    const int h = n / 100;
    const int rest = n % 100;
    const QString tail = tensWords(rest, masculine);
    if (n == 100)
        return QStringLiteral("cien");
    if (h == 1)
        return join(QStringLiteral("ciento"), tail);
    const QString suffix = masculine ? QStringLiteral("os") : QStringLiteral("as");
    if (h == 5)
        return join(QStringLiteral("quinient") + suffix, tail);
    if (h == 7)
        return join(QStringLiteral("setecient") + suffix, tail);
    if (h == 9)
        return join(QStringLiteral("novecient") + suffix, tail);
    return join(unitWord(h, masculine) + QStringLiteral("cient") + suffix, tail);
}

// 0 to 999999.
QString thousandsWords(int n, bool masculine)
{
    if (n < 1000)
        return hundredsWords(n, masculine);
    const int th = n / 1000;
    const QString tail = hundredsWords(n % 1000, masculine);
    if (th == 1)
        return join(QStringLiteral("mil"), tail);
    return join(hundredsWords(th, masculine) + QStringLiteral(" mil"), tail);
}

int weight(const QString &digits, int index, const int (&row)[10])
{
    if (index >= digits.size())
        return 0;
    const QChar c = digits.at(index);
    if (c < QLatin1Char('0') || c > QLatin1Char('9'))
        return 0;
    return row[c.unicode() - '0'];
}

QRandomGenerator &maskGenerator()
{
    // Seeded once from the high-resolution clock: reseeding on every call from a millisecond
    // clock would repeat the same positions for identifiers masked within one millisecond.
    static QRandomGenerator generator(
        quint32(std::chrono::high_resolution_clock::now().time_since_epoch().count() ^
                QDateTime::currentMSecsSinceEpoch()));
    return generator;
}

} // namespace

QString NumberToWordsEs(qint64 n, QChar gender)
{
    const bool masculine = gender == QLatin1Char('M');
    const quint64 value = n < 0 ? 0 - quint64(n) : quint64(n);
    if (value >= 1000000000ULL)
        return QStringLiteral("Demasiado grande");
    if (value < 1000000)
        return thousandsWords(int(value), masculine);
    const int millions = int(value / 1000000);
    const QString tail = thousandsWords(int(value % 1000000), masculine);
    if (millions == 1)
        return join(QStringLiteral("un millón"), tail);
    return join(thousandsWords(millions, masculine) + QStringLiteral(" millones"), tail);
}

int MunicipalityCheckDigit(const QString &fiveDigits)
{
    static const int kRowA[10] = {0, 3, 8, 2, 7, 4, 1, 5, 9, 6};
    static const int kRowB[10] = {0, 2, 4, 6, 8, 1, 3, 5, 7, 9};
    static const int kRowC[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    const int sum = weight(fiveDigits, 0, kRowB) + weight(fiveDigits, 1, kRowA) +
                    weight(fiveDigits, 2, kRowC) + weight(fiveDigits, 3, kRowB) +
                    weight(fiveDigits, 4, kRowA);
    const int r = sum % 10;
    return r == 0 ? 0 : 10 - r;
}

QString MaskIdentifier(const QString &kind, const QString &identifier, int count)
{
    QString text = TrimBoth(identifier);
    if (kind.contains(QLatin1Char('D')) || kind.contains(QLatin1Char('T')))
        text = DigitsOnly(text);
    const int length = int(text.size());
    const int keep = qBound(0, count, length);
    QList<bool> chosen(length, false);
    QRandomGenerator &random = maskGenerator();
    for (int kept = 0; kept < keep;) {
        const int pos = int(random.bounded(length));
        if (!chosen.at(pos)) {
            chosen[pos] = true;
            ++kept;
        }
    }
    QString out(length, QLatin1Char('*'));
    for (int i = 0; i < length; ++i) {
        if (chosen.at(i))
            out[i] = text.at(i);
    }
    return out;
}

QString NumberKindText(const QString &kind)
{
    const QString k = TrimBoth(kind);
    if (k == QLatin1String("N"))
        return QStringLiteral("Nº");
    if (k == QLatin1String("S"))
        return QStringLiteral("SN");
    if (k == QLatin1String("K"))
        return QStringLiteral("KM");
    if (k == QLatin1String("P"))
        return QStringLiteral("PC");
    return QString();
}

QString StreetNumberText(const QString &kind, qint64 number)
{
    if (TrimBoth(kind) != QLatin1String("K"))
        return FitWidth(QString::number(number), 6, QLatin1Char('0'), true);
    // Kilometres: number / 1000 with the decimal comma and no trailing zeros.
    const quint64 magnitude = number < 0 ? 0 - quint64(number) : quint64(number);
    QString text = QString::number(magnitude / 1000);
    QString fraction = QStringLiteral("%1").arg(magnitude % 1000, 3, 10, QLatin1Char('0'));
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (!fraction.isEmpty())
        text += regional::decimalSeparator() + fraction;
    return number < 0 ? QLatin1Char('-') + text : text;
}

QString ComposeAddress(const QString &streetType, const QString &secondText,
                       const QString &streetName, bool includeSecond, int nameLengthLimit,
                       const QString &door, const QString &floor, const QString &staircase,
                       const QString &portal, const QString &block, const QString &qualifier,
                       qint64 number, const QString &numberKind)
{
    QString out;
    bool appended = false;
    auto append = [&](const QString &piece) {
        if (appended)
            out += QLatin1Char(' ');
        out += piece;
        appended = true;
    };
    auto clean = [](const QString &s) { return UpperEs(TrimBoth(s)); };

    const QString type = clean(streetType);
    const QString second = clean(secondText);
    QString name = clean(streetName);
    const QString floorText = clean(floor);
    const QString doorText = clean(door);
    if (!type.isEmpty())
        append(type);
    if (includeSecond && !second.isEmpty())
        append(second);
    if (!name.isEmpty()) {
        if (nameLengthLimit > 0)
            name = name.left(nameLengthLimit);
        append(name);
    }
    append(NumberKindText(numberKind));
    // Kilometre points keep their leading "0" ("0,5"); a zero number gives no digits.
    const bool kilometres = TrimBoth(numberKind) == QLatin1String("K");
    QString digits = StreetNumberText(numberKind, number);
    digits = (kilometres && number != 0) ? digits : StripLeadingZeros(digits);
    append(digits + clean(qualifier));
    if (!IsBlank(block))
        append(QStringLiteral("Bl ") + clean(block));
    if (!IsBlank(portal))
        append(QStringLiteral("Por ") + clean(portal));
    if (!IsBlank(staircase))
        append(QStringLiteral("Esc ") + clean(staircase));
    if (!floorText.isEmpty())
        append(floorText);
    if (!doorText.isEmpty()) {
        if (!floorText.isEmpty())
            out += QLatin1Char('-') + doorText;
        else
            append(doorText);
    }
    return out;
}

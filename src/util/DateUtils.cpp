#include "util/DateUtils.h"

#include "util/Interaction.h"
#include "util/Regional.h"
#include "util/TextUtils.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// A run of 1 to 4 ASCII digits as a number, or -1.
int smallNumber(const QString &text)
{
    if (text.isEmpty() || text.size() > 4)
        return -1;
    int value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

// Reads "h:m" or "h:m:s"; an invalid QTime when it is not a time of day.
QTime readTime(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() < 2 || parts.size() > 3)
        return QTime();
    const int h = smallNumber(parts.at(0));
    const int m = smallNumber(parts.at(1));
    const int s = parts.size() == 3 ? smallNumber(parts.at(2)) : 0;
    if (h < 0 || m < 0 || s < 0)
        return QTime();
    return QTime(h, m, s);
}

// Reads the date part in the order of the short date format (day, month, year letters).
QDate readDate(const QString &text)
{
    const QChar sep = regional::dateSeparator();
    const QStringList fmtParts = regional::shortDateFormat().split(sep);
    const QStringList parts = text.split(sep);
    if (fmtParts.size() != 3 || parts.size() != 3)
        return QDate();
    int d = -1, m = -1, y = -1;
    for (int i = 0; i < 3; ++i) {
        const int value = smallNumber(parts.at(i));
        const QChar kind = fmtParts.at(i).isEmpty() ? QChar() : fmtParts.at(i).at(0).toLower();
        if (kind == QLatin1Char('d'))
            d = value;
        else if (kind == QLatin1Char('m'))
            m = value;
        else if (kind == QLatin1Char('y') || kind == QLatin1Char('a'))
            y = value;
    }
    if (d <= 0 || m <= 0 || y <= 0)
        return QDate();
    return QDate(y, m, d);
}

} // namespace

QDate ZeroDate()
{
    return QDate(1899, 12, 30);
}

int DayOf(const QDate &d)
{
    return d.day();
}
int MonthOf(const QDate &d)
{
    return d.month();
}
int YearOf(const QDate &d)
{
    return d.year();
}
int HourOf(const QDateTime &dt)
{
    return dt.time().isValid() ? dt.time().hour() : 0;
}
int MinuteOf(const QDateTime &dt)
{
    return dt.time().isValid() ? dt.time().minute() : 0;
}
int SecondOf(const QDateTime &dt)
{
    return dt.time().isValid() ? dt.time().second() : 0;
}

QString WeekdayNameEs(const QDate &d)
{
    static const char *const kNames[] = {"Lunes",   "Martes", "Miércoles", "Jueves",
                                         "Viernes", "Sábado", "Domingo"};
    if (!d.isValid())
        return QString();
    return QString::fromUtf8(kNames[d.dayOfWeek() - 1]);
}

QString MonthNameEs(const QDate &d)
{
    static const char *const kNames[] = {"ENERO",      "FEBRERO", "MARZO",     "ABRIL",
                                         "MAYO",       "JUNIO",   "JULIO",     "AGOSTO",
                                         "SEPTIEMBRE", "OCTUBRE", "NOVIEMBRE", "DICIEMBRE"};
    if (!d.isValid())
        return QString();
    return QString::fromLatin1(kNames[d.month() - 1]);
}

int AgeInYears(const QDate &reference, const QDate &birth)
{
    int years = reference.year() - birth.year();
    const int months = reference.month() - birth.month();
    if (months == 0 && reference.day() < birth.day() && years != 0)
        --years;
    if (months < 0)
        --years;
    return years;
}

QDateTime ParseDateOrZero(const QString &text)
{
    const QDateTime zero(ZeroDate(), QTime(0, 0));
    const QString trimmed = TrimBoth(text);
    const qsizetype blank = trimmed.indexOf(QLatin1Char(' '));
    const QString datePart = blank < 0 ? trimmed : trimmed.left(blank);
    const QString timePart = blank < 0 ? QString() : TrimBoth(trimmed.mid(blank + 1));
    const QDate date = readDate(datePart);
    if (!date.isValid())
        return zero;
    QTime time(0, 0);
    if (!timePart.isEmpty()) {
        time = readTime(timePart);
        if (!time.isValid())
            return zero;
    }
    return QDateTime(date, time);
}

bool CheckDateFormat(Interaction &ui, bool show)
{
    const QString year = regional::shortDateFormat().mid(6, 4).toUpper();
    if (year == QLatin1String("YYYY") || year == QLatin1String("AAAA"))
        return true;
    if (show) {
        ui.error(QStringLiteral("CONFIGURACION FORMATO FECHA DEL SISTEMA"),
                 QStringLiteral("¡¡ ATENCION !!\n\nEl formato de FECHA de WINDOWS no está "
                                "correctamente configurada.\nCompruebe en la carpeta <INICIO - "
                                "CONFIGURACION - PANEL DE CONTROL - CONFIGURACION REGIONAL> que "
                                "el formato de fecha sea:\n\ndd/MM/aaaa"));
    }
    return false;
}

QString DateText(const QDate &d)
{
    if (!d.isValid())
        return QString();
    return QStringLiteral("%1/%2/%3")
        .arg(d.day(), 2, 10, QLatin1Char('0'))
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.year(), 4, 10, QLatin1Char('0'));
}

QDate DateFromText(const QString &text)
{
    static const QRegularExpression kPattern(
        QStringLiteral("^([0-9]{1,2})/([0-9]{1,2})/([0-9]{4})$"));
    const QRegularExpressionMatch match = kPattern.match(TrimBoth(text));
    if (!match.hasMatch())
        return QDate();
    const QDate d(match.captured(3).toInt(), match.captured(2).toInt(), match.captured(1).toInt());
    return d.isValid() ? d : QDate();
}

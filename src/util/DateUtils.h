#pragma once
// Date helpers. A null QDate is an empty date; ZeroDate() is 30/12/1899, the value 0 of the
// original date-time type, returned by ParseDateOrZero for a text that is not a date.

#include <QDate>
#include <QDateTime>
#include <QString>

class Interaction;

QDate ZeroDate();
int DayOf(const QDate &d);
int MonthOf(const QDate &d);
int YearOf(const QDate &d);
int HourOf(const QDateTime &dt);
int MinuteOf(const QDateTime &dt);
int SecondOf(const QDateTime &dt);
QString WeekdayNameEs(const QDate &d); // "Domingo" ... "Sábado"
QString MonthNameEs(const QDate &d);   // "ENERO" ... "DICIEMBRE"
int AgeInYears(const QDate &reference, const QDate &birth);
// The text read in the program's short date format (an optional time after a blank);
// anything unreadable gives ZeroDate() at midnight.
QDateTime ParseDateOrZero(const QString &text);
// Checks that the program's short date format has a four-digit year (characters 7 to 10);
// when not and `show`, shows the error box through `ui`.
bool CheckDateFormat(Interaction &ui, bool show);
// dd/mm/yyyy text of a date (empty for a null date).
QString DateText(const QDate &d);
// Reads dd/mm/yyyy (one or two digit day and month, four digit year); null when not a real date.
QDate DateFromText(const QString &text);

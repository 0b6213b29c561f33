#pragma once
// What the general-data page shows: its controls with label, bound field, kind and width, the
// entries of the education lists, the long date format and the "hh:mm" time rule.

#include <QString>
#include <QStringList>
#include <vector>

enum class GeneralFieldKind
{
    Text,
    Date,
    Time,
    Age,
    Education,
    Reserve,
    Cere
};

struct GeneralDataField
{
    QString label;
    QString field;
    GeneralFieldKind kind;
    int width; // characters a text control accepts; 0 otherwise
};

// Every control of the page in tab order.
const std::vector<GeneralDataField> &GeneralDataFields();
const GeneralDataField *GeneralDataFieldFor(const QString &field);

// Entries of the four education lists; entry i stores the value i + 1.
QStringList EducationEntries();
// Index of the entry of a stored value (1 to 4), -1 for any other value.
int EducationIndex(qint64 value);

// Display format of the two date pickers (Qt format, read in Spanish).
QString LongDateFormat();

// Hour (characters 1-2) and minute (characters 4-5) each right-aligned to two digits with
// zeros: "9 :5 " -> "09:05", "" -> "00:00".
QString NormaliseTime(const QString &text);

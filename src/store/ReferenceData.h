#pragma once
// The INE municipality, country and province lists built into the program (data/*.csv).

#include <QList>
#include <QString>
#include <QStringList>

struct MunicipiRow
{
    QString codnum;
    QString mnombre;
    QString mprovincia;
};

// Splits one CSV line (RFC 4180 with minimal quoting, no embedded line breaks).
QStringList SplitCsvLine(const QString &line);
// Every municipality (province name in Spanish capitals) followed by every country.
QList<MunicipiRow> ReferenceMunicipi();

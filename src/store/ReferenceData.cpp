#include "store/ReferenceData.h"

#include <QFile>
#include <QHash>
#include <QTextStream>

namespace {

QList<QStringList> readCsv(const QString &resource)
{
    QFile f(resource);
    QList<QStringList> rows;
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    bool header = true;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (header) {
            header = false;
            continue;
        }
        if (!line.isEmpty())
            rows << SplitCsvLine(line);
    }
    return rows;
}

} // namespace

QStringList SplitCsvLine(const QString &line)
{
    QStringList fields;
    QString cur;
    bool inQuotes = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                    cur += c;
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                cur += c;
            }
        } else if (c == QLatin1Char('"')) {
            inQuotes = true;
        } else if (c == QLatin1Char(',')) {
            fields << cur;
            cur.clear();
        } else {
            cur += c;
        }
    }
    fields << cur;
    return fields;
}

QList<MunicipiRow> ReferenceMunicipi()
{
    // Letters print the province in Spanish capitals: the Castilian-only spelling.
    QHash<QString, QString> provinces;
    for (const QStringList &r : readCsv(QStringLiteral(":/data/provincias_ine.csv"))) {
        if (r.size() >= 6)
            provinces.insert(r.at(0), r.at(5));
    }
    QList<MunicipiRow> out;
    for (const QStringList &r : readCsv(QStringLiteral(":/data/municipios_ine.csv"))) {
        if (r.size() >= 3)
            out.append({r.at(0), r.at(1), provinces.value(r.at(0).left(2), r.at(2))});
    }
    for (const QStringList &r : readCsv(QStringLiteral(":/data/paises_ine.csv"))) {
        if (r.size() >= 2)
            out.append({r.at(0), r.at(1), QString()});
    }
    return out;
}

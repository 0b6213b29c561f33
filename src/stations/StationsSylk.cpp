#include "stations/StationsSylk.h"

#include "stations/StationsModel.h"
#include "store/Database.h"
#include "util/Cp1252.h"

#include <QDir>
#include <QSaveFile>

namespace {

QString quotedText(const QString &text)
{
    QString t = text;
    t.replace(QLatin1Char(';'), QStringLiteral(";;"));
    t.replace(QLatin1Char('"'), QLatin1Char('\''));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QLatin1Char('"') + t + QLatin1Char('"');
}

} // namespace

QByteArray StationsSylk(const QList<StationRow> &rows)
{
    const QList<StationColumn> &cols = StationsModel::Columns();
    QStringList lines;
    lines << QStringLiteral("ID;PSORTEO;N;E");
    for (int c = 0; c < cols.size(); ++c)
        lines << QStringLiteral("F;W%1 %1 %2").arg(c + 1).arg(cols.at(c).width);
    lines << QStringLiteral("B;Y%1;X%2").arg(rows.size() + 1).arg(cols.size());
    for (int c = 0; c < cols.size(); ++c) {
        const QString title =
            QString(cols.at(c).title).replace(QLatin1Char('~'), QLatin1Char(' '));
        lines << QStringLiteral("C;Y1;X%1;K%2").arg(c + 1).arg(quotedText(title));
    }
    for (int r = 0; r < rows.size(); ++r) {
        const StationRow &row = rows.at(r);
        const QVariant values[] = {row.dt,     row.sec,   row.mesa,   row.presi,
                                   row.presiS, row.vocal, row.vocalS, row.numElectores};
        for (int c = 0; c < cols.size(); ++c) {
            const QVariant &v = values[c];
            if (!v.isValid() || v.isNull())
                continue;
            const QString cell =
                c < 3 ? quotedText(v.toString()) : QString::number(v.toLongLong());
            lines << QStringLiteral("C;Y%1;X%2;K%3").arg(r + 2).arg(c + 1).arg(cell);
        }
    }
    lines << QStringLiteral("E");
    return ToCp1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

void WriteStationsSylk(const QString &path, const QList<StationRow> &rows)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(StationsSylk(rows)) < 0 || !file.commit())
        throw StoreError(QStringLiteral("NO SE PUEDE ESCRIBIR EL FICHERO %1: %2")
                             .arg(QDir::toNativeSeparators(path), file.errorString()));
}

QString StationsExportPath(const QString &folder)
{
    return folder + QStringLiteral("/MESAS.XLS");
}

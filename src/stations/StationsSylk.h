#pragma once
// The spreadsheet export of the stations grid: a SYLK file with one title row and one row per
// station in the grid's eight columns, written in Windows-1252.

#include <QByteArray>
#include <QList>
#include <QString>

struct StationRow;

QByteArray StationsSylk(const QList<StationRow> &rows);
// Writes the file, replacing an existing one. Throws StoreError when it cannot be written.
void WriteStationsSylk(const QString &path, const QList<StationRow> &rows);
// "MESAS.XLS" in the program folder.
QString StationsExportPath(const QString &folder);

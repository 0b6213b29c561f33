#include "store/ProgramFolder.h"

#include "store/Database.h"
#include "store/FileOps.h"
#include "store/ReferenceData.h"
#include "store/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

void createTableFile(const QString &path, const TableDef &t)
{
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
    Database db;
    db.open(path);
    db.exec(CreateTableSql(t, QStringLiteral("main")));
    for (const QString &sql : CreateIndexSql(t, QStringLiteral("main")))
        db.exec(sql);
}

void fillMunicipi(const QString &path)
{
    Database db;
    db.open(path);
    Transaction tx(db);
    Statement ins = db.prepare(
        QStringLiteral("INSERT INTO municipi (CODNUM, MNOMBRE, MPROVINCIA) VALUES (?, ?, ?)"));
    for (const MunicipiRow &r : ReferenceMunicipi()) {
        ins.bind(1, r.codnum).bind(2, r.mnombre).bind(3, r.mprovincia);
        ins.run();
        ins.reset();
    }
    tx.commit();
}

void makeDir(const QString &path)
{
    if (!QDir().mkpath(path))
        throw StoreError(QStringLiteral("NO SE PUEDE CREAR LA CARPETA %1")
                             .arg(QDir::toNativeSeparators(path)));
}

} // namespace

namespace ProgramFolder {

QString Resolve(const QString &dataOption)
{
    if (!dataOption.trimmed().isEmpty())
        return QDir::cleanPath(QDir(dataOption.trimmed()).absolutePath());
    const QString env = qEnvironmentVariable("SORTEO_MESAS_DATA").trimmed();
    if (!env.isEmpty())
        return QDir::cleanPath(QDir(env).absolutePath());
    return QDir::cleanPath(QCoreApplication::applicationDirPath());
}

bool HasTableFiles(const QString &folder)
{
    for (const TableDef &t : AllTables()) {
        if (QFileInfo::exists(folder + QLatin1Char('/') + t.fileName()))
            return true;
    }
    return false;
}

void Install(const QString &folder)
{
    const QString templates = folder + QStringLiteral("/FICHEROS");
    makeDir(folder);
    makeDir(templates);
    makeDir(folder + QStringLiteral("/WTextos"));
    for (const TableDef &t : AllTables()) {
        createTableFile(templates + QLatin1Char('/') + t.fileName(), t);
        const QString working = folder + QLatin1Char('/') + t.fileName();
        QFile::remove(working + QStringLiteral("-journal"));
        QFile::remove(working);
        if (!QFile::copy(templates + QLatin1Char('/') + t.fileName(), working))
            throw StoreError(QStringLiteral("NO SE PUEDE ESCRIBIR EL FICHERO %1")
                                 .arg(QDir::toNativeSeparators(working)));
    }
    fillMunicipi(folder + QStringLiteral("/MUNICIPI.DB"));
}

void DeleteTempMergeFiles(const QString &folder)
{
    DeleteFilesMatching(folder, QStringLiteral("TM_*.*"));
}

} // namespace ProgramFolder

#include "store/Store.h"

#include "store/Schema.h"
#include "util/Bde.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

const QString kCatalog = QStringLiteral("DBTESMO.DB");

QString uriFor(const QString &path)
{
    QString abs = QFileInfo(path).absoluteFilePath();
    return QStringLiteral("file:") + QString::fromUtf8(QUrl::toPercentEncoding(abs, "/"))
           + QStringLiteral("?mode=rw");
}

QString quoted(const QString &text)
{
    QString q = text;
    q.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + q + QLatin1Char('\'');
}

} // namespace

Store::Store(const QString &folder) : m_folder(QDir::cleanPath(folder.trimmed())) {}

Store::~Store() { close(); }

QString Store::tablePath(const QString &table) const
{
    return m_folder + QLatin1Char('/') + Table(table).fileName();
}

QStringList Store::missingTableFiles(const QString &folder)
{
    QStringList missing;
    for (const TableDef &t : AllTables()) {
        if (!QFileInfo::exists(folder + QLatin1Char('/') + t.fileName()))
            missing << t.fileName();
    }
    return missing;
}

void Store::open()
{
    close();
    const QStringList missing = missingTableFiles(m_folder);
    if (!missing.isEmpty()) {
        throw StoreError(
            QStringLiteral("LA CARPETA DEL PROGRAMA %1 NO TIENE LAS TABLAS INSTALADAS (falta %2).\n"
                           "Prepárela antes con la orden: sorteo-mesas --data \"%1\" init")
                .arg(QDir::toNativeSeparators(m_folder), missing.join(QStringLiteral(", "))));
    }
    m_db.open(m_folder + QLatin1Char('/') + kCatalog);
    // The rollback journal keeps a transaction over several table files atomic.
    m_db.exec(QStringLiteral("PRAGMA journal_mode=DELETE; PRAGMA synchronous=NORMAL; "
                             "PRAGMA secure_delete=OFF; PRAGMA foreign_keys=OFF"));
    // With LOCAL SHARE other processes may use the files: wait for their locks.
    if (BdeLocalShare())
        m_db.exec(QStringLiteral("PRAGMA busy_timeout=10000"));
    for (const TableDef &t : AllTables())
        attach(t.name);
}

void Store::close() { m_db.close(); }

void Store::detach(const QString &table)
{
    m_db.exec(QStringLiteral("DETACH DATABASE ") + Table(table).schemaName());
}

void Store::attach(const QString &table)
{
    const TableDef &t = Table(table);
    m_db.exec(QStringLiteral("ATTACH DATABASE %1 AS %2")
                  .arg(quoted(uriFor(tablePath(t.name))), t.schemaName()));
    m_db.exec(QStringLiteral("PRAGMA %1.journal_mode=DELETE; PRAGMA %1.synchronous=NORMAL")
                  .arg(t.schemaName()));
    if (t.name == QLatin1String("cinta") || t.name == QLatin1String("cinta1"))
        m_db.exec(QStringLiteral("PRAGMA %1.cache_size=-65536").arg(t.schemaName()));
}

qint64 Store::count(const QString &table)
{
    return m_db.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + Table(table).name).toLongLong();
}

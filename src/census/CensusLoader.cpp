#include "census/CensusLoader.h"

#include "census/CensusReader.h"
#include "census/CensusRecord.h"
#include "stations/Stations.h"
#include "store/FileOps.h"
#include "store/Schema.h"
#include "store/Store.h"
#include "util/DateUtils.h"
#include "util/Interaction.h"
#include "util/TextUtils.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <sqlite3.h>

namespace {

const QString kTitle = QStringLiteral("Carga ficheros sorteo");
const QString kErrorTitle = QStringLiteral("Error carga ficheros sorteo");
const QString kPhase = QStringLiteral("  Cargando fichero sorteo ...");

// The counter is shown at most this often (milliseconds).
constexpr qint64 kCountEveryMs = 50;

QString insertSql()
{
    QStringList cols, marks;
    for (const QString &c : CensusColumns()) {
        cols << c;
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO cinta (%1) VALUES (%2)")
        .arg(cols.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
}

// During a bulk load the indexes of `cinta` are dropped and built again once at the end:
// sorting once is much faster than keeping them up to date row by row.
void dropIndexes(Database &db)
{
    const TableDef &t = Table(QStringLiteral("cinta"));
    for (const QString &name : IndexNames(t))
        db.exec(QStringLiteral("DROP INDEX IF EXISTS %1.%2").arg(t.schemaName(), name));
}

void createIndexes(Database &db)
{
    for (const QString &sql : CreateIndexSql(Table(QStringLiteral("cinta"))))
        db.exec(sql);
}

int keepAlive(void *progress)
{
    static_cast<Progress *>(progress)->keepAlive();
    return 0;
}

// While it lives, long statements of the connection keep the progress window painted.
class KeepAlive
{
public:
    KeepAlive(Database &db, Progress &progress) : m_db(db)
    {
        sqlite3_progress_handler(m_db.handle(), 100000, keepAlive, &progress);
    }
    ~KeepAlive() { sqlite3_progress_handler(m_db.handle(), 0, nullptr, nullptr); }

private:
    Database &m_db;
};

} // namespace

CensusLoader::CensusLoader(Store &store, Interaction &ui, Progress &progress)
    : m_store(store), m_ui(ui), m_progress(progress)
{
}

QString CensusLoader::cleanPath(const QString &path)
{
    return ReplaceCharWith(path, QLatin1Char('"'), QString());
}

bool CensusLoader::confirm(const CensusLoadRequest &request)
{
    const QString cer = cleanPath(request.cerPath);
    const QString cere = cleanPath(request.cerePath);
    if (!CheckDateFormat(m_ui, true))
        return false;
    if (!QFileInfo(cer).isFile()) {
        m_ui.warn(kTitle,
                  QStringLiteral(
                      "EL FICHERO C.E.R. (CENSO DE ESPAÑOLES RESIDENTES) INDICADO NO EXISTE"));
        return false;
    }
    if (request.loadCere && !QFileInfo(cere).isFile()) {
        m_ui.warn(kTitle, QStringLiteral("EL FICHERO C.E.R.E. (CENSO DE EXTRANJEROS RESIDENTES EN "
                                         "ESPAÑA) INDICADO NO EXISTE"));
        return false;
    }
    return m_ui.ask(kTitle, QStringLiteral("SI TODAVIA NO HA HECHO LA CARGA DE LOS FICHEROS DEL "
                                           "SORTEO\n¿ DESEA HACERLA AHORA ?\n\n** Si ya hay datos "
                                           "cargados serán borrados **"));
}

CensusLoadResult CensusLoader::run(const CensusLoadRequest &request, bool *started)
{
    const bool go = confirm(request);
    if (started)
        *started = go;
    if (!go)
        return {};
    return load(request);
}

void CensusLoader::emptyTables()
{
    Database &db = m_store.db();
    RestoreTableFiles(m_store, QStringLiteral("cinta"));
    Transaction tx(db);
    db.exec(QStringLiteral("DELETE FROM cinta"));
    db.exec(QStringLiteral("DELETE FROM result"));
    db.exec(QStringLiteral("DELETE FROM resultbck"));
    db.exec(QStringLiteral("DELETE FROM inc"));
    tx.commit();
}

CensusLoadResult CensusLoader::load(const CensusLoadRequest &request,
                                    const std::function<void()> &beforeFinalMessage)
{
    CensusLoadResult result;
    qint64 order = 0;
    const QString cer = cleanPath(request.cerPath);
    if (!loadFile(cer, true, order, result.rows))
        result.failed = true;
    if (request.loadCere && !loadFile(cleanPath(request.cerePath), false, order, result.rows))
        result.failed = true;
    result.stations = int(m_store.count(QStringLiteral("mesas")));
    if (beforeFinalMessage)
        beforeFinalMessage();
    if (!result.failed)
        m_ui.info(kTitle,
                  QStringLiteral("EL PROCESO DE CARGA DE FICHEROS DEL SORTEO HA FINALIZADO"));
    return result;
}

bool CensusLoader::loadFile(const QString &path, bool isCer, qint64 &order, qint64 &rows)
{
    Database &db = m_store.db();
    m_progress.phase(kPhase);
    m_progress.count(QString::number(order));

    KeepAlive alive(db, m_progress);
    bool ok = true;
    bool lengthError = false;
    bool inTransaction = false;
    try {
        if (isCer)
            emptyTables();
        CensusReader reader(path, order + 1);
        db.exec(QStringLiteral("PRAGMA t_cinta.cache_size=-131072; PRAGMA threads=2"));
        db.exec(QStringLiteral("BEGIN IMMEDIATE"));
        inTransaction = true;
        dropIndexes(db);
        Statement ins = db.prepare(insertSql());
        sqlite3_stmt *st = ins.handle();
        const int numsorteoCol = int(CensusColumns().size()) - 1; // 1-based index of NUMSORTEO
        const int ordenCol = numsorteoCol + 1;
        QElapsedTimer clock;
        clock.start();
        qint64 lastShown = 0;
        for (;;) {
            CensusBatch *batch = reader.next();
            for (qsizetype r = 0; r < batch->used; ++r) {
                const CensusRow &row = batch->rows[size_t(r)];
                for (qsizetype i = 0; i < row.count(); ++i) {
                    if (row.isNull(i))
                        sqlite3_bind_null(st, int(i) + 1);
                    else
                        sqlite3_bind_text(st, int(i) + 1, row.data(i), row.size(i), SQLITE_STATIC);
                }
                sqlite3_bind_int64(st, numsorteoCol, 0);
                sqlite3_bind_int64(st, ordenCol, row.loadOrder());
                ins.run();
                sqlite3_reset(st);
                order = row.loadOrder();
                ++rows;
            }
            const bool last = batch->last;
            const bool badLength = batch->badLength;
            const bool failed = batch->failed;
            const QString error = batch->error;
            reader.recycle(batch);
            if (clock.elapsed() - lastShown >= kCountEveryMs) {
                lastShown = clock.elapsed();
                m_progress.count(QString::number(order));
            }
            if (badLength) {
                m_progress.hide();
                m_ui.error(kErrorTitle,
                           QStringLiteral("ATENCION, EL FICHERO ") + path +
                               QStringLiteral(" NO PUEDE SER CARGADO POR\nNO TENER LA LONGITUD "
                                              "ESPERADA.\n\nCOMPRUEBE SI ESTA CARGANDO EL "
                                              "FICHERO CORRECTO.\nSI EL FICHERO ESTA COMPRIMIDO, "
                                              "ANTES DE CARGARLO\nDEBE DESCOMPRIMIRLO."));
                lengthError = true;
                break;
            }
            if (failed)
                throw std::runtime_error(error.toStdString());
            if (last)
                break;
        }
        m_progress.count(QString::number(order));
        // The index sorter runs faster with a small page cache (its runs stay in the CPU
        // caches) than with a large one.
        db.exec(QStringLiteral("PRAGMA t_cinta.cache_size=-32768"));
        createIndexes(db);
        db.exec(QStringLiteral("COMMIT"));
        inTransaction = false;
    } catch (const std::exception &) {
        // Keep what was posted before the error, with the table's indexes. When even that
        // fails, the rollback brings the indexes back.
        try {
            if (inTransaction) {
                createIndexes(db);
                db.exec(QStringLiteral("COMMIT"));
            }
        } catch (const std::exception &) {
            try {
                db.exec(QStringLiteral("ROLLBACK"));
            } catch (const std::exception &) {
            }
        }
        m_progress.hide();
        m_ui.error(kErrorTitle, QStringLiteral("ERROR DE CARGA EN EL FICHERO ") + path +
                                    QStringLiteral(" DEL SORTEO"));
        ok = false;
    }
    db.exec(QStringLiteral("PRAGMA t_cinta.cache_size=-65536; PRAGMA threads=0"));
    if (lengthError)
        ok = false;
    if (isCer) {
        try {
            RebuildStationsFromCensus(db, &m_progress);
        } catch (const std::exception &e) {
            m_progress.hide();
            m_ui.error(kErrorTitle, QString::fromUtf8(e.what()));
            ok = false;
        }
    }
    m_progress.hide();
    return ok;
}

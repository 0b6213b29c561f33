#include "draw/MemberDraw.h"

#include "draw/CandidatePool.h"
#include "draw/DrawBackup.h"
#include "draw/DrawSettings.h"
#include "draw/DrawTables.h"
#include "draw/RandomSource.h"
#include "store/Store.h"
#include "util/Interaction.h"

#include <QElapsedTimer>
#include <algorithm>
#include <stdexcept>
#include <unordered_set>

namespace {

// Fields of the voter's `cinta` row copied into the member row.
const char *const kCopiedFields =
    "NIE,PROVINCIA,MUNICIPIO,DISTRITO,SECCION,MESA,LOCALELECTORAL1,LOCALELECTORAL2,"
    "INFOADICMESA,DIRMESA1,DIRMESA2,DIRMESA3,DIRMESA4,NOMBRE,APELLIDO1,APELLIDO2,"
    "DOMICILIOELECTOR1,DOMICILIOELECTOR2,DOMICILIOELECTOR3,ENTIDAD1,ENTIDAD2,ENTIDAD3,CODNAC,"
    "NACIONALIDAD,INTENCIONVOTO,CODPOSTALELECTOR,MUNACI,FENACI,SEXO,IDENTIFICADOR,"
    "CODPOSTALMESA,NIA,GRADOESCOLARIDAD,ORDENENLISTAS,ORDENCARGA,TIPOFICHERO";

void bindTextOrNull(Statement &st, int index, const QByteArray &utf8)
{
    if (utf8.isEmpty())
        st.bindNull(index);
    else
        st.bindText(index, utf8.constData(), int(utf8.size()));
}

// One draw after another over the stations, writing through statements prepared once.
class DrawEngine
{
public:
    DrawEngine(Database &db, Progress &progress, RandomSource &random, const DrawSettings &s,
               const std::vector<DrawStation> &stations, CandidatePool &pool)
        : m_db(db), m_progress(progress), m_random(random), m_stations(stations), m_pool(pool)
    {
        const QString fields = QString::fromLatin1(kCopiedFields);
        m_insertMember = db.prepare(
            QStringLiteral("INSERT INTO result (NUMSORTEO,FECHASORTEO,HORASORTEO,PV,TS,AB,ORPV,"
                           "ORTS,%1) SELECT ?1,?2,?3,?4,?5,?6,?7,?8,%1 FROM cinta WHERE rowid=?9")
                .arg(fields));
        m_stamp = db.prepare(QStringLiteral("UPDATE cinta SET numsorteo=?1, fechasorteo=?2, "
                                            "horasorteo=?3 WHERE rowid=?4"));
        m_insertIncident = db.prepare(QStringLiteral("INSERT INTO inc (ID,INC) VALUES (?1,?2)"));
        m_dateText = s.drawDateText.left(10).toUtf8();
        m_time = s.drawTime.toUtf8();
        m_stampTime = s.drawTime.left(5).toUtf8();
        for (const DrawStation &st : stations)
            m_total += st.places('P') + st.places('V');
    }

    // Generates draw `n`; true when a station and role lacked candidates. `stamped` tells
    // whether any voter was appointed.
    bool draw(int n, bool &stamped)
    {
        m_skip.clear();
        bool leftover = false;
        Statement left =
            m_db.prepare(QStringLiteral("SELECT ORDENCARGA FROM result WHERE numsorteo=?1"));
        left.bindInt(1, n);
        while (left.step()) {
            leftover = true;
            m_skip.insert(left.integer(0));
        }
        m_flag = false;
        m_count = 0;
        m_appointed = 0;
        m_progress.phase(QStringLiteral("  Generando sorteo nº ") + QString::number(n) +
                         QStringLiteral(" - ") + DrawKindText(n));
        m_progress.count(QString());
        m_clock.start();
        for (size_t i = 0; i < m_stations.size(); ++i) {
            rolePass(n, i, 'P');
            rolePass(n, i, 'V');
        }
        showCount();
        m_progress.phase(QStringLiteral("  Preparando resultados sorteo nº ") +
                         QString::number(n) + QStringLiteral(" - ") + DrawKindText(n));
        m_progress.count(QString());
        // The rows are written with their final numbers: only rows of the draw left in
        // `result` before the run need the pass.
        if (leftover)
            numberingPass(n);
        stamped = m_appointed > 0;
        return m_flag;
    }

    // Writes the stamps of every voter appointed by the run into `cinta`, in file order so
    // that each page is changed once. Nothing reads the stamps before the run ends: the pool
    // already knows who was taken, and the run's transaction hides them from others.
    void writeStamps()
    {
        std::sort(m_stamps.begin(), m_stamps.end());
        for (const auto &[rowid, n] : m_stamps) {
            m_stamp.bindInt(1, n);
            bindTextOrNull(m_stamp, 2, m_dateText);
            bindTextOrNull(m_stamp, 3, m_stampTime);
            m_stamp.bindInt(4, rowid);
            m_stamp.run();
            m_stamp.reset();
        }
        m_stamps.clear();
    }

private:
    void incident(int n, const DrawStation &st, char role, bool none, int places)
    {
        const QByteArray text = IncidentText(n, st, role, none, places).toUtf8();
        m_insertIncident.bindInt(1, ++m_incidents);
        m_insertIncident.bindText(2, text.constData(), int(text.size()));
        m_insertIncident.run();
        m_insertIncident.reset();
        m_flag = true;
    }

    void rolePass(int n, size_t stationIndex, char role)
    {
        const DrawStation &st = m_stations[stationIndex];
        m_pool.candidates(stationIndex, role, m_skip, m_candidates);
        const int full = st.places(role);
        int places = full;
        const int count = int(m_candidates.size());
        if (count == 0) {
            incident(n, st, role, true, full);
            return;
        }
        if (count < places) {
            incident(n, st, role, false, full);
            places = count;
        }
        const int titulares = st.titulares(role);
        std::vector<int> substitutes(size_t(std::max(titulares, 1)) + 1, 0);
        int ordinal = 0;
        bool titular = true;
        const char pv[2] = {role, 0};
        for (int pick = 1; pick <= places; ++pick) {
            const auto m = quint32(m_candidates.size());
            quint32 r = m == 1 ? 0 : m_random.pick(m);
            if (r >= m)
                r = m - 1;
            const quint32 voter = m_candidates[r];
            if (++ordinal > titulares) {
                ordinal = 1;
                titular = false;
            }
            const int orts = titular ? 1 : ++substitutes[size_t(ordinal)];
            ++m_count;
            if (m_clock.elapsed() >= 50) {
                showCount();
                m_clock.restart();
            }
            const qint64 rowid = m_pool.rowid(voter);
            Statement &ins = m_insertMember;
            ins.bindInt(1, n);
            bindTextOrNull(ins, 2, m_dateText);
            bindTextOrNull(ins, 3, m_time);
            ins.bindText(4, pv, 1);
            ins.bindText(5, titular ? "T" : "S", 1);
            ins.bindText(6, titular ? "A" : "B", 1);
            ins.bindInt(7, ordinal);
            ins.bindInt(8, orts);
            ins.bindInt(9, rowid);
            ins.run();
            ins.reset();
            if (m_db.changes() != 1)
                throw StoreError(QStringLiteral("EL ELECTOR CON ORDEN DE CARGA %1 YA NO ESTÁ "
                                                "EN EL CENSO")
                                     .arg(m_pool.ordencarga(voter)));
            m_stamps.emplace_back(rowid, n);
            ++m_appointed;
            m_pool.take(voter);
            m_candidates.erase(m_candidates.begin() + r);
        }
    }

    void showCount()
    {
        m_progress.count(QString::number(m_count) + QStringLiteral(" de ") +
                         QString::number(m_total) + QStringLiteral(" miembros"));
    }

    // Substitute ordinals 1, 2, ... per station, role and ORPV in key order, titulares 1.
    void numberingPass(int n)
    {
        Statement rows = m_db.prepare(QStringLiteral(
            "SELECT rowid,DISTRITO,SECCION,MESA,PV,ORPV,TS,ORTS FROM result WHERE numsorteo=?1 "
            "ORDER BY DISTRITO,SECCION,MESA,PV,AB,ORPV,ORTS,TS"));
        rows.bindInt(1, n);
        std::vector<std::pair<qint64, qint64>> changes;
        QVariantList group;
        qint64 c = 0;
        while (rows.step()) {
            QVariantList key{rows.value(1), rows.value(2), rows.value(3), rows.value(4),
                             rows.value(5)};
            if (key != group) {
                group = key;
                c = 0;
            }
            qint64 orts = 1;
            if (rows.text(6) != QLatin1String("T"))
                orts = ++c;
            if (rows.isNull(7) || rows.integer(7) != orts)
                changes.emplace_back(rows.integer(0), orts);
        }
        if (changes.empty())
            return;
        Statement upd = m_db.prepare(QStringLiteral("UPDATE result SET ORTS=?1 WHERE rowid=?2"));
        for (const auto &[rowid, orts] : changes) {
            upd.bindInt(1, orts).bindInt(2, rowid);
            upd.run();
            upd.reset();
        }
    }

    Database &m_db;
    Progress &m_progress;
    RandomSource &m_random;
    const std::vector<DrawStation> &m_stations;
    CandidatePool &m_pool;
    Statement m_insertMember, m_stamp, m_insertIncident;
    QByteArray m_dateText, m_time, m_stampTime;
    std::unordered_set<qint64> m_skip;
    std::vector<std::pair<qint64, int>> m_stamps; // rowid, draw number
    std::vector<quint32> m_candidates;
    QElapsedTimer m_clock;
    qint64 m_total = 0;
    qint64 m_count = 0;
    qint64 m_appointed = 0;
    int m_incidents = 0;
    bool m_flag = false;
};

QString undoneText(const QString &cause)
{
    return cause +
           QStringLiteral("\n\nSE HA PRODUCIDO UN ERROR DURANTE EL SORTEO. SE HAN DESHECHO "
                          "TODOS LOS CAMBIOS DEL SORTEO: LAS TABLAS QUEDAN COMO ESTABAN ANTES "
                          "DE INICIARLO.");
}

} // namespace

namespace {

qint64 cintaVersion(Database &db)
{
    return db.scalar(QStringLiteral("PRAGMA t_cinta.data_version")).toLongLong();
}

void warnLimit(Interaction &ui, int reserveDraws)
{
    ui.warn(QStringLiteral("Nº sorteos"),
            QStringLiteral("EL Nº MAXIMO DE SORTEOS INDICADO EN DATOS GENERALES ES:\n"
                           "1 PRINCIPAL Y ") +
                QString::number(reserveDraws) + QStringLiteral(" DE RESERVA"));
}

} // namespace

DrawRunResult RunMemberDraw(Store &store, Interaction &ui, Progress &progress,
                            RandomSource &random, const QDateTime &now)
{
    DrawRunResult result;
    Database &db = store.db();
    const DrawSettings s = ReadDrawSettings(db);
    const std::vector<DrawStation> stations = ReadDrawStations(db);
    const bool ready = DrawRequirementsComplete(s, stations.size());
    const BirthWindow window =
        ready ? BirthDateWindow(s.electionDate, s.edad1, s.edad2) : BirthWindow{};
    const bool windowOk = window.lower.isValid() && window.upper.isValid();
    // One pass over `cinta` gives the next draw number and, when the draw can run, the
    // candidates; it is repeated if another program changes `cinta` before the run starts.
    CandidatePool pool;
    auto scan = [&] {
        return windowOk ? int(pool.load(db, stations, MakeCandidateFilter(s, window))) + 1
                        : SiguienteNumSorteo(db);
    };
    qint64 version = cintaVersion(db);
    int current = scan();
    result.currentDraw = current;
    if (s.reserveDraws + 1 < current) {
        result.currentDraw = 1;
        warnLimit(ui, s.reserveDraws);
        return result;
    }
    if (!GeneralDataComplete(s, stations.size())) {
        ui.warn(QStringLiteral("Atneción"), GeneralDataMissingText());
        return result;
    }
    // The member view of the draw page is the whole of `result`.
    if (db.scalar(QStringLiteral("SELECT COUNT(*) FROM result")).toLongLong() == 0 &&
        !ui.ask(QStringLiteral("Atención"), QStringLiteral("¿ DESEA COMENZAR EL SORTEO ?")))
        return result;

    bool incidentFlag = false;
    try {
        Transaction tx(db);
        if (cintaVersion(db) != version) {
            current = scan();
            result.currentDraw = current;
            if (s.reserveDraws + 1 < current) {
                result.currentDraw = 1;
                warnLimit(ui, s.reserveDraws);
                return result;
            }
        }
        BorraInc(db);
        const int draws = s.reserveDraws > 0 ? s.reserveDraws - current + 2 : 1;
        DrawEngine engine(db, progress, random, s, stations, pool);
        int highest = current - 1; // the highest draw stamped in `cinta`
        for (int i = 0; i < draws; ++i) {
            current = highest + 1;
            result.currentDraw = current;
            if (!DrawRequirementsComplete(s, stations.size())) {
                tx.commit(); // `inc` stays empty
                progress.hide();
                ui.warn(QStringLiteral("Carga fichero CENSO"),
                        QStringLiteral("Cumplimente los apartados de MESAS ELECTORALES y "
                                       "REQUISITOS SORTEO"));
                return result;
            }
            if (!windowOk)
                throw std::runtime_error(
                    "LA FECHA DE LAS ELECCIONES Y LAS EDADES DE LOS REQUISITOS NO DAN "
                    "FECHAS DE NACIMIENTO VÁLIDAS.");
            bool stamped = false;
            incidentFlag = engine.draw(current, stamped);
            result.drawsMade << current;
            if (stamped)
                highest = current;
        }
        engine.writeStamps();
        tx.commit();
    } catch (const std::exception &e) {
        progress.hide();
        result.outcome = DrawOutcome::Failed;
        result.drawsMade.clear();
        try {
            result.currentDraw = SiguienteNumSorteo(db) - 1;
        } catch (const std::exception &) {
        }
        const auto *storeError = dynamic_cast<const StoreError *>(&e);
        ui.error(QStringLiteral("Error"),
                 undoneText(storeError ? storeError->message() : QString::fromUtf8(e.what())));
        return result;
    }
    CompleteDrawRun(store, ui, progress, incidentFlag, s.drawDateText, now, result);
    return result;
}

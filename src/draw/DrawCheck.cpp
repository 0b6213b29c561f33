#include "draw/DrawCheck.h"

#include "draw/CandidatePool.h"
#include "draw/DrawTables.h"
#include "store/Database.h"

#include <unordered_set>

DrawCheckReport CheckDraw(Database &db)
{
    DrawCheckReport report;
    report.nextDraw = SiguienteNumSorteo(db);
    const DrawSettings s = ReadDrawSettings(db);
    const std::vector<DrawStation> stations = ReadDrawStations(db);
    if (s.reserveDraws + 1 < report.nextDraw)
        report.problems << QStringLiteral("EL Nº MAXIMO DE SORTEOS INDICADO EN DATOS GENERALES "
                                          "ES:\n1 PRINCIPAL Y ") +
                               QString::number(s.reserveDraws) + QStringLiteral(" DE RESERVA");
    if (!GeneralDataComplete(s, stations.size()))
        report.problems << GeneralDataMissingText();
    else if (!DrawRequirementsComplete(s, stations.size()))
        report.problems << QStringLiteral("Cumplimente los apartados de MESAS ELECTORALES y "
                                          "REQUISITOS SORTEO");
    if (!DrawRequirementsComplete(s, stations.size()))
        return report;
    const BirthWindow w = BirthDateWindow(s.electionDate, s.edad1, s.edad2);
    if (!w.lower.isValid() || !w.upper.isValid()) {
        report.problems << QStringLiteral("LA FECHA DE LAS ELECCIONES Y LAS EDADES DE LOS "
                                          "REQUISITOS NO DAN FECHAS DE NACIMIENTO VÁLIDAS.");
        return report;
    }
    CandidatePool pool;
    pool.load(db, stations, MakeCandidateFilter(s, w));
    std::unordered_set<qint64> skip;
    Statement left =
        db.prepare(QStringLiteral("SELECT ORDENCARGA FROM result WHERE numsorteo=?1"));
    left.bindInt(1, report.nextDraw);
    while (left.step())
        skip.insert(left.integer(0));
    std::vector<quint32> candidates;
    for (size_t i = 0; i < stations.size(); ++i) {
        for (char role : {'P', 'V'}) {
            pool.candidates(i, role, skip, candidates);
            const int n = int(candidates.size());
            const int places = stations[i].places(role);
            report.rows.push_back({stations[i], role, n, places});
            if (n == 0 || n < places)
                report.incidents << IncidentText(report.nextDraw, stations[i], role, n == 0,
                                                 places);
        }
    }
    return report;
}

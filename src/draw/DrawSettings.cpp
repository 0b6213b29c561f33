#include "draw/DrawSettings.h"

#include "draw/DrawTables.h"
#include "stations/GeneralData.h"
#include "store/Database.h"
#include "util/DateUtils.h"
#include "util/TextUtils.h"

#include <QVariantMap>

namespace {

int wholeNumber(const QVariantMap &m, const char *field)
{
    const QVariant v = m.value(QLatin1String(field));
    return v.isValid() ? int(v.toLongLong()) : 0;
}

QString text(const QVariantMap &m, const char *field)
{
    return m.value(QLatin1String(field)).toString();
}

} // namespace

DrawSettings ReadDrawSettings(Database &db)
{
    const QVariantMap m = ReadGeneralData(db);
    DrawSettings s;
    s.electionDate = m.value(QStringLiteral("FECHAELECTORAL")).toDate();
    s.electionDateText = DateText(s.electionDate);
    s.drawDateText = DateText(m.value(QStringLiteral("FECHASORTEO")).toDate()).left(10);
    s.drawTime = text(m, "HORASORTEO");
    s.junta = text(m, "JUNTADE");
    s.electionType = text(m, "TIPOELECCIONES");
    s.p1 = wholeNumber(m, "P_TITULO_1");
    s.p2 = wholeNumber(m, "P_TITULO_2");
    s.v1 = wholeNumber(m, "V_TITULO_1");
    s.v2 = wholeNumber(m, "V_TITULO_2");
    s.edad1 = wholeNumber(m, "EDAD1");
    s.edad2 = wholeNumber(m, "EDAD2");
    s.reserveDraws = wholeNumber(m, "NUMSORTEOSRESERVA");
    s.sortearCere = text(m, "SORTEARCERE");
    return s;
}

int DrawStation::places(char role) const
{
    return role == 'P' ? presi * (presiS + 1) : vocal * (vocalS + 1);
}

std::vector<DrawStation> ReadDrawStations(Database &db)
{
    std::vector<DrawStation> out;
    Statement st = db.prepare(QStringLiteral(
        "SELECT DT,SEC,MESA,PRESI,PRESI_S,VOCAL,VOCAL_S FROM mesas ORDER BY dt,sec,mesa"));
    while (st.step()) {
        DrawStation s;
        s.dt = st.text(0);
        s.sec = st.text(1);
        s.mesa = st.text(2);
        s.nullKey = st.isNull(0) || st.isNull(1) || st.isNull(2);
        s.presi = int(st.integer(3));
        s.presiS = int(st.integer(4));
        s.vocal = int(st.integer(5));
        s.vocalS = int(st.integer(6));
        out.push_back(s);
    }
    return out;
}

bool GeneralDataComplete(const DrawSettings &s, size_t stationCount)
{
    return stationCount > 0 && !IsBlank(s.electionDateText) && !IsBlank(s.junta) &&
           !IsBlank(s.electionType) && !(s.p1 == 0 && s.p2 == 0) && !(s.v1 == 0 && s.v2 == 0);
}

QString GeneralDataMissingText()
{
    return QStringLiteral("NO HA CUMPLIMENTADO ALGUNO/S DE LOS SIGUIENTES DATOS:\n\n"
                          "- Fecha de las elecciones\n"
                          "- Fecha y hora del sorteo\n"
                          "- Junta Electoral de ...\n"
                          "- Tipo de elecciones\n"
                          "- Titulación de presidentes y vocales\n"
                          "- Mesas Electorales");
}

bool DrawRequirementsComplete(const DrawSettings &s, size_t stationCount)
{
    return stationCount > 0 && s.p2 != 0 && s.v2 != 0 && s.electionDate.isValid();
}

QDate SameDayInYear(const QDate &d, int year)
{
    QDate out(year, d.month(), d.day());
    if (!out.isValid() && d.month() == 2 && d.day() == 29)
        out = QDate(year, 2, 28);
    return out;
}

BirthWindow BirthDateWindow(const QDate &election, int edad1, int edad2)
{
    BirthWindow w;
    w.upper = SameDayInYear(election, election.year() - edad1);
    const QDate lower = SameDayInYear(election, election.year() - edad2);
    w.lower = lower.isValid() ? lower.addDays(1) : lower;
    return w;
}

QString IncidentText(int numsorteo, const DrawStation &st, char role, bool none, int places)
{
    return QStringLiteral("SORTEO Nº ") + QString::number(numsorteo) + QStringLiteral(" - ") +
           DrawKindText(numsorteo, true) + QStringLiteral(" DISTRITO ") + st.dt +
           QStringLiteral(" SECCION ") + st.sec + QStringLiteral(" MESA ") + st.mesa +
           QStringLiteral(":\n") +
           (none ? QStringLiteral("No existen habitantes censados que cumplan los requisitos "
                                  "para las")
                 : QStringLiteral("No existen suficientes habitantes censados que cumplan "
                                  "los requisitos para las")) +
           QLatin1Char('\n') + QString::number(places) + QStringLiteral(" plazas de ") +
           (role == 'P' ? QStringLiteral("PRESIDENTE/A") : QStringLiteral("VOCAL"));
}

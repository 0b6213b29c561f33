#pragma once
// What the draw reads before it starts: the general data of `miembros`, the stations of
// `mesas` with their places, the checks of the run, the birth-date window and the incident
// texts.

#include <QDate>
#include <QString>
#include <vector>

class Database;

struct DrawSettings
{
    QString electionDateText; // dd/mm/yyyy, empty when null
    QDate electionDate;
    QString drawDateText; // dd/mm/yyyy, cut to 10 characters; empty when null
    QString drawTime;     // HORASORTEO as stored
    QString junta;
    QString electionType;
    int p1 = 0, p2 = 0, v1 = 0, v2 = 0;
    int edad1 = 0, edad2 = 0;
    int reserveDraws = 0;
    QString sortearCere;
};
DrawSettings ReadDrawSettings(Database &db);

struct DrawStation
{
    QString dt, sec, mesa;
    bool nullKey = false; // a key field is null: no voter matches it
    int presi = 0, presiS = 0, vocal = 0, vocalS = 0;
    // Places of role 'P' (PRESI x (PRESI_S + 1)) or 'V' (VOCAL x (VOCAL_S + 1)).
    int places(char role) const;
    // Titulares of the role: PRESI or VOCAL.
    int titulares(char role) const { return role == 'P' ? presi : vocal; }
};
// The stations in dt, sec, mesa order.
std::vector<DrawStation> ReadDrawStations(Database &db);

// The check before asking to start: stations exist and the dates, board, election type and
// both education pairs are filled in.
bool GeneralDataComplete(const DrawSettings &s, size_t stationCount);
QString GeneralDataMissingText();
// The check before every draw: stations, P_TITULO_2, V_TITULO_2 and the election date.
bool DrawRequirementsComplete(const DrawSettings &s, size_t stationCount);

// The date with the day and month of `d` in `year`; 29 February becomes 28 February in a
// year that is not a leap year.
QDate SameDayInYear(const QDate &d, int year);
// Voters born on or after `lower` and on or before `upper` are at least EDAD1 and under
// EDAD2 years old on the election day.
struct BirthWindow
{
    QDate lower;
    QDate upper;
};
BirthWindow BirthDateWindow(const QDate &election, int edad1, int edad2);

// The incident text of a station and role without enough (`none` false) or without any
// (`none` true) candidates; `places` is the full number of places of the role.
QString IncidentText(int numsorteo, const DrawStation &st, char role, bool none, int places);

#pragma once
// The voters a run can draw, loaded once per run with one pass over `cinta`: for every
// station the voters not yet drawn, included in the draw ("N"), of the census kind allowed
// and born within the birth-date window, in the key order of `cinta` (birth date,
// education code, load order), each marked with the roles whose education range it meets.
// The draw takes candidates from here and marks them taken; the run's write transaction
// keeps `cinta` from changing underneath.

#include "draw/DrawSettings.h"

#include <QtGlobal>
#include <unordered_set>
#include <vector>

class Database;

struct CandidateFilter
{
    QString lowerIso, upperIso; // birth-date bounds, both inclusive, as stored (ISO text)
    QString p1, p2, v1, v2;     // education bounds of presidents and vocales, as text
    bool cerOnly = false;       // SORTEARCERE "N": rows of the CER file only
};
CandidateFilter MakeCandidateFilter(const DrawSettings &s, const BirthWindow &w);

class CandidatePool
{
public:
    // Loads the candidates and returns the highest draw number stamped in `cinta` (0 when
    // none), so that the run needs a single pass over the table.
    qint64 load(Database &db, const std::vector<DrawStation> &stations, const CandidateFilter &f);

    // The candidates of a station and role ('P' or 'V') that are not taken and whose load
    // order is not in `skip`, in key order (indexes for rowid/ordencarga/take).
    void candidates(size_t station, char role, const std::unordered_set<qint64> &skip,
                    std::vector<quint32> &out) const;
    qint64 rowid(quint32 v) const { return m_voters[v].rowid; }
    qint64 ordencarga(quint32 v) const { return m_voters[v].ordencarga; }
    void take(quint32 v) { m_voters[v].roles |= kTaken; }
    size_t size() const { return m_voters.size(); }

private:
    static constexpr quint8 kPresident = 1, kVocal = 2, kTaken = 4;
    struct Voter
    {
        qint64 rowid;
        qint64 ordencarga;
        quint32 station;
        quint32 birth;     // rank of the FENACI text
        quint32 education; // rank of the GRADOESCOLARIDAD text
        quint8 roles;
    };
    std::vector<Voter> m_voters;        // sorted by station, birth, education, ordencarga
    std::vector<size_t> m_stationStart; // voters of station s: [start[s], start[s+1])
};

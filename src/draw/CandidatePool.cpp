#include "draw/CandidatePool.h"

#include "store/Database.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <sqlite3.h>
#include <string>
#include <unordered_map>

namespace {

std::string columnBytes(sqlite3_stmt *st, int i)
{
    const auto *p = reinterpret_cast<const char *>(sqlite3_column_text(st, i));
    return p ? std::string(p, size_t(sqlite3_column_bytes(st, i))) : std::string();
}

std::string stationKey(const std::string &dt, const std::string &sec, const std::string &mesa)
{
    std::string key = dt;
    key += '\x1f';
    key += sec;
    key += '\x1f';
    key += mesa;
    return key;
}

// Ids of distinct texts, turned into ranks of their byte order (the order of the key index).
class TextRanks
{
public:
    quint32 id(const char *p, int n)
    {
        // Most texts repeat the previous one or are short: avoid hashing them each time.
        if (n == m_lastSize && std::memcmp(p, m_last, size_t(n)) == 0)
            return m_lastId;
        const int slot = isoSlot(p, n);
        if (slot >= 0 && m_isoIds[size_t(slot)] != 0)
            return m_isoIds[size_t(slot)] - 1;
        m_probe.assign(p, size_t(n));
        auto it = m_ids.find(m_probe);
        quint32 id;
        if (it != m_ids.end()) {
            id = it->second;
        } else {
            id = quint32(m_texts.size());
            m_texts.push_back(m_probe);
            m_ids.emplace(m_probe, id);
        }
        remember(p, n, id);
        if (slot >= 0)
            m_isoIds[size_t(slot)] = id + 1;
        return id;
    }
    std::vector<quint32> ranks() const
    {
        std::vector<quint32> order(m_texts.size());
        for (quint32 i = 0; i < order.size(); ++i)
            order[i] = i;
        std::sort(order.begin(), order.end(),
                  [this](quint32 a, quint32 b) { return m_texts[a] < m_texts[b]; });
        std::vector<quint32> rank(order.size());
        for (quint32 r = 0; r < order.size(); ++r)
            rank[order[r]] = r;
        return rank;
    }
    const std::string &text(quint32 id) const { return m_texts[id]; }

private:
    // A slot per day of a well-formed "YYYY-MM-DD" text of years 1800 to 2199; -1 otherwise.
    static int isoSlot(const char *p, int n)
    {
        if (n != 10 || p[4] != '-' || p[7] != '-')
            return -1;
        int v[8];
        const int at[8] = {0, 1, 2, 3, 5, 6, 8, 9};
        for (int i = 0; i < 8; ++i) {
            const char c = p[at[i]];
            if (c < '0' || c > '9')
                return -1;
            v[i] = c - '0';
        }
        const int year = v[0] * 1000 + v[1] * 100 + v[2] * 10 + v[3];
        const int month = v[4] * 10 + v[5], day = v[6] * 10 + v[7];
        if (year < 1800 || year >= 2200 || month < 1 || month > 12 || day < 1 || day > 31)
            return -1;
        return ((year - 1800) * 12 + month - 1) * 31 + day - 1;
    }
    std::vector<quint32> m_isoIds = std::vector<quint32>(400 * 12 * 31, 0);
    void remember(const char *p, int n, quint32 id)
    {
        if (n > int(sizeof m_last)) {
            m_lastSize = -1;
            return;
        }
        std::memcpy(m_last, p, size_t(n));
        m_lastSize = n;
        m_lastId = id;
    }
    char m_last[32];
    int m_lastSize = -1;
    quint32 m_lastId = 0;
    std::unordered_map<std::string, quint32> m_ids;
    std::vector<std::string> m_texts;
    std::string m_probe;
};

} // namespace

CandidateFilter MakeCandidateFilter(const DrawSettings &s, const BirthWindow &w)
{
    CandidateFilter f;
    f.lowerIso = w.lower.toString(Qt::ISODate);
    f.upperIso = w.upper.toString(Qt::ISODate);
    f.p1 = QString::number(s.p1);
    f.p2 = QString::number(s.p2);
    f.v1 = QString::number(s.v1);
    f.v2 = QString::number(s.v2);
    f.cerOnly = s.sortearCere == QLatin1String("N");
    return f;
}

qint64 CandidatePool::load(Database &db, const std::vector<DrawStation> &stations,
                           const CandidateFilter &f)
{
    m_voters.clear();
    std::unordered_map<std::string, quint32> stationIndex;
    for (size_t i = 0; i < stations.size(); ++i) {
        const DrawStation &s = stations[i];
        if (!s.nullKey)
            stationIndex.emplace(
                stationKey(s.dt.toStdString(), s.sec.toStdString(), s.mesa.toStdString()),
                quint32(i));
    }
    QString sql = QStringLiteral(
        "SELECT rowid,DISTRITO,SECCION,MESA,FENACI,GRADOESCOLARIDAD,ORDENCARGA,NUMSORTEO "
        "FROM cinta WHERE numsorteo<>0 OR (numsorteo=0 AND excluirsorteo='N' AND "
        "fenaci>=:lo AND fenaci<=:hi AND "
        "((gradoescolaridad>=:p1 AND gradoescolaridad<=:p2) OR "
        "(gradoescolaridad>=:v1 AND gradoescolaridad<=:v2))");
    if (f.cerOnly)
        sql += QStringLiteral(" AND tipofichero='CER'");
    sql += QLatin1Char(')');
    Statement st = db.prepare(sql);
    st.bind(QStringLiteral(":lo"), f.lowerIso).bind(QStringLiteral(":hi"), f.upperIso);
    st.bind(QStringLiteral(":p1"), f.p1).bind(QStringLiteral(":p2"), f.p2);
    st.bind(QStringLiteral(":v1"), f.v1).bind(QStringLiteral(":v2"), f.v2);
    sqlite3_stmt *h = st.handle();

    TextRanks births, educations;
    std::string lastKey[3];
    quint32 lastStation = 0;
    bool lastKnown = false;
    bool first = true;
    qint64 highest = 0;
    while (st.step()) {
        const qint64 drawn = sqlite3_column_int64(h, 7);
        if (drawn != 0) {
            highest = std::max(highest, drawn);
            continue;
        }
        bool same = !first;
        for (int c = 0; same && c < 3; ++c) {
            const int n = sqlite3_column_bytes(h, c + 1);
            same = size_t(n) == lastKey[c].size() &&
                   std::memcmp(sqlite3_column_text(h, c + 1), lastKey[c].data(), size_t(n)) == 0;
        }
        if (!same) {
            for (int c = 0; c < 3; ++c)
                lastKey[c] = columnBytes(h, c + 1);
            auto it = stationIndex.find(stationKey(lastKey[0], lastKey[1], lastKey[2]));
            lastKnown = it != stationIndex.end();
            lastStation = lastKnown ? it->second : 0;
            first = false;
        }
        if (!lastKnown || sqlite3_column_type(h, 1) == SQLITE_NULL ||
            sqlite3_column_type(h, 2) == SQLITE_NULL || sqlite3_column_type(h, 3) == SQLITE_NULL)
            continue;
        Voter v;
        v.rowid = sqlite3_column_int64(h, 0);
        v.station = lastStation;
        v.birth = births.id(reinterpret_cast<const char *>(sqlite3_column_text(h, 4)),
                            sqlite3_column_bytes(h, 4));
        v.education = educations.id(reinterpret_cast<const char *>(sqlite3_column_text(h, 5)),
                                    sqlite3_column_bytes(h, 5));
        v.ordencarga = sqlite3_column_int64(h, 6);
        v.roles = 0;
        m_voters.push_back(v);
    }

    // Roles by education range, compared as text as the key index compares.
    const std::string p1 = f.p1.toStdString(), p2 = f.p2.toStdString();
    const std::string v1 = f.v1.toStdString(), v2 = f.v2.toStdString();
    const std::vector<quint32> birthRank = births.ranks();
    const std::vector<quint32> educationRank = educations.ranks();
    std::vector<quint8> educationRoles(educationRank.size());
    for (quint32 i = 0; i < educationRoles.size(); ++i) {
        const std::string &g = educations.text(i);
        educationRoles[i] =
            quint8((g >= p1 && g <= p2 ? kPresident : 0) | (g >= v1 && g <= v2 ? kVocal : 0));
    }
    for (Voter &v : m_voters) {
        v.roles = educationRoles[v.education];
        v.birth = birthRank[v.birth];
        v.education = educationRank[v.education];
    }
    std::sort(m_voters.begin(), m_voters.end(), [](const Voter &a, const Voter &b) {
        if (a.station != b.station)
            return a.station < b.station;
        if (a.birth != b.birth)
            return a.birth < b.birth;
        if (a.education != b.education)
            return a.education < b.education;
        return a.ordencarga < b.ordencarga;
    });
    m_stationStart.assign(stations.size() + 1, m_voters.size());
    for (size_t i = m_voters.size(); i-- > 0;)
        m_stationStart[m_voters[i].station] = i;
    // Stations without voters start where the next one does.
    for (size_t s = stations.size(); s-- > 0;)
        m_stationStart[s] = std::min(m_stationStart[s], m_stationStart[s + 1]);
    return highest;
}

void CandidatePool::candidates(size_t station, char role, const std::unordered_set<qint64> &skip,
                               std::vector<quint32> &out) const
{
    out.clear();
    if (station + 1 >= m_stationStart.size())
        return;
    const quint8 want = role == 'P' ? kPresident : kVocal;
    for (size_t i = m_stationStart[station]; i < m_stationStart[station + 1]; ++i) {
        const Voter &v = m_voters[i];
        if ((v.roles & want) && !(v.roles & kTaken) && (skip.empty() || !skip.count(v.ordencarga)))
            out.push_back(quint32(i));
    }
}

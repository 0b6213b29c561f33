#pragma once
// One line of a census file (CER: 841 bytes, CERE: 867 bytes, Windows-1252) turned into the
// values of its `cinta` row. Positions count bytes: fields are cut first, then decoded.

#include <QDate>
#include <QString>
#include <string>
#include <vector>

// Accepted line lengths (without the line end): 841 to 843 and 867 to 869 bytes.
bool IsCensusLineLength(qsizetype length);

// The `cinta` columns a census line fills, in the order of CensusRow's values; the last two,
// NUMSORTEO and ORDENCARGA, have no value in the row (numbers, bound by the loader).
const std::vector<QString> &CensusColumns();

// Values of one row as UTF-8 texts ready to bind; dates as ISO text, empty `isNull` for FENACI.
class CensusRow
{
public:
    // Fills the row from the line; `loadOrder` is the running number of the load.
    void parse(const char *line, qsizetype length, qint64 loadOrder);

    qsizetype count() const { return qsizetype(m_offsets.size()); }
    const char *data(qsizetype i) const { return m_buffer.data() + m_offsets[size_t(i)].first; }
    int size(qsizetype i) const { return m_offsets[size_t(i)].second; }
    bool isNull(qsizetype i) const { return m_offsets[size_t(i)].second < 0; }
    qint64 loadOrder() const { return m_loadOrder; }

private:
    void add(const char *bytes, qsizetype n, bool trimmed, bool ascii);
    void addAscii(const char *text, int n);
    void addNull();
    std::string m_buffer;
    std::vector<std::pair<int, int>> m_offsets; // offset, size (-1: null)
    qint64 m_loadOrder = 0;
};

// Birth municipality from the five bytes at 794-798: as read when there is a blank in them,
// else the five digits and their check digit, or six blanks when they read as 0.
QString BirthMunicipality(const QString &five);
// Birth date from day, month and year as read: null when the day reads below 1,
// 30/12/1899 when they are not a real date.
QDate BirthDate(const QString &day, const QString &month, const QString &year);

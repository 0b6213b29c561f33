#pragma once
// Reads a text file as lines of bytes, in large blocks. A line ends at CR LF, LF or CR; the
// line end is not part of the line. The line stays valid until the next call.

#include <QFile>
#include <QString>
#include <vector>

class LineReader
{
public:
    explicit LineReader(const QString &path) : m_file(path) {}
    bool open() { return m_file.open(QIODevice::ReadOnly); }
    QString errorString() const { return m_file.errorString(); }
    // Next line; false at the end of the file. Throws std::runtime_error on a read error.
    bool next(const char *&line, qsizetype &length);

private:
    bool fill();
    QFile m_file;
    std::vector<char> m_buffer = std::vector<char>(1 << 22);
    qsizetype m_start = 0; // first byte not yet returned
    qsizetype m_end = 0;   // end of valid data
    bool m_eof = false;
    bool m_skipLf = false; // the last block ended in CR: a LF that follows belongs to it
};

#include "census/LineReader.h"

#include <cstring>
#include <stdexcept>

bool LineReader::fill()
{
    if (m_eof)
        return false;
    // Move the unread tail to the front and read after it.
    const qsizetype tail = m_end - m_start;
    if (tail > 0 && m_start > 0)
        std::memmove(m_buffer.data(), m_buffer.data() + m_start, size_t(tail));
    m_start = 0;
    m_end = tail;
    if (m_end == qsizetype(m_buffer.size()))
        m_buffer.resize(m_buffer.size() * 2); // a line longer than the block
    const qint64 n = m_file.read(m_buffer.data() + m_end, qint64(m_buffer.size()) - m_end);
    if (n < 0)
        throw std::runtime_error(m_file.errorString().toStdString());
    if (n == 0) {
        m_eof = true;
        return false;
    }
    m_end += n;
    return true;
}

bool LineReader::next(const char *&line, qsizetype &length)
{
    for (;;) {
        if (m_skipLf && m_start < m_end) {
            if (m_buffer[size_t(m_start)] == '\n')
                ++m_start;
            m_skipLf = false;
        }
        const char *base = m_buffer.data();
        const char *p = base + m_start;
        const char *end = base + m_end;
        // The first LF, then the first CR before it (both searched with memchr).
        const char *q = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
        const char *cr =
            static_cast<const char *>(std::memchr(p, '\r', size_t((q ? q : end) - p)));
        if (cr)
            q = cr;
        if (q) {
            line = p;
            length = q - p;
            m_start = (q - base) + 1;
            if (*q == '\r') {
                if (m_start < m_end) {
                    if (base[m_start] == '\n')
                        ++m_start;
                } else {
                    m_skipLf = true;
                }
            }
            return true;
        }
        if (!fill()) {
            if (m_skipLf && m_start < m_end && m_buffer[size_t(m_start)] == '\n')
                ++m_start;
            m_skipLf = false;
            if (m_start < m_end) { // a last line without a line end
                line = m_buffer.data() + m_start;
                length = m_end - m_start;
                m_start = m_end;
                return true;
            }
            return false;
        }
    }
}

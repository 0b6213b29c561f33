#include "util/Cp1252.h"

#include <array>
#include <unordered_map>

namespace {

// Code points of the bytes 0x80-0x9F; the five undefined bytes map to themselves.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct Tables
{
    std::array<char16_t, 256> toUnicode{};
    std::unordered_map<char16_t, char> fromUnicode;
    Tables()
    {
        for (int b = 0; b < 256; ++b) {
            char16_t u = (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : char16_t(b);
            toUnicode[b] = u;
            fromUnicode.emplace(u, char(b));
        }
    }
};

const Tables &tables()
{
    static const Tables t;
    return t;
}

} // namespace

QString FromCp1252(const char *data, qsizetype size)
{
    const auto &map = tables().toUnicode;
    QString out(size, Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < size; ++i) {
        unsigned char b = static_cast<unsigned char>(data[i]);
        // Bytes below 0x80 are ASCII: no table look-up needed.
        dst[i] = QChar(b < 0x80 ? char16_t(b) : map[b]);
    }
    return out;
}

QByteArray ToCp1252(const QString &text)
{
    const auto &map = tables().fromUnicode;
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t u = text.at(i).unicode();
        if (u < 0x80) {
            out[i] = char(u);
            continue;
        }
        auto it = map.find(u);
        out[i] = it == map.end() ? '?' : it->second;
    }
    return out;
}

#include "census/CensusRecord.h"

#include "util/Cp1252.h"
#include "util/DateUtils.h"
#include "util/NumberUtils.h"
#include "util/Regional.h"
#include "util/TextUtils.h"

#include <cstring>

namespace {

enum class Take
{
    AsRead,
    Trimmed
};

struct Slice
{
    const char *column;
    int pos; // 1-based
    int width;
    Take take;
};

// Fields taken straight from the line, in column order.
constexpr Slice kSlices[] = {
    {"NIE", 1, 11, Take::Trimmed},
    {"PROVINCIA", 12, 2, Take::AsRead},
    {"MUNICIPIO", 14, 50, Take::AsRead},
    {"DISTRITO", 64, 2, Take::AsRead},
    {"SECCION", 66, 4, Take::AsRead},
    {"MESA", 70, 1, Take::AsRead},
    {"LOCALELECTORAL1", 71, 50, Take::Trimmed},
    {"LOCALELECTORAL2", 121, 50, Take::Trimmed},
    {"INFOADICMESA", 171, 30, Take::Trimmed},
    {"DIRMESA1", 201, 50, Take::Trimmed},
    {"DIRMESA2", 251, 50, Take::Trimmed},
    {"DIRMESA3", 301, 50, Take::Trimmed},
    {"DIRMESA4", 351, 50, Take::Trimmed},
    {"NOMBRE", 401, 20, Take::Trimmed},
    {"APELLIDO1", 421, 25, Take::Trimmed},
    {"APELLIDO2", 446, 25, Take::Trimmed},
    {"DOMICILIOELECTOR1", 471, 56, Take::Trimmed},
    {"DOMICILIOELECTOR2", 527, 56, Take::Trimmed},
    {"DOMICILIOELECTOR3", 583, 56, Take::Trimmed},
    {"ENTIDAD1", 639, 50, Take::Trimmed},
    {"ENTIDAD2", 689, 50, Take::Trimmed},
    {"ENTIDAD3", 739, 50, Take::Trimmed},
    {"CODPOSTALELECTOR", 789, 5, Take::AsRead},
    {"SEXO", 807, 1, Take::AsRead},
    {"IDENTIFICADOR", 808, 9, Take::Trimmed},
    {"CODPOSTALMESA", 817, 5, Take::AsRead},
    {"NIA", 822, 15, Take::Trimmed},
    {"GRADOESCOLARIDAD", 837, 1, Take::AsRead},
    {"ORDENENLISTAS", 838, 4, Take::AsRead},
    {"NACIONALIDAD", 842, 25, Take::AsRead},
    {"INTENCIONVOTO", 867, 1, Take::AsRead},
};
constexpr int kSliceCount = int(sizeof(kSlices) / sizeof(kSlices[0]));

// Derived columns, after the slices.
constexpr const char *kDerived[] = {"MUNACI",      "FENACI",    "DESCGRADOESCOLARIDAD",
                                    "TIPOFICHERO", "CODNAC",    "EXCLUIRSORTEO",
                                    "NUMSORTEO",   "ORDENCARGA"};

const char *const kEducation[] = {
    "NO SABE LEER NI ESCRIBIR", "TITULACION INFERIOR A GRADUADO ESCOLAR",
    "GRADUADO ESCOLAR O EQUIVALENTE",
    "BACHILLER, FORMACION PROFESIONAL DE 2º GRADO O TITULOS EQUIVALENTES O SUPERIORES"};

// The bytes of the field that lie within the line (a field past the end reads empty).
std::pair<const char *, qsizetype> cut(const char *line, qsizetype length, int pos, int width)
{
    const qsizetype start = pos - 1;
    if (start >= length)
        return {line + length, 0};
    return {line + start, qMin<qsizetype>(width, length - start)};
}

bool blankOnly(const char *p, qsizetype n)
{
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] != ' ')
            return false;
    }
    return true;
}

bool allDigits(const char *p, qsizetype n)
{
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] < '0' || p[i] > '9')
            return false;
    }
    return n > 0;
}

int digitsValue(const char *p, qsizetype n)
{
    int v = 0;
    for (qsizetype i = 0; i < n; ++i)
        v = v * 10 + (p[i] - '0');
    return v;
}

bool asciiOnly(const char *p, qsizetype n)
{
    unsigned char any = 0;
    for (qsizetype i = 0; i < n; ++i)
        any |= static_cast<unsigned char>(p[i]);
    return any < 0x80;
}

// Writes `value` with `width` digits (zero-filled) at `out`.
void putDigits(char *out, int value, int width)
{
    for (int i = width - 1; i >= 0; --i) {
        out[i] = char('0' + value % 10);
        value /= 10;
    }
}

// Check digits of five-digit codes, computed once per code.
char checkDigitChar(const char *five)
{
    static signed char cache[100000];
    static bool init = [] {
        std::memset(cache, -1, sizeof cache);
        return true;
    }();
    Q_UNUSED(init);
    const int code = digitsValue(five, 5);
    if (cache[code] < 0)
        cache[code] =
            static_cast<signed char>(MunicipalityCheckDigit(QString::fromLatin1(five, 5)));
    return char('0' + cache[code]);
}

} // namespace

bool IsCensusLineLength(qsizetype length)
{
    return (length >= 841 && length <= 843) || (length >= 867 && length <= 869);
}

const std::vector<QString> &CensusColumns()
{
    static const std::vector<QString> columns = [] {
        std::vector<QString> c;
        for (const Slice &s : kSlices)
            c.push_back(QString::fromLatin1(s.column));
        for (const char *d : kDerived)
            c.push_back(QString::fromLatin1(d));
        return c;
    }();
    return columns;
}

QString BirthMunicipality(const QString &five)
{
    if (FitWidth(five, 5, QLatin1Char(' '), true).contains(QLatin1Char(' ')))
        return five;
    if (ToIntOrZero(five) != 0)
        return five + QString::number(MunicipalityCheckDigit(five));
    return QString(6, QLatin1Char(' '));
}

QDate BirthDate(const QString &day, const QString &month, const QString &year)
{
    if (ToIntOrZero(day) < 1)
        return QDate();
    const QChar sep = regional::dateSeparator();
    return ParseDateOrZero(day + sep + month + sep + year).date();
}

void CensusRow::add(const char *bytes, qsizetype n, bool trimmed, bool ascii)
{
    if (trimmed) {
        while (n > 0 && *bytes == ' ') {
            ++bytes;
            --n;
        }
        while (n > 0 && bytes[n - 1] == ' ')
            --n;
    }
    const int offset = int(m_buffer.size());
    if (ascii || asciiOnly(bytes, n))
        m_buffer.append(bytes, size_t(n));
    else
        m_buffer.append(FromCp1252(bytes, n).toStdString());
    m_offsets.emplace_back(offset, int(m_buffer.size()) - offset);
}

void CensusRow::addAscii(const char *text, int n)
{
    const int offset = int(m_buffer.size());
    m_buffer.append(text, size_t(n));
    m_offsets.emplace_back(offset, n);
}

void CensusRow::addNull()
{
    m_offsets.emplace_back(int(m_buffer.size()), -1);
}

void CensusRow::parse(const char *line, qsizetype length, qint64 loadOrder)
{
    m_buffer.clear();
    m_offsets.clear();
    m_loadOrder = loadOrder;
    const bool ascii = asciiOnly(line, length);
    for (const Slice &s : kSlices) {
        auto [p, n] = cut(line, length, s.pos, s.width);
        add(p, n, s.take == Take::Trimmed, ascii);
    }

    // MUNACI
    auto [mp, mn] = cut(line, length, 794, 5);
    if (mn == 5 && allDigits(mp, 5)) {
        if (digitsValue(mp, 5) == 0) {
            addAscii("      ", 6);
        } else {
            char code[6];
            std::memcpy(code, mp, 5);
            code[5] = checkDigitChar(mp);
            addAscii(code, 6);
        }
    } else {
        const QString munaci = BirthMunicipality(FromCp1252(mp, mn));
        const std::string utf8 = munaci.toStdString();
        addAscii(utf8.data(), int(utf8.size()));
    }

    // FENACI: plain digits are built directly; anything else goes the general way.
    auto [dp, dn] = cut(line, length, 799, 2);
    auto [op, on] = cut(line, length, 801, 2);
    auto [yp, yn] = cut(line, length, 803, 4);
    QDate birth;
    if (allDigits(dp, dn) && allDigits(op, on) && allDigits(yp, yn) && dn == 2 && on == 2 &&
        yn == 4) {
        const int d = digitsValue(dp, 2);
        if (d >= 1) {
            birth = QDate(digitsValue(yp, 4), digitsValue(op, 2), d);
            if (!birth.isValid())
                birth = ZeroDate();
        }
    } else {
        birth = BirthDate(FromCp1252(dp, dn), FromCp1252(op, on), FromCp1252(yp, yn));
    }
    if (birth.isValid()) {
        char iso[10] = {0, 0, 0, 0, '-', 0, 0, '-', 0, 0};
        int y = 0, m = 0, d = 0;
        birth.getDate(&y, &m, &d);
        putDigits(iso, y, 4);
        putDigits(iso + 5, m, 2);
        putDigits(iso + 8, d, 2);
        addAscii(iso, 10);
    } else {
        addNull();
    }

    // DESCGRADOESCOLARIDAD from the numeric value of the education code.
    auto [gp, gn] = cut(line, length, 837, 1);
    const int level = (gn == 1 && *gp >= '1' && *gp <= '4') ? *gp - '0' : 0;
    if (level > 0)
        addAscii(kEducation[level - 1], int(std::strlen(kEducation[level - 1])));
    else
        addAscii("", 0);

    // TIPOFICHERO: a foreign resident's record has its nationality filled.
    auto [np, nn] = cut(line, length, 842, 25);
    const bool cere = length >= 867 && length <= 869 && !blankOnly(np, nn);
    if (cere)
        addAscii("CERE", 4);
    else
        addAscii("CER", 3);
    addAscii("", 0);  // CODNAC
    addAscii("N", 1); // EXCLUIRSORTEO
    // NUMSORTEO and ORDENCARGA, the last two columns, are bound as numbers by the loader.
}

#include "gen_census_lines.h"

#include "gen_census_words.h"
#include "util/Cp1252.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <span>

namespace gencensus {
namespace {

// Byte offsets (position - 1) and widths of the record fields.
enum : int
{
    kNie = 0,
    kProvince = 11,
    kMunicipality = 13,
    kDistrict = 63,
    kSection = 65,
    kLetter = 69,
    kPlace1 = 70,
    kPlace2 = 120,
    kInfo = 170,
    kPlaceAddr1 = 200,
    kPlaceAddr2 = 250,
    kName = 400,
    kSurname1 = 420,
    kSurname2 = 445,
    kAddress1 = 470,
    kEntity1 = 638,
    kVoterPostal = 788,
    kBirthCode = 793,
    kBirthDate = 798,
    kSex = 806,
    kIdentity = 807,
    kPlacePostal = 816,
    kNia = 821,
    kEducation = 836,
    kOrder = 837,
    kNationality = 841,
    kIntention = 866,
};

constexpr char kDniLetters[] = "TRWAGMYFPDXBNJZSQVHLCKE";

void Put(char *line, int offset, int width, std::string_view text)
{
    std::memcpy(line + offset, text.data(), std::min<std::size_t>(text.size(), width));
}

void PutNumber(char *line, int offset, int width, std::uint64_t value)
{
    for (int i = width - 1; i >= 0; --i) {
        line[offset + i] = char('0' + value % 10);
        value /= 10;
    }
}

// Appends a number without padding.
void Append(std::string &out, unsigned value)
{
    char digits[12];
    int n = 0;
    do {
        digits[n++] = char('0' + value % 10);
        value /= 10;
    } while (value);
    while (n)
        out.push_back(digits[--n]);
}

std::vector<std::string> EncodeAll(std::span<const std::string_view> words)
{
    std::vector<std::string> out;
    out.reserve(words.size());
    for (auto w : words)
        out.push_back(Encode(w));
    return out;
}

template <typename T> const T &Pick(const std::vector<T> &items, Rng &rng)
{
    return items[rng.Below(std::uint32_t(items.size()))];
}

std::string_view PickWord(std::span<const std::string_view> words, Rng &rng)
{
    return words[rng.Below(std::uint32_t(words.size()))];
}

int DaysInMonth(int month, int year)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

// Education codes 1-4, most voters in 3 and 4.
char EducationCode(Rng &rng)
{
    unsigned r = rng.Below(100);
    return r < 3 ? '1' : r < 18 ? '2' : r < 58 ? '3' : '4';
}

struct SectionUnit
{
    int stations;
    char suffix; // ' ' or the letter of a split section
};

} // namespace

std::string Encode(std::string_view utf8)
{
    QByteArray bytes = ToCp1252(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

std::vector<Station> PlanStations(int stations, std::int64_t voters, const std::string &province,
                                  Rng &rng)
{
    // Sections of one to three stations; now and then a section split in two ("001A", "001B").
    std::vector<std::vector<SectionUnit>> sections;
    int placed = 0;
    while (placed < stations) {
        int left = stations - placed;
        unsigned r = rng.Below(100);
        if (left >= 2 && r < 12) {
            int a = 1 + int(rng.Below(std::min(2, left - 1)));
            int b = std::min(1 + int(rng.Below(2)), left - a);
            sections.push_back({{a, 'A'}, {b, 'B'}});
            placed += a + b;
        } else {
            int k = std::min(left, r < 45 ? 1 : r < 85 ? 2 : 3);
            sections.push_back({{k, ' '}});
            placed += k;
        }
    }

    const int count = int(sections.size());
    int districts = std::clamp(int(std::lround(std::sqrt(double(count)) / 1.5)), 1, 99);
    int perDistrict = (count + districts - 1) / districts;
    if (perDistrict > 999) {
        perDistrict = 999;
        districts = (count + 998) / 999;
    }

    std::vector<Station> plan;
    plan.reserve(std::size_t(stations));
    for (int i = 0; i < count; ++i) {
        int district = 1 + i / perDistrict;
        int number = 1 + i % perDistrict;
        for (const SectionUnit &unit : sections[std::size_t(i)]) {
            char code[24];
            std::snprintf(code, sizeof code, "%.2s%03d", province.c_str(),
                          1 + ((district - 1) * 2 + number % 2) % 999);
            std::string postal(code);
            std::string street = std::string(PickWord(StreetNames(), rng));
            std::string place1 = std::string(PickWord(PlaceKinds(), rng)) + " " + street;
            std::string address = std::string(PickWord(StreetTypes(), rng)) + " " +
                                  std::string(PickWord(StreetNames(), rng)) + " ";
            Append(address, 1 + rng.Below(80));
            std::string place2;
            if (rng.Below(3) == 0) {
                place2 = "PABELLON ";
                Append(place2, 1 + rng.Below(4));
            }
            std::string info = rng.Below(4) == 0 ? "ACCESO ADAPTADO" : "";
            for (int s = 0; s < unit.stations; ++s) {
                Station st;
                char key[32];
                std::snprintf(key, sizeof key, "%02d%03d%c%c", district, number, unit.suffix,
                              unit.stations == 1 ? 'U' : char('A' + s));
                st.key.assign(key, 7);
                st.postal = postal;
                st.place1 = place1;
                st.place2 = place2;
                st.info = info;
                st.address1 = address;
                st.address2 = postal;
                plan.push_back(std::move(st));
            }
        }
    }

    // Sizes vary around voters / stations by up to 30 % either way.
    std::vector<double> weight(plan.size());
    double total = 0;
    for (double &w : weight)
        total += (w = 0.7 + 0.6 * rng.Unit());
    double cumulative = 0;
    std::int64_t given = 0;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        cumulative += weight[i];
        auto upTo = i + 1 == plan.size() ? voters
                                         : std::int64_t(std::llround(cumulative / total * voters));
        plan[i].voters = upTo - given;
        given = upTo;
    }
    return plan;
}

LineBuilder::LineBuilder(const Reference &ref, std::string province, std::string municipality)
    : m_ref(ref), m_province(std::move(province)), m_municipality(std::move(municipality)),
      m_male(EncodeAll(MaleNames())), m_female(EncodeAll(FemaleNames())),
      m_surnames(EncodeAll(Surnames())), m_foreignMale(EncodeAll(ForeignMaleNames())),
      m_foreignFemale(EncodeAll(ForeignFemaleNames())),
      m_foreignSurnames(EncodeAll(ForeignSurnames())), m_streetTypes(EncodeAll(StreetTypes())),
      m_streetNames(EncodeAll(StreetNames())), m_doors(EncodeAll(Doors())),
      m_accMale(EncodeAll(AccentedMaleNames())), m_accFemale(EncodeAll(AccentedFemaleNames())),
      m_accSurnames(EncodeAll(AccentedSurnames())), m_accStreets(EncodeAll(AccentedStreets()))
{
    std::memset(m_template, ' ', sizeof m_template);
}

void LineBuilder::BeginStation(const Station &station)
{
    char *t = m_template;
    std::memset(t, ' ', sizeof m_template);
    Put(t, kProvince, 2, m_province);
    Put(t, kMunicipality, 50, m_municipality);
    Put(t, kDistrict, 7, station.key);
    Put(t, kPlace1, 50, station.place1);
    Put(t, kPlace2, 50, station.place2);
    Put(t, kInfo, 30, station.info);
    Put(t, kPlaceAddr1, 50, station.address1);
    std::string line2 = station.address2 + " " + m_municipality;
    Put(t, kPlaceAddr2, 50, line2);
    Put(t, kEntity1, 50, m_municipality);
    Put(t, kVoterPostal, 5, station.postal);
    Put(t, kPlacePostal, 5, station.postal);
    m_postal = station.postal;
}

int LineBuilder::Build(char *line, bool foreign, int order, const Edge *edge, Rng &rng)
{
    int length = foreign ? kCereLength : kCerLength;
    std::memcpy(line, m_template, std::size_t(length));
    const std::uint64_t serial = m_serial++;

    Put(line, kNie, 2, m_province);
    PutNumber(line, kNie + 2, 9, (serial * 387420489ull + 123456789ull) % 1000000000ull);

    const bool male = rng.Below(2) == 0;
    line[kSex] = male ? 'V' : 'M';
    const bool accents = edge && *edge == Edge::Accents;
    if (accents) {
        Put(line, kName, 20, Pick(male ? m_accMale : m_accFemale, rng));
        Put(line, kSurname1, 25, Pick(m_accSurnames, rng));
        Put(line, kSurname2, 25, Pick(m_accSurnames, rng));
    } else if (foreign) {
        Put(line, kName, 20, Pick(male ? m_foreignMale : m_foreignFemale, rng));
        Put(line, kSurname1, 25, Pick(m_foreignSurnames, rng));
        if (rng.Below(4) == 0)
            Put(line, kSurname2, 25, Pick(m_foreignSurnames, rng));
    } else {
        Put(line, kName, 20, Pick(male ? m_male : m_female, rng));
        Put(line, kSurname1, 25, Pick(m_surnames, rng));
        Put(line, kSurname2, 25, Pick(m_surnames, rng));
    }

    if (accents) {
        Put(line, kAddress1, 56, Pick(m_accStreets, rng));
    } else {
        char address[56];
        int n = 0;
        auto add = [&](std::string_view s) {
            int room = int(sizeof address) - n;
            int k = std::min(room, int(s.size()));
            std::memcpy(address + n, s.data(), std::size_t(k));
            n += k;
            if (n < int(sizeof address))
                address[n++] = ' ';
        };
        add(Pick(m_streetTypes, rng));
        add(Pick(m_streetNames, rng));
        char number[8];
        std::string_view num(
            number, std::size_t(std::snprintf(number, sizeof number, "%u", 1 + rng.Below(120))));
        add(num);
        if (rng.Below(3) != 0) {
            char floor = char('1' + rng.Below(8));
            add(std::string_view(&floor, 1));
            add(Pick(m_doors, rng));
        }
        Put(line, kAddress1, 56, std::string_view(address, std::size_t(n)));
    }

    const auto &codes = !m_ref.localBirthCodes.empty() && !foreign && rng.Below(100) < 55
                            ? m_ref.localBirthCodes
                            : m_ref.birthCodes;
    Put(line, kBirthCode, 5, Pick(codes, rng));
    const int year = 1930 + int(rng.Below(79));
    const int month = 1 + int(rng.Below(12));
    const int day = 1 + int(rng.Below(unsigned(DaysInMonth(month, year))));
    PutNumber(line, kBirthDate, 2, unsigned(day));
    PutNumber(line, kBirthDate + 2, 2, unsigned(month));
    PutNumber(line, kBirthDate + 4, 4, unsigned(year));

    if (foreign) {
        static constexpr char kPrefixes[] = "XY";
        const unsigned prefix = rng.Below(2);
        const unsigned digits = rng.Below(10000000);
        line[kIdentity] = kPrefixes[prefix];
        PutNumber(line, kIdentity + 1, 7, digits);
        line[kIdentity + 8] = kDniLetters[(prefix * 10000000u + digits) % 23];
    } else {
        const unsigned digits = rng.Below(100000000);
        PutNumber(line, kIdentity, 8, digits);
        line[kIdentity + 8] = kDniLetters[digits % 23];
    }

    PutNumber(line, kNia, 10, 1000000000ull + serial);
    line[kEducation] = EducationCode(rng);
    PutNumber(line, kOrder, 4, unsigned(order % 10000));

    if (foreign) {
        const auto &pool = !m_ref.commonNationalities.empty() && rng.Below(100) < 85
                               ? m_ref.commonNationalities
                               : m_ref.nationalities;
        Put(line, kNationality, 25, Pick(pool, rng));
        line[kIntention] = rng.Below(100) < 85 ? 'S' : 'N';
    }

    if (edge) {
        switch (*edge) {
        case Edge::BlankBirth:
            Put(line, kBirthCode, 5, "     ");
            break;
        case Edge::ShortBirth:
            Put(line, kBirthCode, 5, "  079");
            break;
        case Edge::ZeroBirth:
            Put(line, kBirthCode, 5, "00000");
            break;
        case Edge::ImpossibleDate:
            Put(line, kBirthDate, 8, "31022001");
            break;
        case Edge::Day00:
            Put(line, kBirthDate, 8, "00000000");
            break;
        case Edge::Len843:
        case Edge::Len869:
            line[length] = ' ';
            line[length + 1] = ' ';
            length += 2;
            break;
        case Edge::Accents:
            break;
        }
    }
    return length;
}

} // namespace gencensus

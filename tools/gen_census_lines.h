#pragma once
// Builds census lines: the station plan of a municipality and one fixed-width record per voter
// (841 bytes for Spanish residents, 867 for foreign residents), Windows-1252, no line end.
// Deterministic: the same seed and settings give the same bytes.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gencensus {

// splitmix64: small, fast and reproducible on every platform.
class Rng
{
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t Next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, n).
    std::uint32_t Below(std::uint32_t n)
    {
        return std::uint32_t((Next() >> 32) * std::uint64_t(n) >> 32);
    }
    double Unit() { return double(Next() >> 11) * 0x1.0p-53; }

private:
    std::uint64_t m_state;
};

enum class Edge
{
    BlankBirth,
    ShortBirth,
    ZeroBirth,
    ImpossibleDate,
    Day00,
    Len843,
    Len869,
    Accents
};

constexpr int kCerLength = 841;
constexpr int kCereLength = 867;
constexpr int kMaxLineLength = 869;

struct Station
{
    std::string key;    // district (2) + section (4) + letter (1)
    std::string postal; // 5 digits, voters and polling place
    std::string place1, place2, info, address1, address2;
    std::int64_t voters = 0;
};

struct Reference
{
    std::vector<std::string> birthCodes;      // 5-digit municipality codes
    std::vector<std::string> localBirthCodes; // those of the municipality's province
    std::vector<std::string> nationalities;   // country names, Windows-1252
    std::vector<std::string> commonNationalities;
};

// Splits `stations` stations into districts and sections and spreads `voters` over them.
std::vector<Station> PlanStations(int stations, std::int64_t voters, const std::string &province,
                                  Rng &rng);

class LineBuilder
{
public:
    LineBuilder(const Reference &ref, std::string province, std::string municipality);

    // Prepares the station part shared by the station's voters.
    void BeginStation(const Station &station);
    // Fills `line` with one voter; returns its length in bytes. `edge` is applied when given.
    int Build(char *line, bool foreign, int order, const Edge *edge, Rng &rng);

private:
    const Reference &m_ref;
    std::string m_province;
    std::string m_municipality;
    std::string m_postal;
    std::vector<std::string> m_male, m_female, m_surnames;
    std::vector<std::string> m_foreignMale, m_foreignFemale, m_foreignSurnames;
    std::vector<std::string> m_streetTypes, m_streetNames, m_doors;
    std::vector<std::string> m_accMale, m_accFemale, m_accSurnames, m_accStreets;
    char m_template[kMaxLineLength];
    std::uint64_t m_serial = 0;
};

// Encodes UTF-8 text as Windows-1252 bytes.
std::string Encode(std::string_view utf8);

} // namespace gencensus

#pragma once
// The random generator of the draw. Before every pick the draw asks for an index in 0..m-1;
// the default generator reseeds from the low 32 bits of a high-resolution clock each time and
// draws with the 32-bit congruential step seed := seed * 134775813 + 1.

#include <QtGlobal>
#include <functional>
#include <vector>

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // An index in 0..m-1 (m >= 1).
    virtual quint32 pick(quint32 m) = 0;
};

// One congruential step on `seed`, then the high 32 bits of seed * m.
quint32 NextRandomInRange(quint32 &seed, quint32 m);
// Low 32 bits of the monotonic high-resolution clock in nanoseconds.
quint32 ClockSeed();

// Reseeds from `seedSource` (the clock by default) before every pick.
class ClockRandomSource : public RandomSource
{
public:
    explicit ClockRandomSource(std::function<quint32()> seedSource = ClockSeed);
    quint32 pick(quint32 m) override;

private:
    std::function<quint32()> m_seedSource;
};

// Returns the given values in turn (each taken modulo m), repeating the list; 0 when empty.
class FixedRandomSource : public RandomSource
{
public:
    explicit FixedRandomSource(std::vector<quint32> values = {}) : m_values(std::move(values)) {}
    quint32 pick(quint32 m) override;
    int picks() const { return m_picks; }

private:
    std::vector<quint32> m_values;
    int m_picks = 0;
};

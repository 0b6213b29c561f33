#include "draw/RandomSource.h"

#include <chrono>

quint32 NextRandomInRange(quint32 &seed, quint32 m)
{
    seed = seed * 134775813u + 1u; // wraps modulo 2^32
    return quint32((quint64(seed) * quint64(m)) >> 32);
}

quint32 ClockSeed()
{
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                        std::chrono::steady_clock::now().time_since_epoch())
                        .count();
    return quint32(quint64(ns) & 0xffffffffu);
}

ClockRandomSource::ClockRandomSource(std::function<quint32()> seedSource)
    : m_seedSource(std::move(seedSource))
{
}

quint32 ClockRandomSource::pick(quint32 m)
{
    quint32 seed = m_seedSource();
    return NextRandomInRange(seed, m);
}

quint32 FixedRandomSource::pick(quint32 m)
{
    const int i = m_picks++;
    if (m_values.empty() || m == 0)
        return 0;
    return m_values[size_t(i) % m_values.size()] % m;
}

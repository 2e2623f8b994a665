#pragma once

#include <QtGlobal>
#include <cstdint>
#include <vector>

// A seeded random source whose numbers are the same on every machine and library version: xoshiro256** seeded
// through splitmix64, with its own ways of drawing integers and chances (the standard distributions differ
// between libraries).
class Random {
public:
    explicit Random(quint64 seed)
    {
        for (quint64& word : m_state) {
            seed += 0x9e3779b97f4a7c15ULL;
            quint64 z = seed;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
            word = z ^ (z >> 31);
        }
    }

    quint64 next()
    {
        const quint64 result = rotl(m_state[1] * 5, 7) * 9;
        const quint64 t = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= t;
        m_state[3] = rotl(m_state[3], 45);
        return result;
    }

    // A number in [0, 1) with 53 random bits.
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    bool chance(double p) { return unit() < p; }
    // An integer from lowest to highest, both included.
    int between(int lowest, int highest)
    {
        const quint64 span = quint64(qint64(highest) - lowest + 1);
        return int(qint64(lowest) + qint64((unsigned __int128)(next()) * span >> 64));
    }
    template <class T> const T& of(const std::vector<T>& items)
    {
        return items[size_t(between(0, int(items.size()) - 1))];
    }
    template <class T, size_t N> const T& of(const T (&items)[N]) { return items[between(0, int(N) - 1)]; }
    // An index drawn by weight.
    template <size_t N> int weighted(const double (&weights)[N])
    {
        double total = 0;
        for (double w : weights)
            total += w;
        double x = unit() * total;
        for (size_t i = 0; i < N; ++i) {
            if (x < weights[i])
                return int(i);
            x -= weights[i];
        }
        return int(N) - 1;
    }

private:
    static quint64 rotl(quint64 x, int k) { return (x << k) | (x >> (64 - k)); }
    quint64 m_state[4];
};

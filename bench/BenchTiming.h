// Timing for the benchmarks: medians of repeated runs on a steady clock, and the one line per
// measure that bench/compare reads ("NAME VALUE", milliseconds unless the name says otherwise).
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace kvt::bench {

using Clock = std::chrono::steady_clock;

inline double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median over `rounds` of the time one call takes, each round timing `calls` calls together so
// that work far below a millisecond is not lost in the clock's resolution. `prepare` runs before each
// call, outside the timing.
template <class Prepare, class Work> double MedianMs(int rounds, int calls, Prepare prepare, Work work) {
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        Clock::duration spent{};
        for (int call = 0; call < calls; ++call) {
            prepare();
            const auto start = Clock::now();
            work();
            spent += Clock::now() - start;
        }
        times.push_back(Milliseconds(spent) / calls);
    }
    return Median(times);
}

template <class Work> double MedianMs(int rounds, Work work) {
    return MedianMs(
        rounds, 1, [] {}, work);
}

inline void Report(const char* name, double value) {
    std::printf("%s %.5f\n", name, value);
    std::fflush(stdout);
}

} // namespace kvt::bench

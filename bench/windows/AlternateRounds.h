// What the Windows benchmarks share, as Google Benchmark is not built for Windows here: a clock,
// and rounds of the toolkit and of its bare Win32 counterpart taken in turn, so that a change in
// the machine's load hits both alike, each summed up by its median.
#pragma once

#include "events/windows/Win32.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <utility>
#include <vector>

namespace vandro {

// Seconds on the performance counter.
inline double Now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The medians of the toolkit's and the bare program's figures; each round answers one figure
// for the round's number.
inline std::pair<double, double> AlternateRounds(int rounds,
                                                 const std::function<double(int)>& toolkit,
                                                 const std::function<double(int)>& bare) {
    std::vector<double> ours, theirs;
    for (int round = 0; round < rounds; ++round) {
        ours.push_back(toolkit(round));
        theirs.push_back(bare(round));
    }
    const auto median = [](std::vector<double>& values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    return {median(ours), median(theirs)};
}

// "<program> toolkit <n>" or "<program> bare <n>": does the operation n times one way and
// answers true, for counting the wineserver requests of n operations against 0; false for any
// other command line.
inline bool RepeatFromCommandLine(int argc, char** argv, const std::function<void(int)>& toolkit,
                                  const std::function<void(int)>& bare) {
    if (argc != 3)
        return false;
    const int count = std::atoi(argv[2]);
    const bool ours = std::strcmp(argv[1], "toolkit") == 0;
    for (int i = 0; i < count; ++i)
        ours ? toolkit(i) : bare(i);
    return true;
}

} // namespace vandro

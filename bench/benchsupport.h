#pragma once

// Measuring helpers shared by the benchmarks: memory from /proc/self/status, peak reset, a stopwatch.

#include <QElapsedTimer>

#include <cstring>
#include <fstream>
#include <malloc.h>
#include <string>

namespace bench {

// A byte count of this process from /proc/self/status ("VmRSS:", "VmHWM:"); -1 when unknown.
inline long long statusBytes(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t keyLength = std::strlen(key);
    while (std::getline(status, line))
        if (line.compare(0, keyLength, key) == 0)
            return std::stoll(line.substr(keyLength + 1)) * 1024;
    return -1;
}

// Starts a new peak: afterwards VmHWM counts from the present resident size.
// Memory freed earlier is first handed back, so that it does not hide what comes next.
inline void resetPeak()
{
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

inline double mib(long long bytes) { return double(bytes) / (1 << 20); }

class Stopwatch {
public:
    Stopwatch() { timer_.start(); }
    double ms() const { return timer_.nsecsElapsed() / 1e6; }

private:
    QElapsedTimer timer_;
};

} // namespace bench

#ifndef FRENCH_TEST_BENCH_MONOTONIC_H
#define FRENCH_TEST_BENCH_MONOTONIC_H

// The clock both the benchmark and the start-up probe stamp with, so that stamps taken in a
// child process and in the benchmark compare.

#include <QtGlobal>

#include <ctime>

namespace bench {

inline qint64 monotonicNs()
{
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

} // namespace bench

#endif

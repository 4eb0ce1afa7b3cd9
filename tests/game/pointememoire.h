// The process's peak memory, to check that a reader never held a whole huge file.
#pragma once

#include <sys/resource.h>

// The highest resident memory of the process so far, in kilobytes.
inline long pointeMemoireKo()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A bound on how much a reader of the start of a file may add to the peak.
inline constexpr long kCroissanceMaxKo = 64 * 1024;

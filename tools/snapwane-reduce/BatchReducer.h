#pragma once
// Runs the per-photo work over the job list, several photos at once, and commits
// each result (writes its output and reports it) strictly in list order: progress,
// the later of two same-named photos replacing the earlier, and the output are
// exactly those of one photo after the other. A photo whose source is an earlier
// photo's output is read only after that output is written.

#include "BatchReport.h"
#include "PhotoJobList.h"
#include "PhotoReducer.h"

#include <cstddef>
#include <vector>

class BatchReducer {
public:
    // `threads` photos at once (1: one after the other); every photo is attempted
    // whatever happened to the one before.
    static void Run(const std::vector<PhotoJob>& jobs, const PhotoReducer& reducer, int threads, BatchReport& report);

    // For each job, the latest earlier job whose output is its source, or -1.
    static std::vector<std::ptrdiff_t> SourceWaits(const std::vector<PhotoJob>& jobs);
};

#pragma once
// Runs the per-photo work over the job list, several photos at once, and commits
// each result (writes its output and reports it) strictly in list order: progress,
// the later of two same-named photos replacing the earlier, and the output are
// exactly those of one photo after the other. No photo is written over another
// photo's output or another listed photo's source: the later of two same-named
// photos gets a numbered name (PlanOutputs).

#include "BatchReport.h"
#include "PhotoJobList.h"
#include "PhotoReducer.h"

#include "core/OutputDependencies.h"

#include <cstddef>
#include <vector>

class BatchReducer {
public:
    // `threads` photos at once (1: one after the other); every photo is attempted
    // whatever happened to the one before.
    static void Run(std::vector<PhotoJob> jobs, const PhotoReducer& reducer, int threads, BatchReport& report);

    // The outputs the jobs are written to.
    static snapwane::OutputPlan PlanOutputs(const std::vector<PhotoJob>& jobs);
};

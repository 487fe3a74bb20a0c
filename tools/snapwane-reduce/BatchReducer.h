#pragma once
// Runs the per-photo work over the job list and commits each result to the report
// in list order. Photos are independent except through their outputs, so the work
// can later be spread over several threads while the commits stay in this order.

#include "BatchReport.h"
#include "PhotoJobList.h"
#include "PhotoOutcome.h"

#include <functional>
#include <vector>

class BatchReducer {
public:
    using PhotoWork = std::function<PhotoOutcome(const PhotoJob&)>;

    // One photo at a time; every photo is attempted whatever happened to the one before.
    static void Run(const std::vector<PhotoJob>& jobs, const PhotoWork& work, BatchReport& report);
};

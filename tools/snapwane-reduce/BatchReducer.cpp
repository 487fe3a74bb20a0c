#include "BatchReducer.h"

#include "core/OrderedJobRunner.h"
#include "core/OutputDependencies.h"

#include <exception>

namespace fs = std::filesystem;

snapwane::OutputPlan BatchReducer::PlanOutputs(const std::vector<PhotoJob>& jobs)
{
    std::vector<fs::path> sources, outputs;
    for (const PhotoJob& job : jobs) {
        sources.push_back(job.source);
        outputs.push_back(job.output);
    }
    return snapwane::PlanOutputs(sources, outputs);
}

void BatchReducer::Run(std::vector<PhotoJob> jobs, const PhotoReducer& reducer, int threads, BatchReport& report)
{
    std::vector<PhotoReducer::Prepared> prepared(jobs.size());
    const snapwane::OutputPlan plan = PlanOutputs(jobs);
    for (std::size_t i = 0; i < jobs.size(); ++i)
        jobs[i].output = plan.outputs[i];
    const std::vector<std::ptrdiff_t>& waits = plan.waits;
    snapwane::OrderedJobRunner::Work work;
    work.prepare = [&](std::size_t i) {
        try {
            prepared[i] = reducer.Prepare(jobs[i]);
        } catch (const std::exception& error) {
            // Whatever escapes one photo costs that photo only.
            prepared[i].refused = PhotoOutcome{PhotoResult::Failed, error.what()};
        }
    };
    work.commit = [&](std::size_t i) {
        PhotoOutcome outcome;
        try {
            outcome = reducer.Commit(jobs[i], prepared[i]);
        } catch (const std::exception& error) {
            outcome = {PhotoResult::Failed, error.what()};
        }
        prepared[i] = {};  // written: let the encoded photo go
        report.Finished(i, jobs[i], outcome);
        if (i + 1 < jobs.size())
            report.Starting(i + 1, jobs[i + 1]);
        return true;
    };
    work.waitsFor = [&waits](std::size_t i) { return waits[i]; };
    if (!jobs.empty())
        report.Starting(0, jobs[0]);
    snapwane::OrderedJobRunner::Run(jobs.size(), threads, work);
}

#include "BatchReducer.h"

#include "core/OrderedJobRunner.h"

#include <exception>
#include <map>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The same file for the same name, however it was written (relative, "..", links).
fs::path Normalised(const fs::path& path)
{
    std::error_code error;
    fs::path resolved = fs::weakly_canonical(fs::absolute(path, error), error);
    return error ? path.lexically_normal() : resolved;
}

}  // namespace

std::vector<std::ptrdiff_t> BatchReducer::SourceWaits(const std::vector<PhotoJob>& jobs)
{
    std::vector<std::ptrdiff_t> waits(jobs.size(), -1);
    std::map<fs::path, std::ptrdiff_t> latestWriter;
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        if (const auto writer = latestWriter.find(Normalised(jobs[i].source)); writer != latestWriter.end())
            waits[i] = writer->second;
        latestWriter[Normalised(jobs[i].output)] = std::ptrdiff_t(i);
    }
    return waits;
}

void BatchReducer::Run(const std::vector<PhotoJob>& jobs, const PhotoReducer& reducer, int threads,
                       BatchReport& report)
{
    std::vector<PhotoReducer::Prepared> prepared(jobs.size());
    const std::vector<std::ptrdiff_t> waits = SourceWaits(jobs);
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

#include "BatchReducer.h"

#include <exception>

void BatchReducer::Run(const std::vector<PhotoJob>& jobs, const PhotoWork& work, BatchReport& report)
{
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        report.Starting(i, jobs[i]);
        PhotoOutcome outcome;
        try {
            outcome = work(jobs[i]);
        } catch (const std::exception& error) {
            // Whatever escapes one photo costs that photo only.
            outcome = {PhotoResult::Failed, error.what()};
        }
        report.Finished(i, jobs[i], outcome);
    }
}

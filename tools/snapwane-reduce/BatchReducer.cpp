// SPDX-License-Identifier: MIT
#include "BatchReducer.h"

#include <system_error>

using namespace snapwane;

namespace {

std::vector<BatchPhoto> PhotosOf(const std::vector<PhotoJob>& jobs)
{
    std::vector<BatchPhoto> photos;
    for (const PhotoJob& job : jobs)
        photos.push_back({job.source, job.output, {}}); // no corrections: photos go out as they are stored
    return photos;
}

BatchSettings SettingsOf(const ReduceOptions& options, const std::filesystem::path& archive)
{
    BatchSettings settings;
    if (!archive.empty())
        settings.alsoWritten.push_back(archive);
    settings.targetWidth = options.targetWidth;
    settings.targetHeight = options.targetHeight;
    settings.quality = options.quality;
    settings.threads = options.jobs;
    settings.applyLoadingRules = true;
    return settings;
}

class ReportingObserver : public BatchObserver {
public:
    ReportingObserver(const std::vector<PhotoJob>& jobs, const ReduceBatch& batch, BatchReport& report)
        : m_jobs(jobs), m_batch(batch), m_report(report)
    {
    }

    void Starting(std::size_t index) override { m_report.Starting(index, m_jobs[index]); }
    bool Finished(std::size_t index, const BatchOutcome& outcome) override
    {
        PhotoOutcome reported = BatchReducer::OutcomeOf(outcome);
        if (outcome.sameAs >= 0) // its first listing was written and reported
            reported = {PhotoResult::PassedOver,
                        "the same file as " + m_jobs[std::size_t(outcome.sameAs)].source.string() + ", written once",
                        {}};
        const ReduceOutcome done = outcome.result.outcome;
        if (!outcome.refusal && (done == ReduceOutcome::WriteError || done == ReduceOutcome::CannotCreateOutput)
            && outcome.result.systemError != 0) {
            // The file that could not be written, with the system's reason.
            reported.reason = "cannot write " + m_batch.Photos()[index].output.string() + ": "
                            + std::generic_category().message(outcome.result.systemError);
        }
        m_report.Finished(index, m_jobs[index], reported);
        if (reported.result == PhotoResult::Reduced || reported.result == PhotoResult::Copied)
            written.push_back(m_batch.Photos()[index].output);
        return true;
    }

    std::vector<std::filesystem::path> written;

private:
    const std::vector<PhotoJob>& m_jobs;
    const ReduceBatch& m_batch;
    BatchReport& m_report;
};

} // namespace

BatchReducer::BatchReducer(const std::vector<PhotoJob>& jobs, const ReduceOptions& options,
                           const std::filesystem::path& archive)
    : m_jobs(jobs), m_batch(PhotosOf(jobs), SettingsOf(options, archive))
{
}

std::vector<std::filesystem::path> BatchReducer::Run(BatchReport& report) const
{
    ReportingObserver observer(m_jobs, m_batch, report);
    m_batch.Run(observer);
    return std::move(observer.written);
}

// Refusals that the program's loader makes too are passed over, and so are photos
// far too narrow for the box or too large to decode in the memory allowed; a photo
// that cannot be read, decoded or written failed; a write the output folder
// refuses for every photo also ends the run.
PhotoOutcome BatchReducer::OutcomeOf(const BatchOutcome& outcome)
{
    if (outcome.refusal) {
        switch (*outcome.refusal) {
        case PhotoCheck::Empty:
        case PhotoCheck::TooLarge:
        case PhotoCheck::NotJpeg:
        case PhotoCheck::TooSmall:
        case PhotoCheck::NameNotUtf8: return {PhotoResult::PassedOver, outcome.result.reason, {}};
        default: return {PhotoResult::Failed, outcome.result.reason, {}};
        }
    }
    switch (outcome.result.outcome) {
    case ReduceOutcome::Reduced: return {PhotoResult::Reduced, {}, {}};
    case ReduceOutcome::Copied: return {PhotoResult::Copied, {}, {}};
    case ReduceOutcome::DoesNotFit:
    case ReduceOutcome::TooLargeToDecode: return {PhotoResult::PassedOver, outcome.result.reason, {}};
    default: break;
    }
    PhotoOutcome failed{PhotoResult::Failed, outcome.result.reason, {}};
    if (outcome.result.outputFolderFailed) {
        const int error = outcome.result.systemError;
        failed.folderFailure = error != 0 ? std::generic_category().message(error) : outcome.result.reason;
    }
    return failed;
}

#include "PhotoReducer.h"

#include "core/PhotoRules.h"
#include "core/ReducePhoto.h"

#include <cstdint>
#include <vector>

using namespace snapwane;

namespace {

// Refusals that the program's loader makes too are passed over; a file that cannot
// be read (or memory that cannot be had) is a failure of the run.
PhotoResult ResultOfCheck(PhotoCheck check)
{
    switch (check) {
    case PhotoCheck::Empty:
    case PhotoCheck::TooLarge:
    case PhotoCheck::NotJpeg:
    case PhotoCheck::TooSmall:
    case PhotoCheck::NameNotUtf8:
        return PhotoResult::PassedOver;
    default:
        return PhotoResult::Failed;
    }
}

PhotoResult ResultOfReduction(ReduceOutcome outcome)
{
    switch (outcome) {
    case ReduceOutcome::Reduced:
        return PhotoResult::Reduced;
    case ReduceOutcome::Copied:
        return PhotoResult::Copied;
    case ReduceOutcome::DoesNotFit:  // far too narrow for the box: nothing sensible to write
        return PhotoResult::PassedOver;
    default:
        return PhotoResult::Failed;
    }
}

}  // namespace

PhotoReducer::PhotoReducer(const ReduceOptions& options)
    : m_targetWidth(options.targetWidth), m_targetHeight(options.targetHeight), m_quality(options.quality)
{
}

PhotoReducer::Prepared PhotoReducer::Prepare(const PhotoJob& job) const
{
    thread_local std::vector<std::uint8_t> file;  // keeps its room for the thread's next photo
    Prepared prepared;
    const PhotoFileCheck check = CheckPhotoFile(job.source, &file);
    if (check.check != PhotoCheck::Accepted) {
        prepared.refused = PhotoOutcome{ResultOfCheck(check.check), DescribePhotoCheck(check.check)};
        return prepared;
    }
    // The batch reducer has no corrections: photos go out as they are stored.
    prepared.reduction = PrepareReduction(file, m_targetWidth, m_targetHeight, m_quality, {});
    return prepared;
}

PhotoOutcome PhotoReducer::Commit(const PhotoJob& job, const Prepared& prepared) const
{
    if (prepared.refused)
        return *prepared.refused;
    const ReduceResult result = CommitReduction(prepared.reduction, job.source, job.output);
    const PhotoResult photoResult = ResultOfReduction(result.outcome);
    if (photoResult == PhotoResult::Reduced || photoResult == PhotoResult::Copied)
        return {photoResult, {}};
    return {photoResult, result.reason.empty() ? DescribeReduceOutcome(result.outcome) : result.reason};
}

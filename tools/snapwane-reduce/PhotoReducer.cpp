#include "PhotoReducer.h"

#include "core/PhotoRules.h"
#include "core/ReducePhoto.h"

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

PhotoOutcome PhotoReducer::Reduce(const PhotoJob& job) const
{
    const PhotoFileCheck check = CheckPhotoFile(job.source);
    if (check.check != PhotoCheck::Accepted)
        return {ResultOfCheck(check.check), DescribePhotoCheck(check.check)};

    // The batch reducer has no corrections: photos go out as they are stored.
    const ReduceResult result = ReducePhoto(job.source, job.output, m_targetWidth, m_targetHeight, m_quality, {});
    const PhotoResult photoResult = ResultOfReduction(result.outcome);
    if (photoResult == PhotoResult::Reduced || photoResult == PhotoResult::Copied)
        return {photoResult, {}};
    return {photoResult, result.reason.empty() ? DescribeReduceOutcome(result.outcome) : result.reason};
}

// SPDX-License-Identifier: MIT
#include "core/ReduceBatch.h"

#include "core/LookAheadPool.h"
#include "core/Log.h"

#include <cstdint>
#include <new>

namespace snapwane {

namespace {

ReduceResult FailedWith(ReduceOutcome outcome)
{
    ReduceResult result;
    result.outcome = outcome;
    result.reason = DescribeReduceOutcome(outcome);
    return result;
}

} // namespace

ReduceBatch::ReduceBatch(std::vector<BatchPhoto> photos, BatchSettings settings)
    : m_photos(std::move(photos)), m_settings(settings)
{
    std::vector<std::filesystem::path> sources, wanted;
    std::vector<Corrections> corrections;
    for (const BatchPhoto& photo : m_photos) {
        sources.push_back(photo.source);
        wanted.push_back(photo.output);
        corrections.push_back(photo.corrections);
    }
    OutputPlan plan = PlanOutputs(sources, wanted, corrections, m_settings.alsoWritten);
    for (std::size_t i = 0; i < m_photos.size(); ++i)
        m_photos[i].output = std::move(plan.outputs[i]);
    m_sourcesReplaced = plan.sourcesReplaced;
    m_replaced = std::move(plan.replaced);
    m_sameAs = std::move(plan.sameAs);
}

// Runs on a helper thread: reads, checks, decodes, reduces and encodes; writes nothing.
ReduceBatch::Prepared ReduceBatch::Prepare(const BatchPhoto& photo) const
{
    Prepared prepared;
    try {
        if (!m_settings.applyLoadingRules) {
            prepared.reduction = PrepareReductionOfFile(photo.source, m_settings.targetWidth, m_settings.targetHeight,
                                                        m_settings.quality, photo.corrections);
            return prepared;
        }
        thread_local std::vector<std::uint8_t> file; // keeps its room for the thread's next photo
        const PhotoFileCheck check = CheckPhotoFile(photo.source, &file);
        if (check.check != PhotoCheck::Accepted) {
            prepared.refusal = check.check;
            return prepared;
        }
        prepared.reduction = PrepareReduction(file, m_settings.targetWidth, m_settings.targetHeight,
                                              m_settings.quality, photo.corrections);
    } catch (const std::bad_alloc&) {
        prepared.reduction = {};
        prepared.reduction.outcome = ReduceOutcome::NoMemory;
    } catch (const std::exception& error) {
        LogUnexpected(LogArea::Reduce, "reducing " + photo.source.string(), &error);
        prepared.reduction = {};
        prepared.reduction.outcome = ReduceOutcome::Failed;
    }
    return prepared;
}

BatchOutcome ReduceBatch::Commit(const BatchPhoto& photo, const Prepared& prepared) const
{
    BatchOutcome outcome;
    if (prepared.refusal) {
        outcome.refusal = prepared.refusal;
        outcome.result.outcome = ReduceOutcome::NotDecodable;
        outcome.result.reason = DescribePhotoCheck(*prepared.refusal);
        return outcome;
    }
    try {
        outcome.result = CommitReduction(prepared.reduction, photo.source, photo.output);
    } catch (const std::bad_alloc&) {
        outcome.result = FailedWith(ReduceOutcome::NoMemory);
    } catch (const std::exception& error) {
        LogUnexpected(LogArea::Reduce, "writing " + photo.output.string(), &error);
        outcome.result = FailedWith(ReduceOutcome::Failed);
    }
    return outcome;
}

std::size_t ReduceBatch::Run(BatchObserver& observer, const WholePhoto& wholePhoto) const
{
    const std::size_t count = m_photos.size();
    std::vector<Prepared> prepared(count);
    std::vector<BatchOutcome> outcomes(count); // of the photos finished, for their repeated listings
    const auto repeated = [this](std::size_t i) { return m_sameAs[i] >= 0; };
    LookAheadPool::Work work;
    if (!wholePhoto) {
        work.prepare = [&](std::size_t i) {
            if (!repeated(i))
                prepared[i] = Prepare(m_photos[i]);
        };
        work.memoryOf = [&](std::size_t i) {
            return repeated(i) ? std::size_t(0) : EstimateDecodeMemoryOfFile(m_photos[i].source);
        };
        work.refuse = [&](std::size_t i) { prepared[i].reduction.outcome = ReduceOutcome::TooLargeToDecode; };
        work.failed = [&](std::size_t i) {
            prepared[i] = {};
            prepared[i].reduction.outcome = ReduceOutcome::NoMemory;
        };
        work.ranOutOfMemory = [&](std::size_t i) {
            return prepared[i].reduction.outcome == ReduceOutcome::NoMemory || prepared[i].refusal == PhotoCheck::NoMemory;
        };
        work.memoryBudget = m_settings.memoryBudget;
    } else {
        work.prepare = [](std::size_t) {};
    }
    const auto commit = [&](std::size_t i) {
        BatchOutcome outcome;
        if (repeated(i)) {
            outcome = outcomes[std::size_t(m_sameAs[i])];
            outcome.sameAs = m_sameAs[i];
        } else if (wholePhoto) {
            try {
                outcome.result = wholePhoto(m_photos[i]);
            } catch (const std::bad_alloc&) {
                outcome.result = FailedWith(ReduceOutcome::NoMemory);
            } catch (const std::exception& error) {
                LogUnexpected(LogArea::Reduce, "reducing " + m_photos[i].source.string(), &error);
                outcome.result = FailedWith(ReduceOutcome::Failed);
            }
        } else
            outcome = Commit(m_photos[i], prepared[i]);
        prepared[i] = {}; // written: let the encoded photo go
        outcomes[i] = outcome;
        if (!outcome.result.Succeeded() && outcome.sameAs < 0)
            Log(LogArea::Reduce, m_photos[i].source.string() + ": " + outcome.result.reason);
        // A folder that refuses this photo refuses every later one: the run ends here.
        const bool goOn = observer.Finished(i, outcome) && !outcome.result.outputFolderFailed;
        if (goOn && i + 1 < count)
            observer.Starting(i + 1);
        return goOn;
    };
    if (count > 0)
        observer.Starting(0);
    return LookAheadPool::RunInOrder(count, wholePhoto ? 1 : m_settings.threads, work, commit);
}

} // namespace snapwane

// SPDX-License-Identifier: MIT
#pragma once
// The batch reducer's run: the jobs go through the engine's ReduceBatch (several
// photos at once, written strictly in list order, never over another photo) with
// the loading rules applied, and each photo's outcome is reported in list order.

#include "BatchReport.h"
#include "PhotoJobList.h"
#include "PhotoOutcome.h"
#include "ReduceOptions.h"

#include "core/ReduceBatch.h"

#include <filesystem>
#include <vector>

class BatchReducer {
public:
    // archive: the packed file written after the photos, empty when none.
    BatchReducer(const std::vector<PhotoJob>& jobs, const ReduceOptions& options,
                 const std::filesystem::path& archive = {});

    // How many photos would replace their own source (the output folder is theirs).
    std::size_t SourcesReplaced() const { return m_batch.SourcesReplaced(); }
    // Every existing file the run would write over, the archive and those sources included.
    const std::vector<std::filesystem::path>& Replaced() const { return m_batch.Replaced(); }
    // Every photo is attempted whatever happened to the one before, unless the
    // output folder refused one for a reason that every photo would meet (the
    // report's FolderFailure): the run ends there. Returns the files the run
    // wrote or copied, in list order: what the archive packs.
    std::vector<std::filesystem::path> Run(BatchReport& report) const;

    // What the report makes of one photo's outcome.
    static PhotoOutcome OutcomeOf(const snapwane::BatchOutcome& outcome);

private:
    std::vector<PhotoJob> m_jobs;
    snapwane::ReduceBatch m_batch;
};

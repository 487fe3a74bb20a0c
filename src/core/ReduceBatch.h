// SPDX-License-Identifier: MIT
// ReduceBatch: the photos of one run reduced into their output files, several at
// once and written strictly in list order, so that the outputs and everything
// reported are exactly those of one photo after the other. Both the batch
// reducer and the program's reduction run go through it.
//
// - The outputs are planned first (PlanOutputs): no photo is written over
//   another photo's output or over the source of another listed photo, and a
//   file listed again with the same corrections is written once, by its first
//   listing. Which existing files the run would replace is known before it
//   starts (Replaced), so that the front end can ask first.
// - Photos are read, decoded, reduced and encoded ahead on `threads` threads
//   (LookAheadPool) within a memory budget: a photo whose decoding would not fit
//   beside those in hand waits, one that alone needs more than the budget is
//   refused (TooLargeToDecode); one that ran out of memory beside others is
//   prepared again alone, so that what fails does not depend on the thread
//   count; then each is written in turn.
// - The observer hears of each photo in list order and may stop the run after
//   any photo: photos prepared ahead are dropped unwritten.
// - One photo's failure costs that photo only, unless it is a write that every
//   later photo would fail the same way (ReduceResult::outputFolderFailed: the
//   disk is full, the folder read-only, ...): the run ends after that photo.
#pragma once

#include "core/Corrections.h"
#include "core/DecodeMemory.h"
#include "core/MemoryBudget.h"
#include "core/OutputDependencies.h"
#include "core/PhotoRules.h"
#include "core/ReducePhoto.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace snapwane {

struct BatchPhoto {
    std::filesystem::path source;
    std::filesystem::path output; // the name the photo would get alone; ReduceBatch plans the real one
    Corrections corrections;
};

struct BatchSettings {
    int targetWidth = 640;
    int targetHeight = 480;
    int quality = 75;
    int threads = 0;                 // photos worked on at once; 0: one per core
    bool applyLoadingRules = false;  // refuse what loading refuses (the program's photos passed it when loaded)
    MemoryBudget* memoryBudget = &MemoryBudget::ForDecoding(); // shared with every decode of the process
    std::vector<std::filesystem::path> alsoWritten; // written after the photos (the archive): counted in Replaced
};

struct BatchOutcome {
    ReduceResult result;             // what was done, with its reason
    std::optional<PhotoCheck> refusal; // set when the loading rules refused the photo: nothing written
    std::ptrdiff_t sameAs = -1;        // the earlier listing of this file, whose outcome this is: nothing written
};

class BatchObserver {
public:
    virtual ~BatchObserver() = default;
    // The photo at index is the one the run waits for next.
    virtual void Starting(std::size_t index) { (void)index; }
    // The photo at index is done (in list order); false stops the run after it,
    // as does an outcome whose outputFolderFailed is set.
    virtual bool Finished(std::size_t index, const BatchOutcome& outcome) = 0;
};

class ReduceBatch {
public:
    // Does a whole photo at once instead of the engine (tests watch each photo
    // through one); the photos then go one after the other.
    using WholePhoto = std::function<ReduceResult(const BatchPhoto& photo)>;

    ReduceBatch(std::vector<BatchPhoto> photos, BatchSettings settings);

    // The photos with their planned outputs.
    const std::vector<BatchPhoto>& Photos() const { return m_photos; }
    // How many photos would replace their own source file (the output folder is theirs).
    std::size_t SourcesReplaced() const { return m_sourcesReplaced; }
    // Every existing file the run would write over, those own sources included.
    const std::vector<std::filesystem::path>& Replaced() const { return m_replaced; }

    // Returns how many photos were finished.
    std::size_t Run(BatchObserver& observer, const WholePhoto& wholePhoto = {}) const;

private:
    struct Prepared {
        std::optional<PhotoCheck> refusal;
        PreparedReduction reduction;
    };
    Prepared Prepare(const BatchPhoto& photo) const;
    BatchOutcome Commit(const BatchPhoto& photo, const Prepared& prepared) const;

    std::vector<BatchPhoto> m_photos;
    BatchSettings m_settings;
    std::size_t m_sourcesReplaced = 0;
    std::vector<std::filesystem::path> m_replaced;
    std::vector<std::ptrdiff_t> m_sameAs;
};

} // namespace snapwane

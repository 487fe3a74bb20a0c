#pragma once
// The work on one photo of a batch run: the rules for loading a photo first, then
// the reduction (or the copy) into the output folder. It comes in two halves so
// that several photos can be worked on at once: Prepare reads, checks, decodes,
// reduces and encodes and writes nothing; Commit writes the result. Holds nothing
// between photos (each thread keeps its own buffers).

#include "PhotoJobList.h"
#include "PhotoOutcome.h"
#include "ReduceOptions.h"

#include "core/ReducePhoto.h"

#include <optional>

class PhotoReducer {
public:
    struct Prepared {
        std::optional<PhotoOutcome> refused;  // passed over or failed before the reduction
        snapwane::PreparedReduction reduction;
    };

    explicit PhotoReducer(const ReduceOptions& options);

    Prepared Prepare(const PhotoJob& job) const;
    PhotoOutcome Commit(const PhotoJob& job, const Prepared& prepared) const;
    PhotoOutcome Reduce(const PhotoJob& job) const { return Commit(job, Prepare(job)); }

private:
    int m_targetWidth;
    int m_targetHeight;
    int m_quality;
};

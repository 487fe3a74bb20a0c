#pragma once
// The work on one photo of a batch run: the rules for loading a photo first, then
// the reduction (or the copy) into the output folder. Holds nothing between photos,
// so several photos can be worked on at once.

#include "PhotoJobList.h"
#include "PhotoOutcome.h"
#include "ReduceOptions.h"

class PhotoReducer {
public:
    explicit PhotoReducer(const ReduceOptions& options);

    PhotoOutcome Reduce(const PhotoJob& job) const;

private:
    int m_targetWidth;
    int m_targetHeight;
    int m_quality;
};

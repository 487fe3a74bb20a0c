// SPDX-License-Identifier: MIT
#pragma once
// What happened to one photo of a batch run.

#include <string>

enum class PhotoResult {
    Reduced,     // decoded, fitted into the box and encoded again
    Copied,      // not larger than the box: copied byte for byte
    PassedOver,  // refused by the rules for loading a photo (not a JPEG, too large, too small, ...)
    Failed,      // could not be read, decoded or written: the run reports failure
};

struct PhotoOutcome {
    PhotoResult result = PhotoResult::Failed;
    std::string reason;  // why a photo was passed over or failed; empty otherwise
    // The output folder refused the photo for a reason every later photo would
    // meet too (no space, read-only, ...): the system's words, which end the run.
    std::string folderFailure;
};

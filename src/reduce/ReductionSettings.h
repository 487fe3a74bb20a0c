// SPDX-License-Identifier: MIT
#pragma once
#include "core/Corrections.h"
#include "core/ReductionRules.h"
#include "reduce/SizeChoice.h"

#include <QString>

#include <cstdint>
#include <functional>

// What the two wizard steps gather for one reduction run, filled anew from the
// defaults for every run; nothing of it is kept between runs. ReductionController
// fills in the list's part, runs the wizard on it and, once step 1 ended with OK,
// hands it to the ReductionWorker, which only reads it.
//
// The photo count, the input total and the first photo stand for the collection:
// the estimate and the size preview read them instead.
struct ReductionSettings
{
    // Given by ReductionController::settingsFor before the wizard opens.
    int photoCount = 0;
    std::uint64_t inputBytes = 0; // the sum of the listed file sizes
    QString firstPhotoPath;       // the real path of the first photo of the list
    snapwane::Corrections firstCorrections;
    // The existing files a run into this output folder would write over, and how
    // many of them are the list's own originals; archiveFile is the packed file,
    // empty when nothing is packed. Empty counts none.
    struct ReplacedFiles {
        int files = 0;
        int originals = 0;
    };
    std::function<ReplacedFiles(const QString& outputFolder, const QString& archiveFile)> filesReplacedIn;

    // Step 2, on OK.
    QString archiveName;
    QString emailAddress;
    int makeSingleFile = 0;
    int makeEmail = 0;
    QString outputFolder;

    // Step 1: the box set by Next (handed to the worker) or Show size.
    int targetWidth = 0;
    int targetHeight = 0;
    SizeChoice::Index sizeChoice = SizeChoice::Size640;
    int customWidth = 640;
    int customHeight = 480;
    unsigned quality = snapwane::kDefaultQuality;

    // The box lies within 50 ... 5000 and the quality within 10 ... 100.
    bool hasUsableBox() const;
    // ... and there is an output folder: the worker reduces only then.
    bool isUsable() const;
};

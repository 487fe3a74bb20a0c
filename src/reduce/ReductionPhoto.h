// SPDX-License-Identifier: MIT
#pragma once
#include "core/Corrections.h"

#include <QString>

#include <cstdint>

// One photo of the list as the reduction sees it, taken on the GUI thread when
// the run starts (the collection cannot change while a reduction runs).
struct ReductionPhoto
{
    QString listedName;       // the name as the file list shows it (lower case): the output's name
    QString sourcePath;       // the file's real path, read as it is
    std::uint64_t sizeBytes = 0;
    snapwane::Corrections corrections;
};

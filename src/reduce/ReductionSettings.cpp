// SPDX-License-Identifier: MIT
#include "reduce/ReductionSettings.h"

#include "core/ReductionRules.h"

bool ReductionSettings::hasUsableBox() const
{
    return snapwane::IsBoxSideAllowed(targetWidth) && snapwane::IsBoxSideAllowed(targetHeight)
        && snapwane::IsQualityAllowed(int(quality));
}

bool ReductionSettings::isUsable() const
{
    return !outputFolder.isEmpty() && hasUsableBox();
}

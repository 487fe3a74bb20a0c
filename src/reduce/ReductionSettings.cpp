#include "reduce/ReductionSettings.h"

#include "reduce/SizeChoice.h"

bool ReductionSettings::hasUsableBox() const
{
    const auto inSideRange = [](int side) { return side >= SizeChoice::kMinSide && side <= SizeChoice::kMaxSide; };
    return inSideRange(targetWidth) && inSideRange(targetHeight) && quality >= SizeChoice::kMinQuality
        && quality <= SizeChoice::kMaxQuality;
}

bool ReductionSettings::isUsable() const
{
    return !outputFolder.isEmpty() && hasUsableBox();
}

// SPDX-License-Identifier: MIT
// Corrections: the user's changes to one photo, applied to its thumbnail and
// to its reduction. A photo with any of them is never copied unchanged.
#pragma once

namespace snapwane {

struct Corrections {
    int brightness = 0; // signed offset for AdjustBrightness; 0 = none
    int contrast = 0;   // signed amount for AdjustContrast; 0 = none
    bool grey = false;  // MakeGrayscale
    int rotation = 0;   // clockwise degrees: 0, 90, 180 or 270 (other values: no turn)

    bool operator==(const Corrections&) const = default;
    // True when none of the changes is set: the photo is as its file shows it
    // (upright as its orientation tag says), and may go out as that file.
    bool IsUntouched() const
    {
        return brightness == 0 && contrast == 0 && !grey && rotation != 90 && rotation != 180 && rotation != 270;
    }
};

} // namespace snapwane

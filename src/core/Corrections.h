// Corrections: the user's changes to one photo, applied to its thumbnail and
// to its reduction (and ignored when a photo is copied unchanged).
#pragma once

namespace snapwane {

struct Corrections {
    int brightness = 0; // signed offset for AdjustBrightness; 0 = none
    int contrast = 0;   // signed amount for AdjustContrast; 0 = none
    bool grey = false;  // MakeGrayscale
    int rotation = 0;   // clockwise degrees: 0, 90, 180 or 270 (other values: no turn)

    bool operator==(const Corrections&) const = default;
};

} // namespace snapwane

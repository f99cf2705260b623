#pragma once

#include "quellfin/fields.hpp"

#include <cstdint>

namespace quellfin {

// What one run of the calculation hands to the report besides the result fields.
struct Quantities {
    double substratedensity = 0; // kg per litre
    double lumenperarea = 0;     // lumen per m^2 of inner bottom
    double lumenperlitre = 0;    // lumen per litre above the substrate
    double stockingfactor = 0;   // 1 to 6

    double bottomlength = 0, bottomwidth = 0;  // mm, the bottom pane
    double frontlength = 0, frontheight = 0;   // mm, front and back panes
    double sidelength = 0, sideheight = 0;     // mm, the two side panes
    double layervolume = 0;                    // mm^3 of silicone between the panes
    double innerlength = 0, innerwidth = 0;    // mm
    double beadvolume = 0;                     // mm^3 of silicone beads
    double siliconeweight = 0;                 // g, a whole multiple of 100
    double waterlevel = 0;                     // mm above the bottom pane
    double waterdepth = 0;                     // mm above the substrate
    std::int64_t bottomlumen = 0;              // lumen for the inner bottom
    double lumenminimum = 0, lumenmaximum = 0; // lumen, whole multiples of 100
};

inline constexpr double kPi = 3.141592653589793;

// Derives every quantity from the fields and stores the seven results into their fields, reading
// them back where a later step needs them. Lengths are worked in millimetres.
Quantities Calculate(FieldSet& fields);

} // namespace quellfin

#pragma once

#include <string_view>

#include "engine/arrangement.h"
#include "numeric/extended.h"
#include "sheet/sheet.h"

namespace quendral::engine {

// The ten numeric inputs of the sheet, each read with the lenient scan (never fails) and
// stored as a 48-bit real, in the order Edit1 .. Edit10.
struct Inputs {
    numeric::Ext treadWidth;   // b, mm
    numeric::Ext riserHeight;  // h, mm
    numeric::Ext thickness;    // t, mm
    numeric::Ext slabWidth;    // B, mm
    numeric::Ext span;         // L, mm
    numeric::Ext railing;      // gr, kN/m
    numeric::Ext finish;       // gf, kN/m²
    numeric::Ext plaster;      // gp, kN/m² of sloping area
    numeric::Ext liveLoad;     // qk, kN/m²
    numeric::Ext cover;        // c, mm
};

// Throws UserError "Floating point overflow" for an input of 2^127 or more in magnitude.
//   default sheet -> {300, 150, 120, 1600, 3200, 0.1, 1.0, 0.4, 1.5, 15} (0.1 etc. as stored)
Inputs readInputs(const sheet::Sheet& sheet);

// Loads per metre width of slab on the horizontal projection, each stored.
struct DesignLoads {
    numeric::Ext designLoad;   // q, kN/m
    numeric::Ext landingLoad;  // R, kN/m on each landing beam
};

// The slope, the four load components (railing, finish, self weight at 25 kN/m³, plaster),
// the factored dead and live loads, their sum q and R = q·L/2000.
//   default inputs -> q ≈ 10.786579, R ≈ 17.258526
// Throws UserError for a zero tread width or slab width (division) and on overflow.
DesignLoads designLoads(const Inputs& in);

// A moment coefficient from its list box text: the listed fractions by exact text match
// ("1/12" -> 0.083333, "1/10" -> 0.1, "1/8" -> 0.125, and for the support also
// "1/24" -> 0.041667, each the nearest 48-bit value), any other text through the strict
// number parse, stored. "1/24" at mid-span and " 1/10" anywhere go to the parse and fail.
// Throws UserError "'<text>' is not a valid floating point value" or "Floating point overflow".
numeric::Ext momentCoefficient(std::string_view text, Section section, char decimalSeparator);

// M = (k·q)·(L·0.001)², stored; kN·m per metre width.
numeric::Ext designMoment(numeric::Ext coefficient, numeric::Ext designLoad, numeric::Ext span);

}  // namespace quendral::engine

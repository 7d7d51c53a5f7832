#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace quendral::engine {

// The twelve fields of the geometry conversion dialog, in the order of their component names
// Edit1 .. Edit12. Four formula rows, three fields each:
//   tread width    = total run           / tread count
//   riser height   = total rise          / step count
//   span           = total run (repeated) + landing-beam width
//   slab thickness = span (repeated)     / span-to-thickness ratio
enum class GeometryField {
    TreadWidth,        // Edit1, result, mm
    TotalRun,          // Edit2, input, mm
    TreadCount,        // Edit3, result
    RiserHeight,       // Edit4, result, mm
    TotalRise,         // Edit5, input, mm
    StepCount,         // Edit6, input
    Span,              // Edit7, result, mm
    TotalRunRepeated,  // Edit8, result, mm
    LandingBeamWidth,  // Edit9, input, mm
    SlabThickness,     // Edit10, result, mm
    SpanRepeated,      // Edit11, result, mm
    SpanRatio,         // Edit12, input: span-to-thickness ratio
};
inline constexpr std::size_t kGeometryFieldCount = 12;

// One field of the dialog: its component name, whether the user types into it, and the
// text it starts with. The start texts are no conversion's outcome (the span reads "3200"
// and its repetition "3500"); the first conversion makes them agree. Tread width, riser
// height, slab thickness and span start as the design sheet's defaults, so the first
// hand-back into the main window changes nothing.
struct GeometryFieldInfo {
    GeometryField field;
    const char* name;  // "Edit1" .. "Edit12"
    bool isInput;
    const char* initialText;
};

// The twelve fields in component-name order.
const std::array<GeometryFieldInfo, kGeometryFieldCount>& geometryFieldTable();

// The texts of the dialog's fields; they are the only state a conversion works on.
struct GeometryFields {
    std::array<std::string, kGeometryFieldCount> texts;

    std::string& operator[](GeometryField field) { return texts[static_cast<std::size_t>(field)]; }
    const std::string& operator[](GeometryField field) const {
        return texts[static_cast<std::size_t>(field)];
    }
};

// The dialog's fields with their start texts.
GeometryFields initialGeometryFields();

// The convert button. Eight steps, each reading its operands from the current texts and
// writing its result as text; values stay in extended precision from parse to text.
//   1. tread count     = strict integer of step count - 1          (integer text)
//   2. tread width     = total run / tread count                   (two decimals)
//   3. riser height    = total rise / step count                   (two decimals)
//   4. total run (repeated) = the total run's text, unchanged
//   5. span            = landing-beam width + total run (repeated)  (two decimals)
//   6. span (repeated) = the span's text, unchanged
//   7. slab thickness  = span (repeated) / (ratio * 10)             (whole number)
//   8. slab thickness  = its own text * 10                          (general form)
// Steps 2 to 8 read numbers with the strict number parse and decimalSeparator.
//
// The first failing step throws UserError with the user's message; it and the later steps
// change nothing, while the fields written by earlier steps keep their new texts:
//   step count "11.5" or ""  -> "'11.5' is not a valid integer value", nothing changed
//   total run "3 000"        -> "'3 000' is not a valid floating point value" at step 2
//   step count "1"           -> tread count "0", then "Floating point division by zero"
//                               ("Invalid floating point operation" for a total run of 0)
//   ratio "0"                -> every field but the thickness updated, then division by zero
// No range is checked: negative values and a thickness of "0" pass through.
//
// Example, from the start texts with '.': tread count "10", tread width "300.00", riser
// height "150.00", total run (repeated) "3000", span "3200.00", span (repeated) "3200.00",
// thickness 3200 / 300 = 10.67 -> "11" -> "110".
void convertGeometry(GeometryFields& fields, char decimalSeparator);

}  // namespace quendral::engine

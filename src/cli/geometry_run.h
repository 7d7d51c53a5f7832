#pragma once

#include <istream>
#include <optional>
#include <string>

#include "engine/geometry.h"

namespace quendral::cli {

// The geometry dialog's fields as given: the start texts, then each NAME=TEXT line (the line
// rules of readFieldLines) replacing the text of the dialog field NAME, Edit1 .. Edit12.
// Result fields may be given too: the dialog keeps all twelve texts between uses, and a
// conversion that stops early leaves the later results as they were.
//   "Edit6=1\n" -> the start texts with step count "1"
// Throws InputError naming the line for an unknown name or a line without "=".
engine::GeometryFields readGeometryFile(std::istream& in);

// What one press of the convert button came to: the twelve texts afterwards, and the error
// box's text (full stop rule applied) when a step failed.
struct GeometryRun {
    engine::GeometryFields fields;
    std::optional<std::string> error;
};

// Runs the conversion on `fields`; a failing step leaves the texts earlier steps wrote.
//   start texts   -> Edit3 "10", Edit1 "300.00", ..., Edit10 "110", no error
//   step count "1" -> Edit3 "0", error "Floating point division by zero."
GeometryRun runGeometry(engine::GeometryFields fields, char decimalSeparator);

}  // namespace quendral::cli

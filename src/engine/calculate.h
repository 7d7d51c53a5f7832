#pragma once

#include "sheet/sheet.h"

namespace quendral::engine {

enum class Outcome {
    Completed,  // ran to its end: computer disabled, Save and Ptlpj enabled
    Stopped,    // ended after a warning (over-reinforcement, bad grade, no effective depth)
};

// The Calculate command over the design sheet: loads, moments, required areas and bar
// arrangements, written to the sheet as each step reaches them. Every quantity is stored as
// a 48-bit real the moment it is read or computed.
// Throws UserError (a strict parse, an arithmetic fault, "Integer overflow"); whatever was
// written before the failing step stays written.
//   default sheet -> Edit11 "10.79", Edit12 "17.26", Edit13 "11.05", Edit14 "555.42",
//                    ComboBox5 "d10@140", Edit16 "0.00", Edit17 "#150.00", ComboBox6 "d6@190"
Outcome calculate(sheet::Sheet& sheet, char decimalSeparator);

}  // namespace quendral::engine

#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "numeric/extended.h"

namespace quendral::engine {

// The grade number of a concrete-grade text: its characters 2 and 3 (GBK positions, counted
// from 1; fewer when the text is shorter) through the strict integer parse. The first
// character is not examined.
//   concreteGradeNumber("C20") -> 20   concreteGradeNumber("C100") -> 10
//   concreteGradeNumber("X25") -> 25   concreteGradeNumber("C") throws "'' is not a valid ..."
// Throws UserError "'<those characters>' is not a valid integer value".
std::int32_t concreteGradeNumber(std::string_view gradeText);

// The design strength fcm (N/mm²) of concrete grade N, for the eleven grades 10, 15, .. 60:
//   concreteStrength(20) -> 11   concreteStrength(12) -> nullopt (no table row, none invented)
std::optional<numeric::Ext> concreteStrength(std::int32_t gradeNumber);

struct SteelGrade {
    numeric::Ext strength;          // fy, N/mm²
    numeric::Ext compressionLimit;  // ξb, limit of the relative compression depth
    numeric::Ext barCentreOffset;   // a, mm from the inner face of the cover to the bar centre
    std::string_view barLetter;     // written in front of the bar diameter: "d", "D", "s"
};

// The steel values of grade S, all exact in 48-bit storage (ξb to the nearest 48-bit value):
//   steelGrade(1) -> {210, 0.614, 5, "d"}   steelGrade(2) -> {310, 0.544, 10, "D"}
//   steelGrade(3) -> {360, 0.6, 10, "s"}    steelGrade(4) -> nullopt
std::optional<SteelGrade> steelGrade(std::int32_t grade);

}  // namespace quendral::engine

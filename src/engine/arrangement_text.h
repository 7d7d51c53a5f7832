#pragma once

#include <optional>
#include <string_view>

namespace quendral::engine {

// The diameter and spacing pieces of a typed bar arrangement whose GBK length is neither 6
// nor 7: one character, one or more ASCII digits (the diameter), one character, one or more
// ASCII digits (the spacing), nothing else. The two single characters are not examined.
//   loosePieces("Φ10@150") -> {"10", "150"}   loosePieces("d100@150") -> {"100", "150"}
//   loosePieces("d10@") -> nullopt             loosePieces("d10@15x") -> nullopt
struct ArrangementPieces {
    std::string_view diameter;
    std::string_view spacing;
};
std::optional<ArrangementPieces> loosePieces(std::string_view text);

}  // namespace quendral::engine

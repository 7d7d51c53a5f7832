#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/arrangement.h"
#include "numeric/extended.h"
#include "sheet/sheet.h"

namespace quendral::engine {

// 3141.6 (1000·π to four decimals) just below its value, and 785.4 as that divided by 4.
inline constexpr long double kSpacingFactor = 0xC459999999999999P-52L;
inline constexpr long double kAreaFactor = 0xC459999999999999P-54L;

// The message when the bar diameter would pass the largest 32-bit integer.
inline constexpr std::string_view kIntegerOverflow = "Integer overflow";

// The spacing (mm) at which bars of diameter d provide the area As per metre width:
// ((3141.6·d)·d) ÷ (As·4), truncated toward zero, stored.
//   rawSpacing(10, 555.4211…) -> 141   rawSpacing(6, 150) -> 188
//   rawSpacing(10, 785.4 as stored) -> 99 (the quotient falls just short of 100)
// Throws UserError: division by zero for As = 0, overflow when the spacing leaves the range.
numeric::Ext rawSpacing(std::int32_t diameter, numeric::Ext requiredArea);

// Spacings are laid out in tens of millimetres, with 125 for the band 123 .. 127; otherwise
// 10·(whole part of s·0.1 + 0.3), so units 0 to 6 round down and 7 to 9 up. Stored.
//   roundedSpacing(141) -> 140   roundedSpacing(127) -> 125   roundedSpacing(197) -> 200
numeric::Ext roundedSpacing(numeric::Ext rawSpacing);

// The area (mm² per metre width) that bars of diameter d at spacing s provide:
// ((785.4·d)·d) ÷ s, stored.  providedArea(10, 140) -> 560.99… ("561.00")
numeric::Ext providedArea(std::int32_t diameter, numeric::Ext spacing);

// The bar arrangement text: letter, diameter, "@", spacing in the general number format.
//   arrangementText("d", 10, 140, '.') -> "d10@140"
std::string arrangementText(std::string_view barLetter, std::int32_t diameter, numeric::Ext spacing,
                            char decimalSeparator);

// The smallest even diameter from 6 mm whose raw spacing for As is 100 mm or more, with that
// raw spacing, exactly as stepping d = 6, 8, 10, .. would find them (the raw spacing never
// falls as d grows, so a long way is halved instead of walked). Throws UserError "Integer
// overflow" when even the largest even 32-bit diameter falls short, and the errors of
// rawSpacing for the diameters walked.
//   firstDiameter(555.42…) -> {10, 141}   firstDiameter(150) -> {6, 188}
//   firstDiameter(2000) -> {16, 100}
struct FirstDiameter {
    std::int32_t diameter;
    numeric::Ext rawSpacing;
};
FirstDiameter firstDiameter(numeric::Ext requiredArea);

// A list never holds more arrangements than this; only an absurd required area
// (about 10^8 mm²/m and more, diameters of metres) comes near it.
inline constexpr int kMaxListedArrangements = 1000;

// Fills the section's arrangement list for the required area As: empties it (text, items,
// hint " "), then sets the first arrangement as the list's text, its provided area into the
// hint and into KZJ / ZZJ, and lists every arrangement whose rounded spacing is 200 mm or
// less, in increasing diameter.
//   As = 555.42…, "d" -> text "d10@140", items {"d10@140", "d12@200"}, KZJ "561.00"
// Throws UserError as rawSpacing and firstDiameter do, and "Integer overflow" when the listed
// diameters would pass the largest 32-bit integer; what was written before stays.
void fillArrangements(sheet::Sheet& sheet, Section section, numeric::Ext requiredArea,
                      std::string_view barLetter, char decimalSeparator);

// Writes a provided area into the section's hint and hidden field, fixed with two decimals.
void showProvidedArea(sheet::Sheet& sheet, Section section, numeric::Ext area,
                      char decimalSeparator);

}  // namespace quendral::engine

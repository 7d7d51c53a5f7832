#include "engine/arrangement_search.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>

#include "engine/section_fields.h"
#include "numeric/error.h"
#include "numeric/format.h"
#include "numeric/real48.h"

namespace quendral::engine {

using numeric::Ext;
using numeric::stored;

namespace {

constexpr std::int32_t kFirstDiameter = 6;
constexpr std::int32_t kLargestDiameter = std::numeric_limits<std::int32_t>::max() - 1;
// Diameters tried one by one before the search halves its way; real slabs never get there.
constexpr std::int32_t kWalkedDiameters = 64;

std::int32_t nextDiameter(std::int32_t diameter) {
    if (diameter > std::numeric_limits<std::int32_t>::max() - 2) {
        throw UserError(std::string(kIntegerOverflow));
    }
    return diameter + 2;
}

// The raw spacing with its divisor As·4 worked out once for all the diameters of a section.
Ext rawSpacingOver(std::int32_t diameter, Ext fourTimesArea) {
    const Ext d = static_cast<long double>(diameter);
    return stored(numeric::truncate(((kSpacingFactor * d) * d) / fourTimesArea));
}

// Whether the raw spacing of d reaches 100 mm; a spacing too large to store reaches it too.
bool reachesSmallestSpacing(std::int32_t diameter, Ext fourTimesArea) {
    try {
        return rawSpacingOver(diameter, fourTimesArea) >= 100.0L;
    } catch (const UserError&) {
        return true;
    }
}

// The decimal digits of n, written into buffer.
std::string_view digitsOf(std::int32_t n, char (&buffer)[12]) {
    const char* const end = std::to_chars(buffer, buffer + sizeof buffer, n).ptr;
    return std::string_view(buffer, static_cast<std::size_t>(end - buffer));
}

}  // namespace

Ext rawSpacing(std::int32_t diameter, Ext requiredArea) {
    return rawSpacingOver(diameter, requiredArea * 4.0L);
}

Ext roundedSpacing(Ext raw) {
    if (raw >= 123.0L && raw <= 127.0L) return 125.0L;
    return stored(10.0L * numeric::truncate(raw * 0.1L + 0.3L));
}

Ext providedArea(std::int32_t diameter, Ext spacing) {
    const Ext d = static_cast<long double>(diameter);
    return stored(((kAreaFactor * d) * d) / spacing);
}

std::string arrangementText(std::string_view barLetter, std::int32_t diameter, Ext spacing,
                            char decimalSeparator) {
    // The numbers are written straight into buffers (the digits of numeric::integerText) and
    // the text is put together once, without temporary strings.
    char diameterBuffer[12];
    const std::string_view diameterDigits = digitsOf(diameter, diameterBuffer);
    std::string text;
    // The search's spacings are whole numbers, which the general format writes as plain
    // digits; integer digits give the same text for a fraction of the work.
    const long double value = spacing.value();
    if (value >= 0.0L && value < 2147483647.0L &&
        value == static_cast<long double>(static_cast<std::int32_t>(value))) {
        char spacingBuffer[12];
        const std::string_view spacingDigits =
            digitsOf(static_cast<std::int32_t>(value), spacingBuffer);
        text.reserve(barLetter.size() + diameterDigits.size() + 1 + spacingDigits.size());
        text.append(barLetter).append(diameterDigits).append(1, '@').append(spacingDigits);
    } else {
        text.append(barLetter).append(diameterDigits).append(1, '@');
        text += numeric::general(value, decimalSeparator);
    }
    return text;
}

FirstDiameter firstDiameter(Ext requiredArea) {
    const Ext fourTimesArea = requiredArea * 4.0L;
    std::int32_t diameter = kFirstDiameter;
    for (int walked = 0; walked < kWalkedDiameters; ++walked) {
        const Ext spacing = rawSpacingOver(diameter, fourTimesArea);
        if (spacing >= 100.0L) return {diameter, spacing};
        diameter = nextDiameter(diameter);
    }
    // Halve the even diameters between one known to fall short and one known to reach.
    if (!reachesSmallestSpacing(kLargestDiameter, fourTimesArea)) {
        throw UserError(std::string(kIntegerOverflow));
    }
    std::int64_t fallsShort = diameter - 2;
    std::int64_t reaches = kLargestDiameter;
    while (reaches - fallsShort > 2) {
        const std::int64_t middle = fallsShort + 2 * ((reaches - fallsShort) / 4);
        if (reachesSmallestSpacing(static_cast<std::int32_t>(middle), fourTimesArea)) {
            reaches = middle;
        } else {
            fallsShort = middle;
        }
    }
    const auto found = static_cast<std::int32_t>(reaches);
    return {found, rawSpacingOver(found, fourTimesArea)};
}

void showProvidedArea(sheet::Sheet& sheet, Section section, Ext area, char decimalSeparator) {
    const SectionFields& fields = sectionFields(section);
    const std::string text = numeric::fixedTwo(area.value(), decimalSeparator);
    constexpr std::string_view kUnit = "(mm^2/m)";
    // The hint (about 60 bytes) is put together on the stack, since the sheet keeps its own
    // copy; a heap string would cost an allocation on every Calculate.
    char buffer[96];
    const std::size_t length = fields.hintPrefix.size() + text.size() + kUnit.size();
    if (length <= sizeof buffer) {
        char* o = buffer;
        o = std::copy(fields.hintPrefix.begin(), fields.hintPrefix.end(), o);
        o = std::copy(text.begin(), text.end(), o);
        std::copy(kUnit.begin(), kUnit.end(), o);
        sheet.setHint(fields.list, std::string_view(buffer, length));
    } else {
        std::string hint;
        hint.reserve(length);
        hint.append(fields.hintPrefix).append(text).append(kUnit);
        sheet.setHint(fields.list, hint);
    }
    sheet.setText(fields.hidden, text);
}

void fillArrangements(sheet::Sheet& sheet, Section section, Ext requiredArea,
                      std::string_view barLetter, char decimalSeparator) {
    const SectionFields& fields = sectionFields(section);
    sheet.setText(fields.list, "");
    sheet.clearItems(fields.list);
    sheet.setHint(fields.list, " ");

    const FirstDiameter first = firstDiameter(requiredArea);
    std::int32_t diameter = first.diameter;
    Ext spacing = roundedSpacing(first.rawSpacing);
    const Ext area = providedArea(diameter, spacing);
    std::string text = arrangementText(barLetter, diameter, spacing, decimalSeparator);
    sheet.setText(fields.list, text);
    showProvidedArea(sheet, section, area, decimalSeparator);

    const Ext fourTimesArea = requiredArea * 4.0L;
    int listed = 0;
    while (spacing <= 200.0L && listed < kMaxListedArrangements) {
        sheet.addItem(fields.list, text);
        ++listed;
        diameter = nextDiameter(diameter);
        spacing = roundedSpacing(rawSpacingOver(diameter, fourTimesArea));
        if (spacing <= 200.0L)
            text = arrangementText(barLetter, diameter, spacing, decimalSeparator);
    }
}

}  // namespace quendral::engine

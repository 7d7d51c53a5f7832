#include "engine/materials.h"

#include <array>

#include "engine/gbk_text.h"
#include "numeric/parse.h"

namespace quendral::engine {

std::int32_t concreteGradeNumber(std::string_view gradeText) {
    return numeric::strictInteger(gbkPiece(gradeText, 2, 2));
}

std::optional<numeric::Ext> concreteStrength(std::int32_t gradeNumber) {
    struct Row {
        std::int32_t grade;
        long double strength;
    };
    static constexpr std::array<Row, 11> kConcrete{{{10, 5.5L},
                                                    {15, 8.5L},
                                                    {20, 11.0L},
                                                    {25, 13.5L},
                                                    {30, 16.5L},
                                                    {35, 19.0L},
                                                    {40, 21.5L},
                                                    {45, 23.5L},
                                                    {50, 26.0L},
                                                    {55, 27.5L},
                                                    {60, 29.0L}}};
    for (const Row& row : kConcrete) {
        if (row.grade == gradeNumber) return numeric::Ext(row.strength);
    }
    return std::nullopt;
}

std::optional<SteelGrade> steelGrade(std::int32_t grade) {
    // ξb as the nearest 48-bit values of 0.614, 0.544 and 0.6.
    static constexpr std::array<long double, 3> kLimits{
        0x9D2F1A9FBE000000P-64L, 0x8B43958106000000P-64L, 0x999999999A000000P-64L};
    switch (grade) {
        case 1:
            return SteelGrade{210.0L, kLimits[0], 5.0L, "d"};
        case 2:
            return SteelGrade{310.0L, kLimits[1], 10.0L, "D"};
        case 3:
            return SteelGrade{360.0L, kLimits[2], 10.0L, "s"};
        default:
            return std::nullopt;
    }
}

}  // namespace quendral::engine

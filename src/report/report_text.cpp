#include <initializer_list>
#include <variant>

#include "report/report.h"

namespace quendral::report {

namespace {

using sheet::Field;

// One piece of a report line: fixed text, or the text of a field as it stands.
using Piece = std::variant<std::string_view, Field>;
using Line = std::initializer_list<Piece>;

void appendLine(std::string& out, const sheet::Sheet& sheet, Line pieces) {
    for (const Piece& piece : pieces) {
        if (const auto* fixed = std::get_if<std::string_view>(&piece)) {
            out += *fixed;
        } else {
            out += sheet.text(std::get<Field>(piece));
        }
    }
    out += "\r\n";
}

}  // namespace

std::string reportText(const sheet::Sheet& sheet, std::string_view writtenAt) {
    using namespace std::string_view_literals;
    std::string out;
    auto line = [&](Line pieces) { appendLine(out, sheet, pieces); };

    line({"======================  Quendral配筋输出  ======================="sv});
    line({"一、 输入数据("sv, Field::TBBH, ") :"sv});
    line({"  1. 楼梯参数 :"sv});
    line({"     踏步宽度 :"sv, Field::Edit1, "mm  "sv, " 踏步高度 :"sv, Field::Edit2, "mm  "sv,
          "  梯板厚度 :"sv, Field::Edit3, "mm  "sv});
    line({"     梯板宽度 :"sv, Field::Edit4, "mm  "sv, "  楼梯跨度 :"sv, Field::Edit5, "mm  "sv});
    line({"  2. 外加荷载(均为标准值) :"sv});
    line({"     栏杆自重 :"sv, Field::Edit6, "kN/m  "sv, "   面层自重 :"sv, Field::Edit7,
          "kN/m^2  "sv});
    // The plaster weight carries the railing weight's unit text; the report has always read so.
    line({"     抹灰自重 :"sv, Field::Edit8, "kN/m  "sv, "   活 荷 载 :"sv, Field::Edit9,
          "kN/m^2  "sv});
    line({"  3. 其    它 :"sv});
    line({"     混凝土强度等级 :"sv, Field::ComboBox1, "   梯板保护层厚度 :"sv, Field::Edit10,
          "mm  "sv, "  钢筋级别 :"sv, Field::ComboBox2});
    line({"二、 计算结果 :"sv});
    line({"  1. 跨中弯矩系数 :"sv, Field::ComboBox3, "   跨中弯矩 :"sv, Field::Edit13, "kN-m  "sv});
    line({"     跨中配筋面积 :"sv, Field::Edit14, "mm^2  "sv, " 跨中选配钢筋 :"sv, Field::ComboBox5,
          "(As="sv, Field::KZJ, ")"sv});
    line({"  2. 支座弯矩系数 :"sv, Field::ComboBox4, "   支座弯矩 :"sv, Field::Edit16, "kN-m  "sv});
    line({"     支座配筋面积 :"sv, Field::Edit17, "mm^2  "sv, " 支座选配钢筋 :"sv, Field::ComboBox6,
          "(As="sv, Field::ZZJ, ")"sv});
    line({"  3. 单位板宽(1m)梯板承受的水平荷载设计值(含梯板自重) :"sv, Field::Edit11, "kN/m  "sv});
    line({"     梯板传给梯梁线荷载设计值 :"sv, Field::Edit12, "kN/m  "sv});
    line({"===================== "sv, writtenAt, " ======================="sv});
    return out;
}

}  // namespace quendral::report

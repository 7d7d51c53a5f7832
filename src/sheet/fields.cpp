#include "sheet/fields.h"

#include <array>
#include <cstddef>

namespace quendral::sheet {

namespace {

using enum Field;
using enum Group;
using enum Kind;

// One row per field, in the order of the Field enum, so a field's row is found by its value.
constexpr std::array<FieldInfo, kFieldCount> kFields{{
    {Edit1, "Edit1", "tread width", "踏步宽度", "mm", "300", 6, "   输入楼梯踏步宽度(单位为mm)",
     Label2, Input},
    {Edit2, "Edit2", "riser height", "踏步高度", "mm", "150", 6, "   输入楼梯踏步高度(单位为mm)",
     Label2, Input},
    {Edit3, "Edit3", "slab thickness", "梯板厚度", "mm", "120", 6, "   输入楼梯梯板厚度(单位为mm)",
     Label2, Input},
    {Edit4, "Edit4", "slab width", "梯板宽度", "mm", "1600", 6, "   输入楼梯梯板宽度(单位为mm)",
     Label2, Input},
    {Edit5, "Edit5", "span", "楼梯跨度", "mm", "3200", 6, "   输入楼梯计算跨度(单位为mm)", Label2,
     Input},
    {TBBH, "TBBH", "slab mark", "梯板编号", "", "TB-1", 0, "   梯板编号,存盘时隐含以此为文件名",
     Label2, Input},
    {Edit6, "Edit6", "railing weight", "栏杆自重(kN/m)", "kN/m", "0.1", 6,
     "   输入楼梯栏杆自重,按一块梯板设置单面栏杆考虑", hzcs, Input},
    {Edit7, "Edit7", "finish weight", "面层自重(kN/m^2)", "kN/m^2", "1.0", 6,
     "   输入楼梯梯板面层自重", hzcs, Input},
    {Edit8, "Edit8", "plaster weight", "抹灰自重(kN/m^2)", "kN/m^2", "0.4", 6,
     "   输入楼梯梯板板底抹灰自重,该值为斜向均布值", hzcs, Input},
    {Edit9, "Edit9", "live load", "活  荷  载(kN/m^2) ", "kN/m^2", "1.5", 6, "   输入楼梯活荷载",
     hzcs, Input},
    {ComboBox1, "ComboBox1", "concrete grade", "砼强度等级", "", "C20", 0,
     "   选择混凝土强度等级(C10-C60)", qt, Input},
    {Edit10, "Edit10", "cover", "梯板保护层厚度", "mm", "15", 0,
     "   输入梯板混凝土净保护层厚度(mm)", qt, Input},
    {ComboBox2, "ComboBox2", "steel grade", "钢筋级别", "", "1", 0,
     "   选择钢筋级别(1,2,3) 一级210MPa,二级310MPa,三级360MPa", qt, Input},
    {ComboBox3, "ComboBox3", "mid-span coefficient", "跨中 :  弯矩系数", "", "1/10", 0,
     "   选择或输入跨中弯矩系数", jsjg, Input},
    {ComboBox4, "ComboBox4", "support coefficient", "支座 :  弯矩系数", "", "0", 0,
     "   选择或输入支座弯矩系数", jsjg, Input},
    {Edit11, "Edit11", "design load", "梯板承受荷载(kN/m)", "kN/m", " ", 0,
     "   单位板宽梯板承受的水平线荷载设计值(含梯板自重)", jsjg, Result},
    {Edit12, "Edit12", "landing-beam line load", "梯板传给梯梁线荷载(kN/m)", "kN/m", " ", 0,
     "   梯板作用在梯梁上的线荷载设计值", jsjg, Result},
    {Edit13, "Edit13", "mid-span moment", "弯矩", "kN-m", "", 0, "   梯板跨中弯矩值(kN-m)", jsjg,
     Result},
    {Edit14, "Edit14", "mid-span required area", "配筋", "mm^2/m", "", 0,
     "   梯板跨中配筋面积(mm^2/m)", jsjg, Result},
    {ComboBox5, "ComboBox5", "mid-span bar arrangement", "选筋", "", "", 0, "", jsjg, Arrangement},
    {Edit16, "Edit16", "support moment", "弯矩", "kN-m", "", 0, "   梯板支座弯矩值(kN-m)", jsjg,
     Result},
    {Edit17, "Edit17", "support required area", "配筋", "mm^2/m", "", 0,
     "   梯板支座配筋面积(mm^2/m)", jsjg, Result},
    {ComboBox6, "ComboBox6", "support bar arrangement", "选筋", "", "", 0, "", jsjg, Arrangement},
    {KZJ, "KZJ", "mid-span provided area", "", "mm^2/m", "KZJ", 0, "", hzcs, Hidden},
    {ZZJ, "ZZJ", "support provided area", "", "mm^2/m", "ZZJ", 0, "", hzcs, Hidden},
}};

constexpr bool rowsFollowEnum() {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (static_cast<std::size_t>(kFields[i].field) != i) return false;
    }
    return true;
}
static_assert(rowsFollowEnum(), "the field table must list the fields in enum order");

constexpr std::array<std::string_view, 11> kConcreteGrades{"C10", "C15", "C20", "C25", "C30", "C35",
                                                           "C40", "C45", "C50", "C55", "C60"};
constexpr std::array<std::string_view, 3> kSteelGrades{"1", "2", "3"};
constexpr std::array<std::string_view, 3> kMidSpanCoefficients{"1/12", "1/10", "1/8"};
constexpr std::array<std::string_view, 5> kSupportCoefficients{"0", "1/24", "1/12", "1/10", "1/8"};

}  // namespace

std::span<const FieldInfo> fields() { return kFields; }

const FieldInfo& info(Field field) { return kFields[static_cast<std::size_t>(field)]; }

std::optional<Field> fieldByName(std::string_view name) {
    for (const FieldInfo& row : kFields) {
        if (row.name == name) return row.field;
    }
    return std::nullopt;
}

std::span<const std::string_view> items(Field field) {
    switch (field) {
        case ComboBox1:
            return kConcreteGrades;
        case ComboBox2:
            return kSteelGrades;
        case ComboBox3:
            return kMidSpanCoefficients;
        case ComboBox4:
            return kSupportCoefficients;
        default:
            return {};
    }
}

std::string_view commandName(Command command) {
    switch (command) {
        case Command::computer:
            return "computer";
        case Command::Save:
            return "Save";
        case Command::Ptlpj:
            return "Ptlpj";
    }
    return "";
}

}  // namespace quendral::sheet

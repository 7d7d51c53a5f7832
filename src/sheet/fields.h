#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace quendral::sheet {

// Every field of the main window's design sheet, by component name. There is no Edit15.
enum class Field {
    Edit1, Edit2, Edit3, Edit4, Edit5, TBBH,        // flight geometry and slab mark
    Edit6, Edit7, Edit8, Edit9,                     // applied loads
    ComboBox1, Edit10, ComboBox2,                   // concrete grade, cover, steel grade
    ComboBox3, ComboBox4,                           // moment coefficients
    Edit11, Edit12,                                 // design load, landing-beam line load
    Edit13, Edit14, ComboBox5,                      // mid-span moment, area, arrangement
    Edit16, Edit17, ComboBox6,                      // support moment, area, arrangement
    KZJ, ZZJ,                                       // hidden provided areas
};
inline constexpr int kFieldCount = 25;

// The commands whose enabled state the sheet carries.
enum class Command { computer, Save, Ptlpj };

// The four framed groups of the main window, top to bottom.
enum class Group { Label2, hzcs, qt, jsjg };

enum class Kind { Input, Result, Arrangement, Hidden };

struct FieldInfo {
    Field field;
    std::string_view name;       // component name, also the control's objectName: "Edit5"
    std::string_view role;       // role in words: "span"
    std::string_view caption;    // the label beside it; empty for KZJ and ZZJ
    std::string_view unit;       // "mm", "kN/m", "kN/m^2", "kN-m", "mm^2/m", or "" for texts
    std::string_view startText;  // the text at start-up: "3200", " " for Edit11, "KZJ" for KZJ
    int typingLimit;             // characters the user may type; 0 for no limit
    std::string_view hint;       // status-panel hint; empty where the field has none at start
    Group group;
    Kind kind;
};

// All 25 fields, in the order of the enum above.
std::span<const FieldInfo> fields();

const FieldInfo& info(Field field);
inline std::string_view name(Field field) { return info(field).name; }

// fieldByName("Edit5") -> Field::Edit5; fieldByName("Edit15") -> nullopt.
std::optional<Field> fieldByName(std::string_view name);

// The fixed items of the four input combo boxes; empty for every other field.
//   items(Field::ComboBox2) -> {"1", "2", "3"}
std::span<const std::string_view> items(Field field);

// The command's component name: commandName(Command::computer) -> "computer".
std::string_view commandName(Command command);

// Text colours the calculation sets on the area fields and arrangement lists.
inline constexpr int kBlack = 0;
inline constexpr int kRed = 255;

}  // namespace quendral::sheet

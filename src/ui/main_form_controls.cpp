#include "ui/main_form_controls.h"

#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "sheet/fields.h"
#include "ui/button_icons.h"
#include "ui/typing_limit.h"

namespace quendral::ui {

using sheet::Field;
using sheet::FieldInfo;

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void makeBold(QWidget& widget) {
    QFont font = widget.font();
    font.setBold(true);
    widget.setFont(font);
}

// Room for this many digits, so every field of a column lines up whatever its text.
int widthForCharacters(const QWidget& widget, int characters) {
    return widget.fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('0'))) +
           widget.fontMetrics().averageCharWidth() * 2;
}

// The fields' bold: the font they inherit from the window, made bold once for all of them.
QFont boldFontFor(const QWidget& parent) {
    QFont font = parent.font();
    font.setBold(true);
    return font;
}

// An editable drop-down list whose typing stays as typed: no completion from the list, no
// Enter that adds the text to the list. The edit line is handed to the box ready-made rather
// than through setEditable(true), which would build the list's pop-up and a completer over
// the list before the window can show (start-up speed); the pop-up comes when first needed.
// A font is set once the box is editable (the pop-up's item drawing follows that state) and
// before the line has any text, so the text is laid out once.
QComboBox* makeEditableList(QWidget& parent, const QFont* font) {
    auto* box = new QComboBox(&parent);
    auto* line = new QLineEdit(box);
    line->setPalette(box->palette());
    // A bare completer of the line's own keeps the box from making its default one over the
    // list; taking the completer away then disposes of it (a child of the line either way).
    line->setCompleter(new QCompleter(line));
    box->setLineEdit(line);
    box->setCompleter(nullptr);
    if (font) box->setFont(*font);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

QWidget* makeField(const FieldInfo& info, QWidget& parent, const QFont& bold) {
    QWidget* widget = nullptr;
    if ((info.kind == sheet::Kind::Input && !sheet::items(info.field).empty()) ||
        info.kind == sheet::Kind::Arrangement) {
        QComboBox* box =
            makeEditableList(parent, info.kind == sheet::Kind::Input ? &bold : nullptr);
        for (std::string_view item : sheet::items(info.field)) box->addItem(qs(item));
        box->setMaxVisibleItems(info.field == Field::ComboBox1 ? 5 : 8);
        box->setEditText(qs(info.startText));
        // Input lists line up with the edit boxes; an arrangement needs room for d10@140.
        box->setFixedWidth(info.kind == sheet::Kind::Arrangement
                               ? widthForCharacters(*box, 9) +
                                     box->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                               : widthForCharacters(*box, 8));
        widget = box;
    } else {
        // The font comes before the text, so the text is laid out once.
        auto* edit = new QLineEdit(&parent);
        edit->setFont(bold);
        edit->setText(qs(info.startText));
        applyTypingLimit(*edit, info.typingLimit);
        edit->setFixedWidth(widthForCharacters(*edit, 8));
        if (info.kind == sheet::Kind::Result) {
            edit->setReadOnly(true);
            edit->setFocusPolicy(Qt::ClickFocus);  // results are skipped by Tab
        }
        widget = edit;
    }
    widget->setObjectName(qs(info.name));
    widget->setStatusTip(qs(info.hint));
    return widget;
}

class FormBuilder {
public:
    explicit FormBuilder(QWidget& form) : form_(form), bold_(boldFontFor(form)) {}

    QGroupBox* group(const char* name, const char* caption) {
        auto* box = new QGroupBox(QString::fromUtf8(caption), &form_);
        box->setObjectName(QString::fromUtf8(name));
        return box;
    }

    // Caption, field and (where the caption does not give it) unit, from column on.
    QWidget* field(Field field, QGroupBox& group, QGridLayout& grid, int row, int column) {
        const FieldInfo& info = sheet::info(field);
        QWidget* widget = makeField(info, group, bold_);
        controls_.sheet.fields[static_cast<std::size_t>(field)] = widget;
        auto* caption = new QLabel(qs(info.caption), &group);
        caption->setBuddy(widget);
        if (field == Field::TBBH) makeBold(*caption);
        grid.addWidget(caption, row, column, Qt::AlignRight | Qt::AlignVCenter);
        if (column == 0) {
            firstColumnWidth_ = std::max(firstColumnWidth_, caption->sizeHint().width());
            if (std::find(grids_.begin(), grids_.end(), &grid) == grids_.end())
                grids_.push_back(&grid);
        }
        grid.addWidget(widget, row, column + 1);
        if (!info.unit.empty() && !info.caption.empty() &&
            info.caption.find('(') == std::string_view::npos) {
            grid.addWidget(new QLabel(qs(info.unit), &group), row, column + 2);
        }
        return widget;
    }

    QPushButton* button(const char* name, const char* caption, QWidget& parent) {
        auto* button = new QPushButton(QString::fromUtf8(caption), &parent);
        button->setObjectName(QString::fromUtf8(name));
        return button;
    }

    QPushButton* button(const char* name, const char* caption, QWidget& parent,
                        ButtonPicture picture) {
        QPushButton* made = button(name, caption, parent);
        made->setIcon(buttonIcon(picture));
        return made;
    }

    void setHint(QWidget& widget, const char* hint) {
        widget.setStatusTip(QString::fromUtf8(hint));
    }

    // The first captions of all groups take one width, so the first fields stand in one
    // column down the window.
    void alignFirstColumns() {
        for (QGridLayout* grid : grids_) grid->setColumnMinimumWidth(0, firstColumnWidth_);
    }

    MainFormControls& controls() { return controls_; }
    const QFont& boldFont() const { return bold_; }
    QWidget* fieldWidget(Field field) {
        return controls_.sheet.fields[static_cast<std::size_t>(field)];
    }

private:
    QWidget& form_;
    const QFont bold_;
    MainFormControls controls_;
    std::vector<QGridLayout*> grids_;
    int firstColumnWidth_ = 0;
};

QGridLayout* gridOf(QGroupBox& group) {
    auto* grid = new QGridLayout(&group);
    grid->setHorizontalSpacing(6);
    return grid;
}

}  // namespace

MainFormControls buildMainFormControls(QWidget& form) {
    FormBuilder build(form);
    MainFormControls& controls = build.controls();
    auto* layout = new QVBoxLayout(&form);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Flight geometry, slab mark and the two dialog buttons.
    QGroupBox* geometry = build.group("Label2", "楼梯参数");
    QGridLayout* geometryGrid = gridOf(*geometry);
    build.field(Field::Edit1, *geometry, *geometryGrid, 0, 0);
    build.field(Field::Edit2, *geometry, *geometryGrid, 0, 3);
    build.field(Field::Edit3, *geometry, *geometryGrid, 0, 6);
    build.field(Field::Edit4, *geometry, *geometryGrid, 1, 0);
    build.field(Field::Edit5, *geometry, *geometryGrid, 1, 3);
    build.field(Field::TBBH, *geometry, *geometryGrid, 1, 6);
    controls.option = build.button("Option", "梯段...", *geometry);
    build.setHint(*controls.option, "   换算梯板尺寸");
    controls.sheet.landingBeam = build.button("Ptlpj", "平台梁...", *geometry);
    build.setHint(*controls.sheet.landingBeam, "   平台梁配筋计算");
    geometryGrid->setColumnMinimumWidth(9, 8);
    geometryGrid->addWidget(controls.option, 0, 10);
    geometryGrid->addWidget(controls.sheet.landingBeam, 1, 10);
    layout->addWidget(geometry);

    // Applied loads; the two hidden provided areas ride along outside the layout.
    QGroupBox* loads = build.group("hzcs", "外加荷载(均为标准值)");
    QGridLayout* loadGrid = gridOf(*loads);
    build.field(Field::Edit6, *loads, *loadGrid, 0, 0);
    build.field(Field::Edit7, *loads, *loadGrid, 0, 3);
    build.field(Field::Edit8, *loads, *loadGrid, 1, 0);
    build.field(Field::Edit9, *loads, *loadGrid, 1, 3);
    loadGrid->setColumnStretch(5, 1);
    for (Field hidden : {Field::KZJ, Field::ZZJ}) {
        QWidget* widget = makeField(sheet::info(hidden), *loads, build.boldFont());
        widget->hide();
        controls.sheet.fields[static_cast<std::size_t>(hidden)] = widget;
    }
    layout->addWidget(loads);

    // Materials and cover.
    QGroupBox* others = build.group("qt", "其它");
    QGridLayout* otherGrid = gridOf(*others);
    build.field(Field::ComboBox1, *others, *otherGrid, 0, 0);
    build.field(Field::Edit10, *others, *otherGrid, 0, 3);
    build.field(Field::ComboBox2, *others, *otherGrid, 0, 6);
    otherGrid->setColumnStretch(8, 1);
    layout->addWidget(others);

    // Results: the mid-span row, the support row, then the two loads.
    QGroupBox* results = build.group("jsjg", "计算结果");
    auto* resultLayout = new QVBoxLayout(results);
    auto* sectionGrid = new QGridLayout;
    sectionGrid->setHorizontalSpacing(6);
    build.field(Field::ComboBox3, *results, *sectionGrid, 0, 0);
    build.field(Field::Edit13, *results, *sectionGrid, 0, 3);
    build.field(Field::Edit14, *results, *sectionGrid, 0, 6);
    build.field(Field::ComboBox5, *results, *sectionGrid, 0, 9);
    build.field(Field::ComboBox4, *results, *sectionGrid, 1, 0);
    build.field(Field::Edit16, *results, *sectionGrid, 1, 3);
    build.field(Field::Edit17, *results, *sectionGrid, 1, 6);
    build.field(Field::ComboBox6, *results, *sectionGrid, 1, 9);
    resultLayout->addLayout(sectionGrid);
    auto* loadRow = new QGridLayout;
    loadRow->setHorizontalSpacing(6);
    build.field(Field::Edit11, *results, *loadRow, 0, 0);
    build.field(Field::Edit12, *results, *loadRow, 0, 3);
    loadRow->setColumnMinimumWidth(2, 24);
    loadRow->setColumnStretch(5, 1);
    resultLayout->addLayout(loadRow);
    layout->addWidget(results);
    build.alignFirstColumns();

    // The command row.
    auto* buttonRow = new QHBoxLayout;
    controls.sheet.computer = build.button("computer", "计算(&C)", form, ButtonPicture::Calculate);
    build.setHint(*controls.sheet.computer, "   计算荷载、弯矩、配筋");
    controls.sheet.save = build.button("Save", "存盘(&S)...", form, ButtonPicture::Save);
    build.setHint(*controls.sheet.save, "   计算结果输出到文件");
    controls.help = build.button("help", "帮助(&H)", form, ButtonPicture::Help);
    build.setHint(*controls.help, "   有关程序帮助信息");
    controls.about = build.button("about", "关于(&A)...", form, ButtonPicture::About);
    build.setHint(*controls.about, "   程序版权及说明");
    controls.exit = build.button("exit", "退出(&X)", form, ButtonPicture::Exit);
    build.setHint(*controls.exit, "   退出程序,返回系统");
    for (QPushButton* button : {controls.sheet.computer, controls.sheet.save, controls.help,
                                controls.about, controls.exit}) {
        buttonRow->addWidget(button);
    }
    layout->addLayout(buttonRow);

    // The status panel along the bottom edge, where the hints appear.
    controls.zdl = new QLabel(&form);
    controls.zdl->setObjectName("zdl");
    controls.zdl->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    controls.zdl->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    controls.zdl->setMinimumHeight(controls.zdl->fontMetrics().height() + 6);
    makeBold(*controls.zdl);
    layout->addWidget(controls.zdl);

    controls.tabOrder = {
        build.fieldWidget(Field::Edit1),
        build.fieldWidget(Field::Edit2),
        build.fieldWidget(Field::Edit3),
        build.fieldWidget(Field::Edit4),
        build.fieldWidget(Field::Edit5),
        controls.option,
        build.fieldWidget(Field::TBBH),
        controls.sheet.landingBeam,
        build.fieldWidget(Field::Edit6),
        build.fieldWidget(Field::Edit7),
        build.fieldWidget(Field::Edit8),
        build.fieldWidget(Field::Edit9),
        build.fieldWidget(Field::ComboBox1),
        build.fieldWidget(Field::Edit10),
        build.fieldWidget(Field::ComboBox2),
        build.fieldWidget(Field::ComboBox3),
        build.fieldWidget(Field::ComboBox4),
        build.fieldWidget(Field::ComboBox5),
        build.fieldWidget(Field::ComboBox6),
        controls.sheet.computer,
        controls.sheet.save,
        controls.help,
        controls.about,
        controls.exit,
    };
    for (std::size_t i = 1; i < controls.tabOrder.size(); ++i) {
        QWidget::setTabOrder(controls.tabOrder[i - 1], controls.tabOrder[i]);
    }
    return controls;
}

}  // namespace quendral::ui

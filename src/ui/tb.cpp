#include "ui/tb.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <exception>

#include "ui/button_icons.h"
#include "ui/decimal_separator.h"
#include "ui/dialog_keys.h"
#include "ui/error_boundary.h"
#include "ui/prompts.h"

namespace quendral::ui {

namespace {

using engine::GeometryField;
using G = GeometryField;

// One formula row: its caption, and the fields beneath it with the operators between them.
struct FormulaRow {
    const char* caption;
    std::array<GeometryField, 3> fields;
    const char* secondOperator;
};

const std::array<FormulaRow, 4>& formulaRows() {
    static const std::array<FormulaRow, 4> rows{{
        {"踏步宽度  =  踏步总宽度 / (踏步数-1)",
         {G::TreadWidth, G::TotalRun, G::TreadCount},
         " / "},
        {"踏步高度  =  踏步总高度 /  踏 步 数",
         {G::RiserHeight, G::TotalRise, G::StepCount},
         " / "},
        {"楼梯跨度  =  踏步总宽度 +  平台梁宽",
         {G::Span, G::TotalRunRepeated, G::LandingBeamWidth},
         " + "},
        {"梯板厚度  =  楼梯跨度   /  相关系数",
         {G::SlabThickness, G::SpanRepeated, G::SpanRatio},
         " / "},
    }};
    return rows;
}

// Pixel grid of the dialog: four rows of caption and fields, the buttons beneath.
constexpr int kClientWidth = 314;
constexpr int kClientHeight = 309;
constexpr int kLeft = 16;
constexpr int kRowTop = 10;
constexpr int kRowPitch = 62;
constexpr int kFieldTop = 24;
constexpr int kFieldWidth = 74;
constexpr int kFieldHeight = 22;
constexpr int kOperatorWidth = 29;
constexpr int kButtonTop = 262;
constexpr int kButtonWidth = 89;
constexpr int kButtonHeight = 33;

QLabel* label(const QString& name, const char* text, QWidget& parent) {
    auto* label = new QLabel(QString::fromUtf8(text), &parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);  // the blanks of a formula stay as written
    return label;
}

QPushButton* button(const char* name, const char* caption, ButtonPicture picture, int left,
                    QDialog& dialog) {
    auto* button = new QPushButton(QString::fromUtf8(caption), &dialog);
    button->setObjectName(QString::fromUtf8(name));
    button->setIcon(buttonIcon(picture));
    // Neither button answers an Enter typed in a field.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setGeometry(left, kButtonTop, kButtonWidth, kButtonHeight);
    return button;
}

}  // namespace

TTBHS::TTBHS(QWidget* parent, ContentBuild build)
    : SecondaryWindow(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName("TBHS");
    setWindowTitle(QStringLiteral("梯板尺寸计算"));
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
    decimalSeparator_ = decimalSeparatorOf(QLocale::system());
    if (build == ContentBuild::Immediate) ensureContent();
}

TTBHS::~TTBHS() = default;

void TTBHS::buildContent() {
    for (const engine::GeometryFieldInfo& info : engine::geometryFieldTable()) {
        auto* field = new QLineEdit(QString::fromUtf8(info.initialText), this);
        field->setObjectName(QString::fromUtf8(info.name));
        if (!info.isInput) {
            // Results can be neither typed into nor focused; grey shows they are computed.
            field->setEnabled(false);
            QPalette grey = field->palette();
            grey.setColor(QPalette::Disabled, QPalette::Base, palette().color(QPalette::Window));
            grey.setColor(QPalette::Disabled, QPalette::Text, QColor(64, 64, 64));
            field->setPalette(grey);
        }
        edits_[static_cast<std::size_t>(info.field)] = field;
    }

    int labelNumber = 1;
    int operatorNumber = 5;
    for (std::size_t row = 0; row < formulaRows().size(); ++row) {
        const FormulaRow& formula = formulaRows()[row];
        const int top = kRowTop + static_cast<int>(row) * kRowPitch;
        label(QStringLiteral("Label%1").arg(labelNumber++), formula.caption, *this)
            ->setGeometry(kLeft, top, kClientWidth - 2 * kLeft, 18);
        int left = kLeft;
        for (std::size_t i = 0; i < formula.fields.size(); ++i) {
            edit(formula.fields[i]).setGeometry(left, top + kFieldTop, kFieldWidth, kFieldHeight);
            left += kFieldWidth;
            if (i + 1 == formula.fields.size()) break;
            QLabel* op = label(QStringLiteral("Label%1").arg(operatorNumber++),
                               i == 0 ? " = " : formula.secondOperator, *this);
            op->setAlignment(Qt::AlignCenter);
            op->setGeometry(left, top + kFieldTop, kOperatorWidth, kFieldHeight);
            left += kOperatorWidth;
        }
        if (row + 1 < formulaRows().size()) {
            auto* rule = new QFrame(this);
            rule->setObjectName(QStringLiteral("Bevel%1").arg(row + 1));
            rule->setFrameShape(QFrame::HLine);
            rule->setFrameShadow(QFrame::Sunken);
            rule->setGeometry(8, top + kRowPitch - 8, kClientWidth - 16, 2);
        }
    }

    QPushButton* convert = button("BitBtn1", "换算(&C)", ButtonPicture::Calculate, 56, *this);
    QPushButton* close =
        button("BitBtn2", "返回(&X)", ButtonPicture::Exit, kClientWidth - 56 - kButtonWidth, *this);
    connect(convert, &QPushButton::clicked, this, &TTBHS::BitBtn1Click);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    // Tab runs through the input fields row by row, then the two buttons.
    setTabOrder(&edit(G::TotalRun), &edit(G::TotalRise));
    setTabOrder(&edit(G::TotalRise), &edit(G::StepCount));
    setTabOrder(&edit(G::StepCount), &edit(G::LandingBeamWidth));
    setTabOrder(&edit(G::LandingBeamWidth), &edit(G::SpanRatio));
    setTabOrder(&edit(G::SpanRatio), convert);
    setTabOrder(convert, close);
}

QString TTBHS::fieldText(GeometryField field) const {
    if (hasContent()) return edit(field).text();
    for (const engine::GeometryFieldInfo& info : engine::geometryFieldTable()) {
        if (info.field == field) return QString::fromUtf8(info.initialText);
    }
    return QString();
}

QString TTBHS::treadWidthText() const { return fieldText(G::TreadWidth); }
QString TTBHS::riserHeightText() const { return fieldText(G::RiserHeight); }
QString TTBHS::slabThicknessText() const { return fieldText(G::SlabThickness); }
QString TTBHS::spanText() const { return fieldText(G::Span); }

void TTBHS::BitBtn1Click() {
    ensureContent();
    engine::GeometryFields fields;
    for (std::size_t i = 0; i < edits_.size(); ++i)
        fields.texts[i] = edits_[i]->text().toStdString();
    std::exception_ptr failure;
    try {
        engine::convertGeometry(fields, decimalSeparator_);
    } catch (...) {
        failure = std::current_exception();
    }
    // Whatever the conversion wrote before a failing step stays in the fields.
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        const QString text = QString::fromStdString(fields.texts[i]);
        if (edits_[i]->text() != text) edits_[i]->setText(text);
    }
    if (failure) reportErrors(prompts(), [&] { std::rethrow_exception(failure); });
}

Prompts& TTBHS::prompts() {
    if (prompts_) return prompts_();
    if (!ownPrompts_) ownPrompts_ = std::make_unique<WidgetPrompts>(*this);
    return *ownPrompts_;
}

bool TTBHS::event(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) {
        decimalSeparator_ = decimalSeparatorOf(QLocale::system());
    }
    return QDialog::event(event);
}

void TTBHS::keyPressEvent(QKeyEvent* event) {
    if (!handleDialogKey(*this, *event)) QDialog::keyPressEvent(event);
}

}  // namespace quendral::ui

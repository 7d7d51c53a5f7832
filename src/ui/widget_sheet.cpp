#include "ui/widget_sheet.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QSignalBlocker>
#include <stdexcept>

#include "ui/prompts.h"
#include "ui/typing_limit.h"

namespace quendral::ui {

using sheet::Field;

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A colour value of the sheet holds red in its low byte, then green, then blue: 255 is red.
QColor toQColor(int colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

void setTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Text, colour);
    widget.setPalette(palette);
}

bool isArrangementList(Field field) { return sheet::info(field).kind == sheet::Kind::Arrangement; }

}  // namespace

WidgetSheet::WidgetSheet(Controls controls, std::function<Prompts&()> prompts,
                         std::function<void()> hintChanged)
    : controls_(controls), prompts_(std::move(prompts)), hintChanged_(std::move(hintChanged)) {}

QWidget* WidgetSheet::widget(Field field) const {
    QWidget* widget = controls_.fields.at(static_cast<std::size_t>(field));
    if (!widget) throw std::logic_error("the main window lacks a field");
    return widget;
}

QLineEdit* WidgetSheet::edit(Field field) const { return qobject_cast<QLineEdit*>(widget(field)); }

QComboBox* WidgetSheet::combo(Field field) const { return qobject_cast<QComboBox*>(widget(field)); }

QPushButton* WidgetSheet::button(sheet::Command command) const {
    switch (command) {
        case sheet::Command::computer:
            return controls_.computer;
        case sheet::Command::Save:
            return controls_.save;
        case sheet::Command::Ptlpj:
            return controls_.landingBeam;
    }
    return nullptr;
}

std::string WidgetSheet::text(Field field) const {
    if (QComboBox* box = combo(field)) return box->currentText().toStdString();
    return edit(field)->text().toStdString();
}

void WidgetSheet::setText(Field field, std::string_view text) {
    const QString newText = toQString(text);
    if (QComboBox* box = combo(field)) {
        if (box->currentText() == newText) return;
        if (isArrangementList(field)) {
            const QSignalBlocker quiet(box);
            box->setEditText(newText);
        } else {
            box->setEditText(newText);
        }
        return;
    }
    QLineEdit* line = edit(field);
    if (line->text() == newText) return;
    setTextBeyondLimit(*line, sheet::info(field).typingLimit, newText);
}

void WidgetSheet::clearItems(Field list) {
    QComboBox* box = combo(list);
    const QSignalBlocker quiet(box);
    const QString shown = box->currentText();
    box->clear();
    box->setEditText(shown);
}

void WidgetSheet::addItem(Field list, std::string_view item) {
    QComboBox* box = combo(list);
    const QSignalBlocker quiet(box);
    // An editable box shows its first item as soon as it has one; the shown text is the
    // engine's to choose, so it is put back.
    const QString shown = box->currentText();
    box->addItem(toQString(item));
    box->setEditText(shown);
}

void WidgetSheet::setHint(Field list, std::string_view hint) {
    widget(list)->setStatusTip(toQString(hint));
    if (hintChanged_) hintChanged_();
}

void WidgetSheet::setColour(Field field, int colour) {
    QWidget* target = widget(field);
    if (QComboBox* box = combo(field); box && box->lineEdit()) target = box->lineEdit();
    setTextColour(*target, toQColor(colour));
}

void WidgetSheet::setFocus(Field field) { widget(field)->setFocus(Qt::OtherFocusReason); }

void WidgetSheet::setEnabled(sheet::Command command, bool enabled) {
    button(command)->setEnabled(enabled);
}

void WidgetSheet::warn(std::string_view text) {
    prompts_().warning(QStringLiteral("警告"), toQString(text));
}

}  // namespace quendral::ui

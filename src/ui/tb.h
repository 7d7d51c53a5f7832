#pragma once

#include <QString>
#include <array>
#include <functional>
#include <memory>

#include "engine/geometry.h"
#include "ui/secondary_window.h"

class QLineEdit;

namespace quendral::ui {

class Prompts;

// The geometry conversion dialog: turns the overall dimensions of a flight into tread width,
// riser height, span and a slab thickness, which the main window takes over whenever it
// becomes active again. It keeps its texts from one showing to the next.
class TTBHS : public SecondaryWindow {
    Q_OBJECT
public:
    explicit TTBHS(QWidget* parent = nullptr, ContentBuild build = ContentBuild::Immediate);
    ~TTBHS() override;

    // The error box that shows a failed conversion: the main window's, which the window
    // tests replace. Without one the dialog shows its own boxes.
    void setPrompts(std::function<Prompts&()> prompts) { prompts_ = std::move(prompts); }

    // The separator the conversion writes and reads numbers with; it follows the locale.
    void setDecimalSeparator(char separator) { decimalSeparator_ = separator; }

    // The four results as they stand in the dialog's fields, copied whole into the main
    // window's tread width, riser height, slab thickness and span. Before the fields are
    // built they are the fields' start texts.
    QString treadWidthText() const;
    QString riserHeightText() const;
    QString slabThicknessText() const;
    QString spanText() const;

    // The convert button: the fields' texts go through the conversion and come back; an
    // error leaves the fields written before it and shows in the error box.
    void BitBtn1Click();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildContent() override;
    QString fieldText(engine::GeometryField field) const;
    Prompts& prompts();
    QLineEdit& edit(engine::GeometryField field) const {
        return *edits_[static_cast<std::size_t>(field)];
    }

    std::array<QLineEdit*, engine::kGeometryFieldCount> edits_{};
    std::function<Prompts&()> prompts_;
    std::unique_ptr<Prompts>
        ownPrompts_;  // the dialog's own boxes, until the main window's are set
    char decimalSeparator_ = '.';
};

}  // namespace quendral::ui

#pragma once

#include <QDialog>
#include <QString>

namespace quendral::ui {

// The geometry conversion dialog: turns the overall dimensions of a flight into tread width,
// riser height, span and a slab thickness, which the main window takes over whenever it
// becomes active again.
class TTBHS : public QDialog {
    Q_OBJECT
public:
    explicit TTBHS(QWidget* parent = nullptr);

    // The four results as they stand in the dialog's fields, copied whole into the main
    // window's tread width, riser height, slab thickness and span.
    QString treadWidthText() const;
    QString riserHeightText() const;
    QString slabThicknessText() const;
    QString spanText() const;
};

}  // namespace quendral::ui

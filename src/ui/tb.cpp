#include "ui/tb.h"

namespace quendral::ui {

TTBHS::TTBHS(QWidget* parent) : QDialog(parent) {
    setObjectName("TBHS");
    setWindowTitle(QStringLiteral("梯板尺寸计算"));
    setModal(true);
}

// Until a conversion has run, the results equal the main window's defaults, so the first
// hand-back changes nothing.
QString TTBHS::treadWidthText() const { return QStringLiteral("300"); }
QString TTBHS::riserHeightText() const { return QStringLiteral("150"); }
QString TTBHS::slabThicknessText() const { return QStringLiteral("120"); }
QString TTBHS::spanText() const { return QStringLiteral("3200"); }

}  // namespace quendral::ui

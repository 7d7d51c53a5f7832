#include "ui/Lt2.h"

#include "ui/app_title.h"

namespace quendral::ui {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle(QStringLiteral("关于\"%1\"").arg(QString::fromUtf8(kApplicationTitle)));
    setModal(true);
}

void TAboutBox::alternateBand() {}

}  // namespace quendral::ui

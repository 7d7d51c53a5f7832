// quendral's main window without the four secondary windows, to tell the main window's own
// start-up cost from theirs.
#include <QApplication>

#include "app/startup_probe.h"
#include "ui/Lt1.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("startup-main-window-only"));
    quendral::ui::TMainForm form;
    quendral::app::quitAfterFirstPaint(form);
    form.show();
    return QApplication::exec();
}

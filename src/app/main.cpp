#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

#include "app/font_config_preload.h"
#include "app/hidden_options.h"
#include "app/startup_probe.h"
#include "ui/Lt1.h"
#include "ui/program_icon.h"
#include "ui/window_set.h"

namespace {

// The main window after the default calculation, with the pointer resting on the mid-span
// arrangement so the status panel shows its provided area.
void saveScreenshot(quendral::ui::TMainForm& form, const QString& file) {
    form.computerClick();
    if (auto* list = form.findChild<QComboBox*>(QStringLiteral("ComboBox5"))) {
        const QPointF inside(list->width() / 2.0, list->height() / 2.0);
        QMouseEvent move(QEvent::MouseMove, inside, list->mapToGlobal(inside), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list, &move);
    }
    form.grab().save(file);
}

}  // namespace

int main(int argc, char** argv) {
    quendral::app::FontConfigPreload fonts;  // beside the connection to the display
    QApplication application(argc, argv);
    fonts.wait();
    QApplication::setApplicationName(QStringLiteral("quendral"));
    QApplication::setWindowIcon(quendral::ui::programIcon());
    const quendral::app::HiddenOptions options =
        quendral::app::readHiddenOptions(QApplication::arguments());

    // The secondary windows' controls wait until the main window is on the screen.
    quendral::ui::WindowSet windows(quendral::ui::ContentBuild::Deferred);
    quendral::ui::TMainForm& form = windows.mainForm();
    if (options.startupProbe) quendral::app::quitAfterFirstPaint(form);
    form.show();

    if (!options.screenshotFile.isEmpty()) {
        QTimer::singleShot(200, &form, [&form, &options] {
            saveScreenshot(form, options.screenshotFile);
            QApplication::quit();
        });
    }
    return QApplication::exec();
}

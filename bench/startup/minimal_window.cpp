// The yardstick for quendral's start-up: one Qt Widgets window with a Chinese caption and a
// Chinese label (so the CJK font is loaded as in quendral), shown and painted once.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "app/startup_probe.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("startup-minimal-window"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Quendral计算程序"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("楼梯参数"), &window));
    quendral::app::quitAfterFirstPaint(window);
    window.show();
    return QApplication::exec();
}

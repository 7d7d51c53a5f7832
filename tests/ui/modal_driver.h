#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace quendral::ui::test {

// Works a modal window from inside its own event loop: once a modal window is open, action
// runs on it (and must close it), so exec() returns and the test goes on. If no modal window
// opens within the deadline, action never runs and the watch ends.
//   whenModalOpens([](QWidget& w) { w.close(); });  dialog.exec();
inline void whenModalOpens(std::function<void(QWidget&)> action, int deadlineMs = 3000) {
    auto* poll = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, clock, action, deadlineMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && clock->elapsed() < deadlineMs) return;
        poll->stop();
        poll->deleteLater();
        delete clock;
        if (modal) action(*modal);
    });
    poll->start();
}

}  // namespace quendral::ui::test

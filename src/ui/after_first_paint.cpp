#include "ui/after_first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace quendral::ui {

namespace {

class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget& window, std::function<void()> work)
        : QObject(&window), window_(window), work_(std::move(work)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint) {
            window_.removeEventFilter(this);
            // The paint itself and its flush to the screen run after this filter; the work
            // waits for the event loop.
            QTimer::singleShot(0, this, [this] {
                const std::function<void()> work = std::move(work_);
                deleteLater();
                work();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& window_;
    std::function<void()> work_;
};

}  // namespace

void runAfterFirstPaint(QWidget& window, std::function<void()> work) {
    new FirstPaintWatch(window, std::move(work));
}

}  // namespace quendral::ui

#include "ui/hint_tracker.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace quendral::ui {

HintTracker::HintTracker(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

HintTracker::~HintTracker() {
    if (qApp) qApp->removeEventFilter(this);
}

QString HintTracker::hintOf(const QWidget* widget) {
    for (; widget; widget = widget->isWindow() ? nullptr : widget->parentWidget()) {
        if (!widget->statusTip().isEmpty()) return widget->statusTip();
    }
    return {};
}

void HintTracker::refresh() { pointAt(underPointer_); }

void HintTracker::pointAt(QWidget* widget) {
    underPointer_ = widget;
    const QString hint = hintOf(widget);
    if (hint == current_) return;
    current_ = hint;
    emit hintChanged(current_);
}

bool HintTracker::eventFilter(QObject* watched, QEvent* event) {
    if (!watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
        case QEvent::MouseMove: {
            // Moves over a disabled control reach the application's filters too, addressed to
            // that control; the deepest visible child under the pointer is the one that counts.
            const auto* move = static_cast<QMouseEvent*>(event);
            QWidget* window = widget->window();
            QWidget* under =
                window->childAt(window->mapFromGlobal(move->globalPosition().toPoint()));
            pointAt(under ? under : window);
            break;
        }
        case QEvent::Leave:
            if (widget->isWindow() && underPointer_ && underPointer_->window() == widget) {
                pointAt(nullptr);
            }
            break;
        default:
            break;
    }
    return false;
}

}  // namespace quendral::ui

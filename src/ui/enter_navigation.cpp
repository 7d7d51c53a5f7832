#include "ui/enter_navigation.h"

#include <QWidget>
#include <algorithm>

namespace quendral::ui {

namespace {

bool takesEnterFocus(const QWidget& widget) {
    return widget.isVisible() && widget.isEnabled() && (widget.focusPolicy() & Qt::TabFocus);
}

// The index of the listed control that current is or lies inside; size() when none.
std::size_t indexOf(std::span<QWidget* const> tabOrder, const QWidget* current) {
    for (; current; current = current->parentWidget()) {
        const auto found = std::find(tabOrder.begin(), tabOrder.end(), current);
        if (found != tabOrder.end()) return static_cast<std::size_t>(found - tabOrder.begin());
    }
    return tabOrder.size();
}

}  // namespace

QWidget* nextOnEnter(std::span<QWidget* const> tabOrder, const QWidget* current) {
    const std::size_t count = tabOrder.size();
    const std::size_t start = indexOf(tabOrder, current);
    for (std::size_t step = 1; step <= count; ++step) {
        // From a control outside the list the search starts at the first one.
        const std::size_t index = start == count ? step - 1 : (start + step) % count;
        if (takesEnterFocus(*tabOrder[index])) return tabOrder[index];
    }
    return nullptr;
}

}  // namespace quendral::ui

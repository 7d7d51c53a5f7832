#include "ui/typing_limit.h"

#include <QLineEdit>
#include <algorithm>

namespace quendral::ui {

namespace {

constexpr int kNoLimit = 32767;  // the toolkit's own "unlimited"

int maxLengthFor(int limit, qsizetype textLength) {
    if (limit <= 0) return kNoLimit;
    return static_cast<int>(std::max<qsizetype>(limit, textLength));
}

// Changing the maximum length re-sets the text and moves the cursor, so it is done only when
// the value really changes.
void updateMaxLength(QLineEdit& edit, int maxLength) {
    if (edit.maxLength() != maxLength) edit.setMaxLength(maxLength);
}

}  // namespace

void applyTypingLimit(QLineEdit& edit, int limit) {
    updateMaxLength(edit, maxLengthFor(limit, edit.text().size()));
    QObject::connect(&edit, &QLineEdit::textEdited, &edit, [&edit, limit](const QString& text) {
        updateMaxLength(edit, maxLengthFor(limit, text.size()));
    });
}

void setTextBeyondLimit(QLineEdit& edit, int limit, const QString& text) {
    updateMaxLength(edit, std::max(edit.maxLength(), maxLengthFor(limit, text.size())));
    edit.setText(text);
    updateMaxLength(edit, maxLengthFor(limit, text.size()));
}

}  // namespace quendral::ui

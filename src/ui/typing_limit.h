#pragma once

class QLineEdit;
class QString;

namespace quendral::ui {

// A field's typing limit holds for what the user types, never for what the program writes:
// a span of "3200.00" handed back by the geometry dialog is shown whole in a field that
// takes six typed characters. The field's maximum length is therefore the larger of the limit
// and the length of its text, so typing can shorten an over-long text but never lengthen it.

// Gives edit the limit (0: none) and keeps it in force as the user edits.
void applyTypingLimit(QLineEdit& edit, int limit);

// Sets the whole text, beyond the limit where need be. The text-change notification runs as
// for any other change.
void setTextBeyondLimit(QLineEdit& edit, int limit, const QString& text);

}  // namespace quendral::ui

#pragma once

#include <QString>
#include <memory>
#include <optional>

class QFileDialog;
class QWidget;

namespace quendral::ui {

// Everything that stops to ask the user: message boxes and the save dialog. The windows
// only talk to this interface, so the window tests can answer and record instead.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A modal box with one OK button and the exclamation icon; returns once it is closed.
    virtual void warning(const QString& caption, const QString& text) = 0;
    // The error box: the program's title as caption, the stop icon, one OK button.
    virtual void error(const QString& text) = 0;
    // The save dialog with the proposed file name; the confirmed path, or nullopt when the
    // user cancelled.
    virtual std::optional<QString> askSavePath(const QString& proposedName) = 0;
};

// The real boxes and the real dialog, modal to every window of the program.
class WidgetPrompts : public Prompts {
public:
    // The save dialog belongs to owner and keeps its filter choice from one use to the next.
    explicit WidgetPrompts(QWidget& owner);
    ~WidgetPrompts() override;

    void warning(const QString& caption, const QString& text) override;
    void error(const QString& text) override;
    std::optional<QString> askSavePath(const QString& proposedName) override;

private:
    QFileDialog& saveDialog();

    QWidget& owner_;
    std::unique_ptr<QFileDialog> saveDialog_;  // made at the first Save, not at start-up
};

}  // namespace quendral::ui

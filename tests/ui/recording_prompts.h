#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "ui/prompts.h"

// Answers the program's questions without showing anything and keeps what it was asked, so a
// test never waits in a message box's event loop.
class RecordingPrompts : public quendral::ui::Prompts {
public:
    void warning(const QString& caption, const QString& text) override;
    void error(const QString& text) override;
    std::optional<QString> askSavePath(const QString& proposedName) override;

    QStringList warnings;  // "caption|text"
    QStringList errors;
    QStringList proposedNames;
    std::optional<QString> savePath;  // the answer of the save dialog; nullopt cancels
};

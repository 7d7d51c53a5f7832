#include "recording_prompts.h"

void RecordingPrompts::warning(const QString& caption, const QString& text) {
    warnings << caption + QLatin1Char('|') + text;
}

void RecordingPrompts::error(const QString& text) { errors << text; }

std::optional<QString> RecordingPrompts::askSavePath(const QString& proposedName) {
    proposedNames << proposedName;
    return savePath;
}

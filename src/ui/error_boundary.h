#pragma once

#include <QString>
#include <exception>
#include <utility>

#include "numeric/error.h"
#include "ui/prompts.h"

namespace quendral::ui {

// Runs one event's handling. An error ends it where it was raised, whatever it had written
// stays on screen, and the error box shows the message; the program then goes on with the
// next event. Nothing may escape into the toolkit's event loop.
//   a coefficient "1/9" -> error box "'1/9' is not a valid floating point value."
template <typename Handler>
void reportErrors(Prompts& prompts, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& e) {
        prompts.error(QString::fromStdString(errorBoxText(e.what())));
    } catch (...) {
        prompts.error(QString::fromStdString(errorBoxText("Unknown error")));
    }
}

}  // namespace quendral::ui

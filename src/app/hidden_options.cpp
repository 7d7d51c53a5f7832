#include "app/hidden_options.h"

namespace quendral::app {

HiddenOptions readHiddenOptions(const QStringList& arguments) {
    HiddenOptions options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--screenshot") && i + 1 < arguments.size()) {
            options.screenshotFile = arguments[++i];
        } else if (arguments[i] == QLatin1String("--startup-probe")) {
            options.startupProbe = true;
        }
    }
    return options;
}

}  // namespace quendral::app

#include "app/font_config_preload.h"

#include <fontconfig/fontconfig.h>

namespace quendral::app {

FontConfigPreload::FontConfigPreload() : reader_([] { FcInit(); }) {}

FontConfigPreload::~FontConfigPreload() { wait(); }

void FontConfigPreload::wait() {
    if (reader_.joinable()) reader_.join();
}

}  // namespace quendral::app

#pragma once

#include <thread>

namespace quendral::app {

// Reads the desktop's font configuration (the configuration files and the font caches, the
// largest single piece of work before the first window can be drawn) on a thread of its
// own, so that it overlaps the application's connection to the display, which is mostly
// waiting. The toolkit's font database later finds it done; the reading is the same either
// way and safe to run beside the toolkit.
class FontConfigPreload {
public:
    FontConfigPreload();
    ~FontConfigPreload();
    FontConfigPreload(const FontConfigPreload&) = delete;
    FontConfigPreload& operator=(const FontConfigPreload&) = delete;

    // Returns once the configuration has been read; call before the first window is built, so
    // the toolkit does not start a second reading beside this one.
    void wait();

private:
    std::thread reader_;
};

}  // namespace quendral::app

#pragma once

class QWidget;

namespace quendral::app {

// Once window has been painted for the first time, prints one line to standard output,
// "first-paint <Unix time in ns> rss-kb <resident memory in KiB>", and quits the event loop.
// The caller measures start-up as the time from its launch of the process to that moment.
void quitAfterFirstPaint(QWidget& window);

}  // namespace quendral::app

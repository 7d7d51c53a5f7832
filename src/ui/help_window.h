#pragma once

#include <QWidget>

class QTextBrowser;

namespace quendral::ui {

// The program's help: its own pages, shown in a window of their own that belongs to the
// main window, with back, forward and contents buttons.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner);

    // Opens the window at the contents page and brings it to the front.
    void showContents();

    QTextBrowser& browser() { return *browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace quendral::ui

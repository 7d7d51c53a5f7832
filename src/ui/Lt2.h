#pragma once

#include <QDialog>

namespace quendral::ui {

class Tphoto;

// The About window: the program's identification, with a band that alternates between the
// information rows and the notice lines while the main window's Timer2 runs.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // The picture window that the hidden mouse gesture opens over this window.
    void setPictureWindow(Tphoto* photo) { photo_ = photo; }

    // One tick of the alternation: the information rows give way to the notice lines, or
    // the other way round.
    void alternateBand();

private:
    Tphoto* photo_ = nullptr;
};

}  // namespace quendral::ui

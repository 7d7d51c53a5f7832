#include "ui/sjypic.h"

#include <QKeyEvent>
#include <QLabel>

#include "ui/about_pictures.h"
#include "ui/dialog_keys.h"

namespace quendral::ui {

Tphoto::Tphoto(QWidget* parent, ContentBuild build)
    : SecondaryWindow(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName("photo");
    setWindowTitle(QStringLiteral("设计院集体照"));
    setModal(true);
    setSizeGripEnabled(false);
    // With its frame the window measures about 640 x 480, a little less than the picture.
    resize(632, 446);
    if (build == ContentBuild::Immediate) ensureContent();
}

void Tphoto::buildContent() {
    auto* image = new QLabel(this);
    image->setObjectName("Image1");
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(groupPicture());
    // The picture keeps its size: a smaller window shows its top-left part, a larger one
    // leaves the rest of the window empty.
    image->setGeometry(0, 0, image->pixmap().width(), image->pixmap().height());
}

// Like the program's other windows it closes by its title-bar button, not by Esc.
void Tphoto::keyPressEvent(QKeyEvent* event) {
    if (!handleDialogKey(*this, *event)) QDialog::keyPressEvent(event);
}

}  // namespace quendral::ui

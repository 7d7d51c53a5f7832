#pragma once

class QPixmap;

namespace quendral::ui {

// The pictures of the About window and the picture window, drawn by the program itself so
// that it carries no image files.

// The project's logo, 94 x 27 on a transparent ground.
QPixmap projectLogo();

// The designer's mark, 90 x 27 on a transparent ground: a signature stroke.
QPixmap designerPicture();

// The picture window's group picture, 640 x 477: the team in two rows before their office.
QPixmap groupPicture();

}  // namespace quendral::ui

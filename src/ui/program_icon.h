#pragma once

#include <QIcon>
#include <QPixmap>

namespace quendral::ui {

// The program's icon, the same artwork as the menu entry's. Only the sizes a title bar and a
// task bar use at 100 % and 200 % are read: each decoded picture costs start-up time.
QIcon programIcon();

// The 32 x 32 picture of the same artwork, for the About window.
QPixmap programIconPicture();

}  // namespace quendral::ui

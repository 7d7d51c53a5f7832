#pragma once

#include <QIcon>

namespace quendral::ui {

// The small pictures of the command buttons, drawn here at 16 and 32 pixels so they stay
// sharp at 200 % and cost no icon-theme search at start-up. The toolkit greys them itself
// for a disabled button.
enum class ButtonPicture { Calculate, Save, Help, About, Exit };

QIcon buttonIcon(ButtonPicture picture);

}  // namespace quendral::ui

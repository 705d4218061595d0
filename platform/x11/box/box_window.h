// The modal message box: a dialog window with an icon, the text and a row of buttons, on an X
// connection of the boxes' own.
#ifndef TALVO_PLATFORM_X11_BOX_BOX_WINDOW_H
#define TALVO_PLATFORM_X11_BOX_BOX_WINDOW_H

#include "box/box_style.h"

#include <X11/Xlib.h>

#include <optional>
#include <string>

namespace x11 {

// Shows the box, above `owner` if it is not None, and returns the answer once it is dismissed:
// the button the user chose, or the style's cancel answer when another client took the box or
// its connection away. Empty, with nothing shown, when no display can be opened or no font found.
std::optional<int> showMessageBox(const std::u16string& text, const std::u16string& caption,
                                  const BoxStyle& style, Window owner);

} // namespace x11

#endif

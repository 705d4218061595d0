// The modal warning box: a dialog window with a warning sign, the text and one OK button, on an X
// connection of the boxes' own.
#ifndef TALVO_PLATFORM_X11_BOX_WARNING_BOX_H
#define TALVO_PLATFORM_X11_BOX_WARNING_BOX_H

#include <X11/Xlib.h>

#include <string>

namespace x11 {

// Shows the box, above `owner` if it is not None, and returns once it is dismissed: by the user,
// or by another client taking the box or its connection away. False, with nothing shown, when no
// display can be opened or no font found.
bool showWarningBox(const std::u16string& text, const std::u16string& caption, Window owner);

} // namespace x11

#endif

// The modal warning box: a dialog window drawn with Xft, with a warning sign, the text and one OK
// button, on an X connection opened for the box and closed with it.
#ifndef TALVO_PLATFORM_X11_WARNING_BOX_H
#define TALVO_PLATFORM_X11_WARNING_BOX_H

#include <X11/Xlib.h>

#include <string>

namespace x11 {

// Shows the box, above `owner` if it is not None, and returns once the user has dismissed it;
// false, with nothing shown, when no display can be opened or no font found. Texts in UTF-8.
bool showWarningBox(const std::string& text, const std::string& caption, Window owner);

} // namespace x11

#endif

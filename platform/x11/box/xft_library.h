// Xft and fontconfig, with FreeType and what it needs, loaded when the message box first needs
// them rather than with the program: a program that starts well shows no box and never pays for
// them.
#ifndef TALVO_PLATFORM_X11_BOX_XFT_LIBRARY_H
#define TALVO_PLATFORM_X11_BOX_XFT_LIBRARY_H

#include <X11/Xft/Xft.h>

namespace x11 {

// The functions the box uses, named as in the libraries without their prefix.
struct XftLibrary {
    decltype(&XftFontOpenName) fontOpenName;
    decltype(&XftFontClose) fontClose;
    decltype(&XftTextExtents16) textExtents16;
    decltype(&XftDrawCreate) drawCreate;
    decltype(&XftDrawDestroy) drawDestroy;
    decltype(&XftDrawString16) drawString16;
    decltype(&FcFini) fcFini;
};

// Loaded on the first call and kept; null when the libraries or one of the functions cannot be
// had, then and on every later call.
const XftLibrary* xftLibrary();

// Fontconfig keeps its configuration and the fonts it matched until told otherwise: told once no
// connection that used them is open.
void releaseFontConfiguration();

} // namespace x11

#endif

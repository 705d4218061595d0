// wglUseFontBitmapsA: display lists that draw the glyphs of the system font, made by GLX from an X
// font. The characters are the system's code page's, Windows-1254, as GDI takes them.
#include "core/device_context.h"
#include "platform/text/windows1254.h"
#include "xlib/connection.h"

#include <GL/glx.h>
#include <X11/Xatom.h>

#include <cstring>
#include <strings.h>

namespace x11 {
namespace {

// A font indexed by Unicode has every letter of the code page; "fixed" is built into the servers.
const char* const systemFontNames[] = {"-*-*-bold-r-normal--16-*-*-*-*-*-iso10646-1", "fixed"};

XFontStruct* loadSystemFont() {
    for (const char* name : systemFontNames)
        if (XFontStruct* font = XLoadQueryFont(display(), name))
            return font;
    return nullptr;
}

bool indexedByUnicode(XFontStruct* font) {
    Atom nameAtom = None;
    if (!XGetFontProperty(font, XA_FONT, &nameAtom))
        return false;
    char* name = XGetAtomName(display(), nameAtom);
    const std::size_t length = name ? std::strlen(name) : 0;
    const char suffix[] = "iso10646-1";
    const bool unicode =
        length >= sizeof suffix - 1 && strcasecmp(name + length - (sizeof suffix - 1), suffix) == 0;
    XFree(name);
    return unicode;
}

// The glyph of a character: in a font of another encoding (Latin-1, as "fixed" usually is) the
// Latin-1 one, and a question mark for a letter beyond it.
unsigned glyphOf(DWORD character, bool unicodeFont) {
    const unsigned unicode = character < 256
                                 ? windows1254::toUnicode(static_cast<unsigned char>(character))
                                 : static_cast<unsigned>(character);
    return unicodeFont || unicode < 256 ? unicode : '?';
}

} // namespace
} // namespace x11

// The lists go to the current context, so there must be one. GLX makes a run of consecutive glyphs
// in one go; the code page's letters beyond Latin-1 break the runs.
BOOL WINAPI wglUseFontBitmapsA(HDC deviceContext, DWORD first, DWORD count, DWORD listBase) {
    if (!x11::windowOfDeviceContext(deviceContext)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    XFontStruct* font = glXGetCurrentContext() ? x11::loadSystemFont() : nullptr;
    if (!font)
        return FALSE;
    const bool unicodeFont = x11::indexedByUnicode(font);
    for (DWORD start = 0; start < count;) {
        const unsigned glyph = x11::glyphOf(first + start, unicodeFont);
        DWORD run = 1;
        while (start + run < count && x11::glyphOf(first + start + run, unicodeFont) == glyph + run)
            ++run;
        glXUseXFont(font->fid, static_cast<int>(glyph), static_cast<int>(run),
                    static_cast<int>(listBase + start));
        start += run;
    }
    XFreeFont(x11::display(), font);
    return TRUE;
}

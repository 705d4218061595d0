#include "box/box_font.h"

#include <vector>

namespace x11 {
namespace {

const char xftPattern[] = "sans-serif:pixelsize=14:antialias=true";
// A font indexed by Unicode shows every letter of the texts; "fixed" is built into the servers.
const char* const coreFontNames[] = {"-*-*-medium-r-normal--14-*-*-*-*-*-iso10646-1", "fixed"};

std::vector<FcChar16> unitsOf(const std::u16string& text) {
    return std::vector<FcChar16>(text.begin(), text.end());
}

// What the server draws for each character: a character beyond the font's range, as a Unicode
// letter is in a Latin-1 font, shows as a question mark rather than as nothing.
std::vector<XChar2b> glyphsOf(const XFontStruct& font, const std::u16string& text) {
    // A font of one row is indexed by the whole 16 bits; others by row and column.
    const bool linear = font.min_byte1 == 0 && font.max_byte1 == 0;
    std::vector<XChar2b> glyphs;
    for (const char16_t character : text) {
        const unsigned row = character >> 8;
        const unsigned column = character & 0xFF;
        const bool inFont =
            linear ? character >= font.min_char_or_byte2 && character <= font.max_char_or_byte2
                   : row >= font.min_byte1 && row <= font.max_byte1 &&
                         column >= font.min_char_or_byte2 && column <= font.max_char_or_byte2;
        glyphs.push_back(
            inFont ? XChar2b{static_cast<unsigned char>(row), static_cast<unsigned char>(column)}
                   : XChar2b{0, '?'});
    }
    return glyphs;
}

} // namespace

BoxFont::BoxFont(Display* connection, int screenNumber)
    : display(connection), screen(screenNumber) {
    if (!display)
        return;
    xft = xftLibrary();
    if (xft)
        xftFont = xft->fontOpenName(display, screen, xftPattern);
    for (const char* name : coreFontNames) {
        if (xftFont || coreFont)
            return;
        coreFont = XLoadQueryFont(display, name);
    }
}

BoxFont::~BoxFont() {
    stopDrawing();
    if (xftFont)
        xft->fontClose(display, xftFont);
    if (coreFont)
        XFreeFont(display, coreFont);
}

void BoxFont::stopDrawing() {
    if (xftDraw)
        xft->drawDestroy(xftDraw);
    xftDraw = nullptr;
}

int BoxFont::ascent() const {
    return xftFont ? xftFont->ascent : coreFont->ascent;
}

int BoxFont::descent() const {
    return xftFont ? xftFont->descent : coreFont->descent;
}

int BoxFont::lineHeight() const {
    return xftFont ? xftFont->height : coreFont->ascent + coreFont->descent;
}

int BoxFont::width(const std::u16string& text) const {
    if (coreFont) {
        const std::vector<XChar2b> glyphs = glyphsOf(*coreFont, text);
        return XTextWidth16(coreFont, glyphs.data(), static_cast<int>(glyphs.size()));
    }
    const std::vector<FcChar16> units = unitsOf(text);
    XGlyphInfo extents;
    xft->textExtents16(display, xftFont, units.data(), static_cast<int>(units.size()), &extents);
    return extents.xOff;
}

void BoxFont::draw(Window window, GC gc, int x, int y, const std::u16string& text,
                   const XColor& color) {
    if (coreFont) {
        const std::vector<XChar2b> glyphs = glyphsOf(*coreFont, text);
        XSetForeground(display, gc, color.pixel);
        XSetFont(display, gc, coreFont->fid);
        XDrawString16(display, window, gc, x, y, glyphs.data(), static_cast<int>(glyphs.size()));
        return;
    }
    if (xftDraw && drawnWindow != window)
        stopDrawing();
    if (!xftDraw)
        xftDraw = xft->drawCreate(display, window, DefaultVisual(display, screen),
                                  DefaultColormap(display, screen));
    drawnWindow = window;
    const XftColor xftColor = {color.pixel, {color.red, color.green, color.blue, 0xFFFF}};
    const std::vector<FcChar16> units = unitsOf(text);
    xft->drawString16(xftDraw, &xftColor, xftFont, x, y, units.data(),
                      static_cast<int>(units.size()));
}

} // namespace x11

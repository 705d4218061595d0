// The message box's font: Xft's antialiased one where the text libraries and a font can be had,
// otherwise one of the X server's own core fonts, which every server has.
#ifndef TALVO_PLATFORM_X11_BOX_BOX_FONT_H
#define TALVO_PLATFORM_X11_BOX_BOX_FONT_H

#include "box/xft_library.h"

#include <X11/Xlib.h>

#include <string>

namespace x11 {

// Texts are UTF-16, every character in the Basic Multilingual Plane.
class BoxFont {
  public:
    // No font at all on a null connection.
    BoxFont(Display* connection, int screenNumber);
    ~BoxFont();
    BoxFont(const BoxFont&) = delete;
    BoxFont& operator=(const BoxFont&) = delete;

    bool ready() const { return xftFont || coreFont; }
    int ascent() const;
    int descent() const;
    int lineHeight() const;
    int width(const std::u16string& text) const;
    // With the left end of its baseline at (x, y). A core font draws through `gc`.
    void draw(Window window, GC gc, int x, int y, const std::u16string& text, const XColor& color);
    // Before the window drawn on goes.
    void stopDrawing();

  private:
    Display* const display;
    const int screen;
    const XftLibrary* xft = nullptr;
    XftFont* xftFont = nullptr;
    XftDraw* xftDraw = nullptr; // made for the window drawn on, on its first drawing
    Window drawnWindow = None;
    XFontStruct* coreFont = nullptr;
};

} // namespace x11

#endif

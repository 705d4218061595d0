#include "platform/x11/warning_box.h"

#include "platform/x11/display.h"
#include "platform/x11/window_properties.h"

#include <X11/Xatom.h>
#include <X11/Xft/Xft.h>
#include <X11/XKBlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <vector>

namespace x11 {
namespace {

const char fontPattern[] = "sans-serif:pixelsize=14:antialias=true";
const int margin = 16;
const int iconSize = 32;
const int iconGap = 14;
const int buttonWidth = 88;
const int buttonHeight = 28;
const int minimumTextWidth = 160;
// Room the window manager's title bar takes beside the caption: icon and buttons.
const int titleBarAllowance = 120;

struct Rectangle {
    int x;
    int y;
    int width;
    int height;
    bool contains(int px, int py) const {
        return px >= x && px < x + width && py >= y && py < y + height;
    }
};

enum Color {
    backgroundColor,
    textColor,
    buttonFaceColor,
    buttonHeldColor,
    defaultEdgeColor,
    signFillColor,
    signEdgeColor,
    colorCount
};
const XRenderColor colorValues[colorCount] = {
    {0xF0F0, 0xF0F0, 0xF0F0, 0xFFFF}, {0x0000, 0x0000, 0x0000, 0xFFFF},
    {0xE1E1, 0xE1E1, 0xE1E1, 0xFFFF}, {0xADAD, 0xADAD, 0xADAD, 0xFFFF},
    {0x0000, 0x7878, 0xD7D7, 0xFFFF}, {0xFFFF, 0xCCCC, 0x0000, 0xFFFF},
    {0x9999, 0x6666, 0x0000, 0xFFFF},
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return lines;
        start = end + 1;
    }
}

class WarningBox {
  public:
    WarningBox(const std::string& text, const std::string& caption, Window owner);
    WarningBox(const WarningBox&) = delete;
    WarningBox& operator=(const WarningBox&) = delete;
    ~WarningBox();
    bool ready() const { return draw != nullptr; }
    void runUntilDismissed();

  private:
    int textWidth(const std::string& line) const;
    void layOut(const std::string& caption);
    void createWindow(const std::string& text, const std::string& caption, Window owner);
    void paint();
    void paintSign();
    void paintButton();
    bool handle(const XEvent& event); // true once the box is dismissed

    // Opened for the box and closed with it: nothing the box sets or reads touches the program's.
    const Connection connection = openConnection();
    Display* const display = connection.display;
    const Atoms& atoms = connection.atoms;
    int screen = 0;
    XftFont* font = nullptr;
    XftDraw* draw = nullptr;
    XftColor colors[colorCount] = {};
    std::vector<std::string> lines;
    Window window = None;
    int width = 0;
    int height = 0;
    Rectangle sign = {};
    Rectangle button = {};
    bool buttonHeld = false;
    bool keyHeld = false;
};

WarningBox::WarningBox(const std::string& text, const std::string& caption, Window owner)
    : lines(linesOf(text)) {
    if (!display)
        return;
    screen = DefaultScreen(display);
    // A held key repeats as presses alone, without the releases in between.
    XkbSetDetectableAutoRepeat(display, True, nullptr);
    font = XftFontOpenName(display, screen, fontPattern);
    if (!font)
        return;
    Visual* visual = DefaultVisual(display, screen);
    const Colormap colormap = DefaultColormap(display, screen);
    for (int i = 0; i < colorCount; ++i)
        XftColorAllocValue(display, visual, colormap, &colorValues[i], &colors[i]);
    layOut(caption);
    createWindow(text, caption, owner);
    draw = XftDrawCreate(display, window, visual, colormap);
}

WarningBox::~WarningBox() {
    if (!display)
        return;
    if (draw)
        XftDrawDestroy(draw);
    if (window)
        XDestroyWindow(display, window);
    if (font) {
        Visual* visual = DefaultVisual(display, screen);
        const Colormap colormap = DefaultColormap(display, screen);
        for (XftColor& color : colors)
            XftColorFree(display, visual, colormap, &color);
        XftFontClose(display, font);
    }
    XCloseDisplay(display);
}

int WarningBox::textWidth(const std::string& line) const {
    XGlyphInfo extents;
    XftTextExtentsUtf8(display, font, reinterpret_cast<const FcChar8*>(line.c_str()),
                       static_cast<int>(line.size()), &extents);
    return extents.xOff;
}

// The sign on the left, the text beside it, the button centred below both; wide enough for the
// caption to show whole in the title bar.
void WarningBox::layOut(const std::string& caption) {
    int widest = minimumTextWidth;
    for (const std::string& line : lines)
        widest = std::max(widest, textWidth(line));
    const int textHeight = static_cast<int>(lines.size()) * font->height;
    const int contentHeight = std::max(iconSize, textHeight);
    width = std::max(margin + iconSize + iconGap + widest + margin,
                     textWidth(caption) + titleBarAllowance);
    height = margin + contentHeight + margin + buttonHeight + margin;
    sign = {margin, margin + (contentHeight - iconSize) / 2, iconSize, iconSize};
    button = {(width - buttonWidth) / 2, height - margin - buttonHeight, buttonWidth, buttonHeight};
}

// A fixed-size dialog centred on the screen, above its owner when it has one. The text is kept in
// a property of its own too, so scripts can read what the box says.
void WarningBox::createWindow(const std::string& text, const std::string& caption, Window owner) {
    XSetWindowAttributes attributes = {};
    attributes.background_pixel = colors[backgroundColor].pixel;
    attributes.event_mask = ExposureMask | KeyPressMask | KeyReleaseMask | ButtonPressMask |
                            ButtonReleaseMask | StructureNotifyMask;
    const int x = (DisplayWidth(display, screen) - width) / 2;
    const int y = (DisplayHeight(display, screen) - height) / 2;
    window = XCreateWindow(display, RootWindow(display, screen), x, y, static_cast<unsigned>(width),
                           static_cast<unsigned>(height), 0, CopyFromParent, InputOutput,
                           CopyFromParent, CWBackPixel | CWEventMask, &attributes);

    setTitle(connection, window, caption);
    setCloseProtocol(connection, window);
    setDecorations(connection, window, WS_CAPTION | WS_SYSMENU);
    setFixedPlacement(connection, window, x, y, width, height);
    XWMHints hints = {};
    hints.flags = InputHint;
    hints.input = True;
    XSetWMHints(display, window, &hints);
    const Atom dialog = atoms.netWmWindowTypeDialog;
    XChangeProperty(display, window, atoms.netWmWindowType, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&dialog), 1);
    if (owner) {
        XSetTransientForHint(display, window, owner);
        const Atom modal = atoms.netWmStateModal;
        XChangeProperty(display, window, atoms.netWmState, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&modal), 1);
    }
    XChangeProperty(display, window, atoms.messageText, atoms.utf8String, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(text.c_str()),
                    static_cast<int>(text.size()));
    XMapRaised(display, window);
}

// A yellow warning triangle with an exclamation mark.
void WarningBox::paintSign() {
    GC gc = XCreateGC(display, window, 0, nullptr);
    XPoint corners[] = {
        {static_cast<short>(sign.x + sign.width / 2), static_cast<short>(sign.y)},
        {static_cast<short>(sign.x + sign.width - 1), static_cast<short>(sign.y + sign.height - 2)},
        {static_cast<short>(sign.x), static_cast<short>(sign.y + sign.height - 2)},
        {static_cast<short>(sign.x + sign.width / 2), static_cast<short>(sign.y)},
    };
    XSetForeground(display, gc, colors[signFillColor].pixel);
    XFillPolygon(display, window, gc, corners, 3, Convex, CoordModeOrigin);
    XSetForeground(display, gc, colors[signEdgeColor].pixel);
    XDrawLines(display, window, gc, corners, 4, CoordModeOrigin);
    XFreeGC(display, gc);

    const int stemX = sign.x + sign.width / 2 - 2;
    XftDrawRect(draw, &colors[textColor], stemX, sign.y + 10, 4, 12);
    XftDrawRect(draw, &colors[textColor], stemX, sign.y + 24, 4, 4);
}

// The one button is the default: it wears the accent edge.
void WarningBox::paintButton() {
    const int edge = 2;
    XftDrawRect(draw, &colors[defaultEdgeColor], button.x, button.y, button.width, button.height);
    XftDrawRect(draw, &colors[buttonHeld ? buttonHeldColor : buttonFaceColor], button.x + edge,
                button.y + edge, button.width - 2 * edge, button.height - 2 * edge);
    const std::string label = "OK";
    const int labelX = button.x + (button.width - textWidth(label)) / 2;
    const int labelY = button.y + (button.height + font->ascent - font->descent) / 2;
    XftDrawStringUtf8(draw, &colors[textColor], font, labelX, labelY,
                      reinterpret_cast<const FcChar8*>(label.c_str()),
                      static_cast<int>(label.size()));
}

void WarningBox::paint() {
    XftDrawRect(draw, &colors[backgroundColor], 0, 0, static_cast<unsigned>(width),
                static_cast<unsigned>(height));
    paintSign();
    const int textX = sign.x + sign.width + iconGap;
    const int textHeight = static_cast<int>(lines.size()) * font->height;
    int baseline = sign.y + (sign.height - textHeight) / 2 + font->ascent;
    for (const std::string& line : lines) {
        XftDrawStringUtf8(draw, &colors[textColor], font, textX, baseline,
                          reinterpret_cast<const FcChar8*>(line.c_str()),
                          static_cast<int>(line.size()));
        baseline += font->height;
    }
    paintButton();
}

bool dismissingKey(const XKeyEvent& event) {
    const KeySym key = XLookupKeysym(const_cast<XKeyEvent*>(&event), 0);
    return key == XK_Return || key == XK_KP_Enter || key == XK_space || key == XK_Escape;
}

// Return, Space and Escape press the button, as does a click released on it, and the close box.
// A key counts once it is released after being pressed in this box: a key still held from the
// box before, or repeating, does not dismiss the next one.
bool WarningBox::handle(const XEvent& event) {
    switch (event.type) {
    case Expose:
        if (event.xexpose.count == 0)
            paint();
        return false;
    case KeyPress:
        keyHeld = dismissingKey(event.xkey);
        return false;
    case KeyRelease:
        return keyHeld && dismissingKey(event.xkey);
    case ButtonPress:
        buttonHeld =
            event.xbutton.button == Button1 && button.contains(event.xbutton.x, event.xbutton.y);
        paintButton();
        return false;
    case ButtonRelease: {
        const bool clicked = buttonHeld && button.contains(event.xbutton.x, event.xbutton.y);
        buttonHeld = false;
        paintButton();
        return clicked;
    }
    case ClientMessage:
        return event.xclient.message_type == atoms.wmProtocols &&
               static_cast<Atom>(event.xclient.data.l[0]) == atoms.wmDeleteWindow;
    default:
        return false;
    }
}

// Every event on the box's connection is the box's.
void WarningBox::runUntilDismissed() {
    XEvent event;
    do
        XNextEvent(display, &event);
    while (!handle(event));
}

} // namespace

bool showWarningBox(const std::string& text, const std::string& caption, Window owner) {
    WarningBox box(text, caption, owner);
    if (!box.ready())
        return false;
    box.runUntilDismissed();
    return true;
}

} // namespace x11

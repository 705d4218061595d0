#include "box/warning_box.h"

#include "box/box_font.h"
#include "core/text_encoding.h"
#include "xlib/connection.h"
#include "xlib/window_properties.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <memory>
#include <poll.h>
#include <vector>

namespace x11 {
namespace {

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
const unsigned short colorValues[colorCount][3] = {
    {0xF0F0, 0xF0F0, 0xF0F0}, {0x0000, 0x0000, 0x0000}, {0xE1E1, 0xE1E1, 0xE1E1},
    {0xADAD, 0xADAD, 0xADAD}, {0x0000, 0x7878, 0xD7D7}, {0xFFFF, 0xCCCC, 0x0000},
    {0x9999, 0x6666, 0x0000},
};

std::vector<std::u16string> linesOf(const std::u16string& text) {
    std::vector<std::u16string> lines;
    std::u16string::size_type start = 0;
    for (;;) {
        const std::u16string::size_type end = text.find(u'\n', start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::u16string::npos)
            return lines;
        start = end + 1;
    }
}

// Closed last, after everything made on it.
struct BoxConnection {
    BoxConnection() = default;
    BoxConnection(const BoxConnection&) = delete;
    BoxConnection& operator=(const BoxConnection&) = delete;
    ~BoxConnection() {
        if (connection.display)
            XCloseDisplay(connection.display);
    }
    bool lost = false; // its address is the connection's, to be set when it is lost
    const Connection connection = openConnection(lost);
};

// The boxes' own connection to the server, with its font: nothing a box sets or reads touches the
// program's connection. It is opened with the first box and kept for the next ones, until the
// program ends. One that is lost (another client killed it) is kept as it is, and the next box
// opens another: closing a connection runs the text libraries' close hooks, and whether the render
// library then remembers the connection it has freed, to be taken for the next one opened at the
// same address, would depend on their order.
struct BoxSession {
    BoxConnection own;
    BoxFont font{own.connection.display,
                 own.connection.display ? DefaultScreen(own.connection.display) : 0};
};

struct BoxPartState {
    std::vector<std::unique_ptr<BoxSession>> sessions; // the current one last
    ~BoxPartState() {
        sessions.clear();
        releaseFontConfiguration();
    }
} part;

// The session for the next box: the current one, or a new one where it was lost or none was made.
BoxSession& boxSession() {
    if (part.sessions.empty() || part.sessions.back()->own.lost)
        part.sessions.push_back(std::make_unique<BoxSession>());
    return *part.sessions.back();
}

class WarningBox {
  public:
    WarningBox(BoxSession& session, const std::u16string& text, const std::u16string& caption,
               Window owner);
    WarningBox(const WarningBox&) = delete;
    WarningBox& operator=(const WarningBox&) = delete;
    ~WarningBox();
    bool ready() const { return window != None; }
    void runUntilDismissed();

  private:
    bool nextEvent(XEvent& event);
    void allocateColors();
    void layOut(const std::u16string& caption);
    void createWindow(const std::u16string& text, const std::u16string& caption, Window owner);
    void fill(Color color, const Rectangle& area);
    void paint();
    void paintSign();
    void paintButton();
    void takeFocus();
    void giveFocusBack();
    bool stillMapped();
    bool windowManagerLetGo();
    bool handle(const XEvent& event); // true once the box is dismissed

    BoxConnection& own;
    Display* const display = own.connection.display;
    const Atoms& atoms = own.connection.atoms;
    const int screen = display ? DefaultScreen(display) : 0;
    BoxFont& font;
    XColor colors[colorCount] = {};
    std::vector<std::u16string> lines;
    Window window = None;
    GC gc = nullptr;
    int width = 0;
    int height = 0;
    Rectangle sign = {};
    Rectangle button = {};
    bool buttonHeld = false;
    bool keyHeld = false;
    bool managed = false; // in a frame of the window manager's, and so still known to it
    bool tookFocus = false;
    Window previousFocus = None;
    int previousRevert = RevertToParent;
};

WarningBox::WarningBox(BoxSession& session, const std::u16string& text,
                       const std::u16string& caption, Window owner)
    : own(session.own), font(session.font), lines(linesOf(text)) {
    if (!font.ready())
        return;
    allocateColors();
    layOut(caption);
    createWindow(text, caption, owner);
}

// What the box made on the server goes with it; its colours are the connection's, for every box.
WarningBox::~WarningBox() {
    if (!window)
        return;
    if (tookFocus && !own.lost)
        giveFocusBack();
    font.stopDrawing();
    XFreeGC(display, gc);
    XDestroyWindow(display, window);
    XFlush(display);
}

void WarningBox::allocateColors() {
    const Colormap colormap = DefaultColormap(display, screen);
    for (int i = 0; i < colorCount; ++i) {
        colors[i].red = colorValues[i][0];
        colors[i].green = colorValues[i][1];
        colors[i].blue = colorValues[i][2];
        if (!XAllocColor(display, colormap, &colors[i]))
            colors[i].pixel =
                i == backgroundColor ? WhitePixel(display, screen) : BlackPixel(display, screen);
    }
}

// The sign on the left, the text beside it, the button centred below both; wide enough for the
// caption to show whole in the title bar.
void WarningBox::layOut(const std::u16string& caption) {
    int widest = minimumTextWidth;
    for (const std::u16string& line : lines)
        widest = std::max(widest, font.width(line));
    const int textHeight = static_cast<int>(lines.size()) * font.lineHeight();
    const int contentHeight = std::max(iconSize, textHeight);
    width = std::max(margin + iconSize + iconGap + widest + margin,
                     font.width(caption) + titleBarAllowance);
    height = margin + contentHeight + margin + buttonHeight + margin;
    sign = {margin, margin + (contentHeight - iconSize) / 2, iconSize, iconSize};
    button = {(width - buttonWidth) / 2, height - margin - buttonHeight, buttonWidth, buttonHeight};
}

// A fixed-size dialog centred on the screen, above its owner when it has one. The text is kept in
// a property of its own too, so scripts can read what the box says.
void WarningBox::createWindow(const std::u16string& text, const std::u16string& caption,
                              Window owner) {
    XSetWindowAttributes attributes = {};
    attributes.background_pixel = colors[backgroundColor].pixel;
    attributes.event_mask = ExposureMask | KeyPressMask | KeyReleaseMask | ButtonPressMask |
                            ButtonReleaseMask | StructureNotifyMask | PropertyChangeMask;
    const int x = (DisplayWidth(display, screen) - width) / 2;
    const int y = (DisplayHeight(display, screen) - height) / 2;
    window = XCreateWindow(display, RootWindow(display, screen), x, y, static_cast<unsigned>(width),
                           static_cast<unsigned>(height), 0, CopyFromParent, InputOutput,
                           CopyFromParent, CWBackPixel | CWEventMask, &attributes);
    gc = XCreateGC(display, window, 0, nullptr);

    setTitle(own.connection, window, utf8FromUtf16(caption));
    setCloseProtocol(own.connection, window);
    setDecorations(own.connection, window, WS_CAPTION | WS_SYSMENU);
    setFixedPlacement(own.connection, window, x, y, width, height);
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
    const std::string utf8Text = utf8FromUtf16(text);
    XChangeProperty(display, window, atoms.messageText, atoms.utf8String, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(utf8Text.c_str()),
                    static_cast<int>(utf8Text.size()));
    XMapRaised(display, window);
}

void WarningBox::fill(Color color, const Rectangle& area) {
    XSetForeground(display, gc, colors[color].pixel);
    XFillRectangle(display, window, gc, area.x, area.y, static_cast<unsigned>(area.width),
                   static_cast<unsigned>(area.height));
}

// A yellow warning triangle with an exclamation mark.
void WarningBox::paintSign() {
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

    const int stemX = sign.x + sign.width / 2 - 2;
    fill(textColor, {stemX, sign.y + 10, 4, 12});
    fill(textColor, {stemX, sign.y + 24, 4, 4});
}

// The one button is the default: it wears the accent edge.
void WarningBox::paintButton() {
    const int edge = 2;
    fill(defaultEdgeColor, button);
    fill(buttonHeld ? buttonHeldColor : buttonFaceColor,
         {button.x + edge, button.y + edge, button.width - 2 * edge, button.height - 2 * edge});
    const std::u16string label = u"OK";
    const int labelX = button.x + (button.width - font.width(label)) / 2;
    const int labelY = button.y + (button.height + font.ascent() - font.descent()) / 2;
    font.draw(window, gc, labelX, labelY, label, colors[textColor]);
}

void WarningBox::paint() {
    fill(backgroundColor, {0, 0, width, height});
    paintSign();
    const int textX = sign.x + sign.width + iconGap;
    const int textHeight = static_cast<int>(lines.size()) * font.lineHeight();
    int baseline = sign.y + (sign.height - textHeight) / 2 + font.ascent();
    for (const std::u16string& line : lines) {
        font.draw(window, gc, textX, baseline, line, colors[textColor]);
        baseline += font.lineHeight();
    }
    paintButton();
}

// With no window manager to give it the focus, the box takes it once it can be seen, so that a
// key press reaches it wherever the pointer is; whoever had the focus gets it back at the end.
void WarningBox::takeFocus() {
    if (tookFocus || managed)
        return;
    tookFocus = true;
    XGetInputFocus(display, &previousFocus, &previousRevert);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
}

// Unless the focus moved on from the box meanwhile; a box taken away leaves it to the root.
void WarningBox::giveFocusBack() {
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    if (focus == window || focus == RootWindow(display, screen))
        XSetInputFocus(display, previousFocus, previousRevert, CurrentTime);
}

// False too when the box is gone.
bool WarningBox::stillMapped() {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state != IsUnmapped;
}

// A window manager keeps WM_STATE on the windows it manages, normal or minimised, and takes it
// away, or sets it to withdrawn, when it lets a window go.
bool WarningBox::windowManagerLetGo() {
    const std::vector<unsigned long> state =
        readProperty(own.connection, window, atoms.wmState, atoms.wmState);
    return state.empty() || state[0] == WithdrawnState;
}

bool dismissingKey(const XKeyEvent& event) {
    const KeySym key = XLookupKeysym(const_cast<XKeyEvent*>(&event), 0);
    return key == XK_Return || key == XK_KP_Enter || key == XK_space || key == XK_Escape;
}

// Return, Space and Escape press the button, as does a click released on it, and the close box.
// A key counts once it is released after being pressed in this box: a key still held from the
// box before, or repeating, does not dismiss the next one.
// Another client destroying or unmapping the box dismisses it too. With no window manager that
// is the unmap itself (an unmap the server makes while reparenting leaves the box mapped). A
// window manager that frames the box unmaps it to minimise it too, and hands it back to the root
// when it ends, mapping it again a moment later: the box is dismissed only once the manager has
// let go of it unmapped.
bool WarningBox::handle(const XEvent& event) {
    switch (event.type) {
    case Expose:
        if (event.xexpose.count == 0) {
            paint();
            takeFocus();
        }
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
    case ReparentNotify:
        managed = event.xreparent.parent != RootWindow(display, screen);
        return false;
    case UnmapNotify:
        return !managed && !stillMapped();
    case PropertyNotify:
        return event.xproperty.atom == atoms.wmState && windowManagerLetGo() && !stillMapped();
    case DestroyNotify:
        managed = false;
        return true;
    default:
        return false;
    }
}

// Only events already there are read: once the connection is lost there are none, and Xlib's own
// wait for one would never end. False when the connection is lost.
bool WarningBox::nextEvent(XEvent& event) {
    while (!own.lost && XPending(display) == 0) {
        pollfd input = {ConnectionNumber(display), POLLIN, 0};
        poll(&input, 1, -1);
    }
    if (own.lost)
        return false;
    XNextEvent(display, &event);
    return true;
}

// What is left on the connection of the boxes before (the window manager letting go of them, say)
// is not this one's.
void WarningBox::runUntilDismissed() {
    XEvent event;
    while (nextEvent(event))
        if (event.xany.window == window && handle(event))
            return;
}

} // namespace

bool showWarningBox(const std::u16string& text, const std::u16string& caption, Window owner) {
    WarningBox box(boxSession(), text, caption, owner);
    if (!box.ready())
        return false;
    box.runUntilDismissed();
    return true;
}

} // namespace x11

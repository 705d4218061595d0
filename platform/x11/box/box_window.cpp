#include "box/box_window.h"

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
const int buttonGap = 8;
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
    errorFillColor,
    markColor,
    colorCount
};
const unsigned short colorValues[colorCount][3] = {
    {0xF0F0, 0xF0F0, 0xF0F0}, {0x0000, 0x0000, 0x0000}, {0xE1E1, 0xE1E1, 0xE1E1},
    {0xADAD, 0xADAD, 0xADAD}, {0x0000, 0x7878, 0xD7D7}, {0xFFFF, 0xCCCC, 0x0000},
    {0x9999, 0x6666, 0x0000}, {0xE8E8, 0x1111, 0x2323}, {0xFFFF, 0xFFFF, 0xFFFF},
};
// The buttons' edges: the default button's is the accent colour, the others' a grey one.
const Color otherEdgeColor = buttonHeldColor;

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

const int noAnswerYet = -1;

class MessageBox {
  public:
    MessageBox(BoxSession& session, const std::u16string& text, const std::u16string& caption,
               const BoxStyle& boxStyle, Window owner);
    MessageBox(const MessageBox&) = delete;
    MessageBox& operator=(const MessageBox&) = delete;
    ~MessageBox();
    bool ready() const { return window != None; }
    int runUntilAnswered();

  private:
    bool nextEvent(XEvent& event);
    void allocateColors();
    void layOut(const std::u16string& caption);
    void createWindow(const std::u16string& text, const std::u16string& caption, Window owner);
    void fill(Color color, const Rectangle& area);
    void paint();
    void paintIcon();
    void paintWarningSign();
    void paintRoundIcon(Color fill);
    void paintButtons();
    void takeFocus();
    void giveFocusBack();
    bool stillMapped();
    bool windowManagerLetGo();
    int buttonAt(int x, int y) const;
    int keyAnswer(KeySym key) const;
    void moveFocus(int step);
    int handleKey(const XKeyEvent& event);
    int handle(const XEvent& event); // the answer once the box is dismissed, noAnswerYet before

    BoxConnection& own;
    Display* const display = own.connection.display;
    const Atoms& atoms = own.connection.atoms;
    const int screen = display ? DefaultScreen(display) : 0;
    BoxFont& font;
    const BoxStyle& style;
    XColor colors[colorCount] = {};
    std::vector<std::u16string> lines;
    Window window = None;
    GC gc = nullptr;
    int width = 0;
    int height = 0;
    Rectangle sign = {};
    std::vector<Rectangle> buttons;
    std::size_t focused; // the button Return and Space press, which wears the default's edge
    int buttonHeld = -1; // pressed with the mouse, not yet released
    KeySym keyHeld = NoSymbol;
    bool managed = false; // in a frame of the window manager's, and so still known to it
    bool tookFocus = false;
    Window previousFocus = None;
    int previousRevert = RevertToParent;
};

MessageBox::MessageBox(BoxSession& session, const std::u16string& text,
                       const std::u16string& caption, const BoxStyle& boxStyle, Window owner)
    : own(session.own), font(session.font), style(boxStyle), lines(linesOf(text)),
      focused(boxStyle.defaultButton) {
    if (!font.ready())
        return;
    allocateColors();
    layOut(caption);
    createWindow(text, caption, owner);
}

// What the box made on the server goes with it; its colours are the connection's, for every box.
MessageBox::~MessageBox() {
    if (!window)
        return;
    if (tookFocus && !own.lost)
        giveFocusBack();
    font.stopDrawing();
    XFreeGC(display, gc);
    XDestroyWindow(display, window);
    XFlush(display);
}

void MessageBox::allocateColors() {
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

// The icon on the left, the text beside it, the row of buttons centred below both; wide enough
// for the row, and for the caption to show whole in the title bar. Without an icon the text
// starts at the margin.
void MessageBox::layOut(const std::u16string& caption) {
    int widest = minimumTextWidth;
    for (const std::u16string& line : lines)
        widest = std::max(widest, font.width(line));
    const int textHeight = static_cast<int>(lines.size()) * font.lineHeight();
    const int contentHeight = std::max(iconSize, textHeight);
    const int iconWidth = style.icon == BoxIcon::none ? 0 : iconSize + iconGap;
    const int count = static_cast<int>(style.buttons.size());
    const int rowWidth = count * buttonWidth + (count - 1) * buttonGap;
    width = std::max({margin + iconWidth + widest + margin, margin + rowWidth + margin,
                      font.width(caption) + titleBarAllowance});
    height = margin + contentHeight + margin + buttonHeight + margin;
    sign = {margin, margin + (contentHeight - iconSize) / 2, iconWidth ? iconSize : 0, iconSize};
    for (int i = 0; i < count; ++i)
        buttons.push_back({(width - rowWidth) / 2 + i * (buttonWidth + buttonGap),
                           height - margin - buttonHeight, buttonWidth, buttonHeight});
}

// A fixed-size dialog centred on the screen, above its owner when it has one. The text is kept in
// a property of its own too, so scripts can read what the box says. A box that the close box
// cannot answer has none, as on Windows, where it is greyed.
void MessageBox::createWindow(const std::u16string& text, const std::u16string& caption,
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
    setDecorations(own.connection, window,
                   style.cancelAnswer ? WS_CAPTION | WS_SYSMENU : WS_CAPTION);
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

void MessageBox::fill(Color color, const Rectangle& area) {
    XSetForeground(display, gc, colors[color].pixel);
    XFillRectangle(display, window, gc, area.x, area.y, static_cast<unsigned>(area.width),
                   static_cast<unsigned>(area.height));
}

void MessageBox::paintIcon() {
    switch (style.icon) {
    case BoxIcon::warning:
        paintWarningSign();
        break;
    case BoxIcon::error:
        paintRoundIcon(errorFillColor);
        break;
    case BoxIcon::question:
    case BoxIcon::information:
        paintRoundIcon(defaultEdgeColor);
        break;
    case BoxIcon::none:
        break;
    }
}

// A yellow warning triangle with an exclamation mark.
void MessageBox::paintWarningSign() {
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

// A disc with a white mark: a cross for an error, a question mark, an "i" for information.
void MessageBox::paintRoundIcon(Color disc) {
    XSetForeground(display, gc, colors[disc].pixel);
    XFillArc(display, window, gc, sign.x, sign.y, static_cast<unsigned>(sign.width),
             static_cast<unsigned>(sign.height), 0, 360 * 64);
    const int middleX = sign.x + sign.width / 2;
    const int middleY = sign.y + sign.height / 2;
    XSetForeground(display, gc, colors[markColor].pixel);
    if (style.icon == BoxIcon::error) {
        const int arm = 7;
        XSetLineAttributes(display, gc, 3, LineSolid, CapRound, JoinRound);
        XDrawLine(display, window, gc, middleX - arm, middleY - arm, middleX + arm, middleY + arm);
        XDrawLine(display, window, gc, middleX - arm, middleY + arm, middleX + arm, middleY - arm);
        XSetLineAttributes(display, gc, 0, LineSolid, CapButt, JoinMiter);
    } else if (style.icon == BoxIcon::question) {
        const std::u16string mark = u"?";
        font.draw(window, gc, middleX - font.width(mark) / 2,
                  middleY + (font.ascent() - font.descent()) / 2, mark, colors[markColor]);
    } else {
        const int stemX = middleX - 2;
        fill(markColor, {stemX, sign.y + 7, 4, 4});
        fill(markColor, {stemX, sign.y + 13, 4, 12});
    }
}

// The focused button is the default: it wears the accent edge, the others a grey one.
void MessageBox::paintButtons() {
    const int edge = 2;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const Rectangle& button = buttons[i];
        const bool held = buttonHeld == static_cast<int>(i);
        fill(i == focused ? defaultEdgeColor : otherEdgeColor, button);
        fill(held ? buttonHeldColor : buttonFaceColor,
             {button.x + edge, button.y + edge, button.width - 2 * edge, button.height - 2 * edge});
        const std::u16string& label = style.buttons[i].label;
        const int labelX = button.x + (button.width - font.width(label)) / 2;
        const int labelY = button.y + (button.height + font.ascent() - font.descent()) / 2;
        font.draw(window, gc, labelX, labelY, label, colors[textColor]);
    }
}

void MessageBox::paint() {
    fill(backgroundColor, {0, 0, width, height});
    paintIcon();
    const int textX = sign.x + sign.width + (sign.width ? iconGap : 0);
    const int textHeight = static_cast<int>(lines.size()) * font.lineHeight();
    int baseline = sign.y + (sign.height - textHeight) / 2 + font.ascent();
    for (const std::u16string& line : lines) {
        font.draw(window, gc, textX, baseline, line, colors[textColor]);
        baseline += font.lineHeight();
    }
    paintButtons();
}

// With no window manager to give it the focus, the box takes it once it can be seen, so that a
// key press reaches it wherever the pointer is; whoever had the focus gets it back at the end.
void MessageBox::takeFocus() {
    if (tookFocus || managed)
        return;
    tookFocus = true;
    XGetInputFocus(display, &previousFocus, &previousRevert);
    XSetInputFocus(display, window, RevertToParent, CurrentTime);
}

// Unless the focus moved on from the box meanwhile; a box taken away leaves it to the root.
void MessageBox::giveFocusBack() {
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    if (focus == window || focus == RootWindow(display, screen))
        XSetInputFocus(display, previousFocus, previousRevert, CurrentTime);
}

// False too when the box is gone.
bool MessageBox::stillMapped() {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state != IsUnmapped;
}

// A window manager keeps WM_STATE on the windows it manages, normal or minimised, and takes it
// away, or sets it to withdrawn, when it lets a window go.
bool MessageBox::windowManagerLetGo() {
    const std::vector<unsigned long> state =
        readProperty(own.connection, window, atoms.wmState, atoms.wmState);
    return state.empty() || state[0] == WithdrawnState;
}

int MessageBox::buttonAt(int x, int y) const {
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i].contains(x, y))
            return static_cast<int>(i);
    return -1;
}

// Return and Space press the focused button, a button's letter that button; Escape gives the
// cancel answer, where the box has one. Any other key answers nothing (0).
int MessageBox::keyAnswer(KeySym key) const {
    if (key == XK_Return || key == XK_KP_Enter || key == XK_space)
        return style.buttons[focused].answer;
    if (key == XK_Escape)
        return style.cancelAnswer;
    for (const BoxButton& button : style.buttons)
        if (button.mnemonic && key == static_cast<KeySym>(button.mnemonic))
            return button.answer;
    return 0;
}

void MessageBox::moveFocus(int step) {
    const int count = static_cast<int>(buttons.size());
    focused = static_cast<std::size_t>((static_cast<int>(focused) + count + step) % count);
    paintButtons();
}

// Tab (back with Shift) and the arrow keys move the focus as they are pressed. A key answers once
// it is released after being pressed in this box: a key still held from the box before, or
// repeating, does not answer the next one.
int MessageBox::handleKey(const XKeyEvent& event) {
    const KeySym key = XLookupKeysym(const_cast<XKeyEvent*>(&event), 0);
    if (event.type == KeyPress) {
        if (key == XK_Tab)
            moveFocus(event.state & ShiftMask ? -1 : 1);
        else if (key == XK_Right || key == XK_Down)
            moveFocus(1);
        else if (key == XK_Left || key == XK_Up)
            moveFocus(-1);
        keyHeld = key;
        return noAnswerYet;
    }
    if (key != keyHeld)
        return noAnswerYet;
    keyHeld = NoSymbol;
    const int answer = keyAnswer(key);
    return answer ? answer : noAnswerYet;
}

// A click released on the button it was pressed on answers with that button, and the close box
// as Escape does. Another client destroying or unmapping the box dismisses it with the cancel
// answer (0 where the box has none). With no window manager that is the unmap itself (an unmap
// the server makes while reparenting leaves the box mapped). A window manager that frames the box
// unmaps it to minimise it too, and hands it back to the root when it ends, mapping it again a
// moment later: the box is dismissed only once the manager has let go of it unmapped.
int MessageBox::handle(const XEvent& event) {
    switch (event.type) {
    case Expose:
        if (event.xexpose.count == 0) {
            paint();
            takeFocus();
        }
        return noAnswerYet;
    case KeyPress:
    case KeyRelease:
        return handleKey(event.xkey);
    case ButtonPress:
        buttonHeld =
            event.xbutton.button == Button1 ? buttonAt(event.xbutton.x, event.xbutton.y) : -1;
        if (buttonHeld >= 0)
            focused = static_cast<std::size_t>(buttonHeld);
        paintButtons();
        return noAnswerYet;
    case ButtonRelease: {
        const int pressed = buttonHeld;
        buttonHeld = -1;
        paintButtons();
        return pressed >= 0 && buttonAt(event.xbutton.x, event.xbutton.y) == pressed
                   ? style.buttons[static_cast<std::size_t>(pressed)].answer
                   : noAnswerYet;
    }
    case ClientMessage: {
        const bool closeBox = event.xclient.message_type == atoms.wmProtocols &&
                              static_cast<Atom>(event.xclient.data.l[0]) == atoms.wmDeleteWindow;
        return closeBox && style.cancelAnswer ? style.cancelAnswer : noAnswerYet;
    }
    case ReparentNotify:
        managed = event.xreparent.parent != RootWindow(display, screen);
        return noAnswerYet;
    case UnmapNotify:
        return !managed && !stillMapped() ? style.cancelAnswer : noAnswerYet;
    case PropertyNotify:
        return event.xproperty.atom == atoms.wmState && windowManagerLetGo() && !stillMapped()
                   ? style.cancelAnswer
                   : noAnswerYet;
    case DestroyNotify:
        managed = false;
        return style.cancelAnswer;
    default:
        return noAnswerYet;
    }
}

// Only events already there are read: once the connection is lost there are none, and Xlib's own
// wait for one would never end. False when the connection is lost.
bool MessageBox::nextEvent(XEvent& event) {
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
// is not this one's. A box whose connection is lost answers as one taken away.
int MessageBox::runUntilAnswered() {
    XEvent event;
    while (nextEvent(event)) {
        if (event.xany.window != window)
            continue;
        const int answer = handle(event);
        if (answer != noAnswerYet)
            return answer;
    }
    return style.cancelAnswer;
}

} // namespace

std::optional<int> showMessageBox(const std::u16string& text, const std::u16string& caption,
                                  const BoxStyle& style, Window owner) {
    MessageBox box(boxSession(), text, caption, style, owner);
    if (!box.ready())
        return std::nullopt;
    return box.runUntilAnswered();
}

} // namespace x11

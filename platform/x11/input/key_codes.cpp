#include "input/key_codes.h"

#include <X11/keysym.h>

namespace x11 {
namespace {

// X key codes are the Linux input codes plus 8. Linux codes 1 to 88 are the PC keyboard's scan
// codes themselves; the virtual keys below are those of a US layout.
const unsigned linuxCodeOffset = 8;
const unsigned lastPlainCode = 88;
const BYTE plainKeys[lastPlainCode + 1] = {
    noVirtualKey, VK_ESCAPE,    '1',          '2',           '3',         '4',          '5',
    '6',          '7',          '8',          '9',           '0',         VK_OEM_MINUS, VK_OEM_PLUS,
    VK_BACK,      VK_TAB,       'Q',          'W',           'E',         'R',          'T',
    'Y',          'U',          'I',          'O',           'P',         VK_OEM_4,     VK_OEM_6,
    VK_RETURN,    VK_CONTROL,   'A',          'S',           'D',         'F',          'G',
    'H',          'J',          'K',          'L',           VK_OEM_1,    VK_OEM_7,     VK_OEM_3,
    VK_SHIFT,     VK_OEM_5,     'Z',          'X',           'C',         'V',          'B',
    'N',          'M',          VK_OEM_COMMA, VK_OEM_PERIOD, VK_OEM_2,    VK_SHIFT,     VK_MULTIPLY,
    VK_MENU,      VK_SPACE,     VK_CAPITAL,   VK_F1,         VK_F2,       VK_F3,        VK_F4,
    VK_F5,        VK_F6,        VK_F7,        VK_F8,         VK_F9,       VK_F10,       VK_NUMLOCK,
    VK_SCROLL,    VK_HOME,      VK_UP,        VK_PRIOR,      VK_SUBTRACT, VK_LEFT,      VK_CLEAR,
    VK_RIGHT,     VK_ADD,       VK_END,       VK_DOWN,       VK_NEXT,     VK_INSERT,    VK_DELETE,
    noVirtualKey, noVirtualKey, VK_OEM_102,   VK_F11,        VK_F12};

// Keys whose scan code comes after the 0xE0 prefix (the extended flag), and Pause.
const struct {
    unsigned linuxCode;
    KeyIdentity key;
} otherKeys[] = {
    {69, {VK_NUMLOCK, 0x45, true}}, {96, {VK_RETURN, 0x1C, true}},   {97, {VK_CONTROL, 0x1D, true}},
    {98, {VK_DIVIDE, 0x35, true}},  {99, {VK_SNAPSHOT, 0x37, true}}, {100, {VK_MENU, 0x38, true}},
    {102, {VK_HOME, 0x47, true}},   {103, {VK_UP, 0x48, true}},      {104, {VK_PRIOR, 0x49, true}},
    {105, {VK_LEFT, 0x4B, true}},   {106, {VK_RIGHT, 0x4D, true}},   {107, {VK_END, 0x4F, true}},
    {108, {VK_DOWN, 0x50, true}},   {109, {VK_NEXT, 0x51, true}},    {110, {VK_INSERT, 0x52, true}},
    {111, {VK_DELETE, 0x53, true}}, {119, {VK_PAUSE, 0x45, false}},  {125, {VK_LWIN, 0x5B, true}},
    {126, {VK_RWIN, 0x5C, true}},   {127, {VK_APPS, 0x5D, true}},
};

KeyIdentity keyAtPlace(unsigned linuxCode) {
    for (const auto& other : otherKeys)
        if (other.linuxCode == linuxCode)
            return other.key;
    if (linuxCode >= 1 && linuxCode <= lastPlainCode)
        return {plainKeys[linuxCode], static_cast<BYTE>(linuxCode), false};
    return {noVirtualKey, 0, false};
}

// With Num Lock on, the numeric pad's keys are digits and the decimal point.
BYTE numericPadKey(KeySym symbol) {
    if (symbol >= XK_KP_0 && symbol <= XK_KP_9)
        return static_cast<BYTE>(VK_NUMPAD0 + (symbol - XK_KP_0));
    if (symbol == XK_KP_Decimal || symbol == XK_KP_Separator)
        return VK_DECIMAL;
    return 0;
}

} // namespace

KeyIdentity identifyKey(unsigned keycode, KeySym shifted, KeySym symbol) {
    KeyIdentity key = keyAtPlace(keycode - linuxCodeOffset);
    if (shifted >= XK_A && shifted <= XK_Z)
        key.virtualKey = static_cast<BYTE>('A' + (shifted - XK_A));
    else if (const BYTE digitOrPoint = numericPadKey(symbol))
        key.virtualKey = digitOrPoint;
    return key;
}

} // namespace x11

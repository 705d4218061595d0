#include "core/system_keys.h"

#include "core/core_state.h"
#include "core/message_queue.h"
#include "core/window_procedure.h"

namespace x11 {
namespace {

bool isAlt(WPARAM key) {
    return key == VK_MENU || key == VK_LMENU || key == VK_RMENU;
}

bool altHeld(LPARAM lParam) {
    return (static_cast<DWORD>(lParam) >> 16) & KF_ALTDOWN;
}

void keyDown(HWND window, WPARAM key, LPARAM lParam) {
    const bool repeated = (static_cast<DWORD>(lParam) >> 16) & KF_REPEAT;
    if (isAlt(key))
        core.menuKey = repeated && core.menuKey != MenuKey::alt ? MenuKey::none : MenuKey::alt;
    else
        core.menuKey = key == VK_F10 && !altHeld(lParam) ? MenuKey::f10 : MenuKey::none;
    if (key == VK_F4 && altHeld(lParam))
        postEvent(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void keyUp(HWND window, WPARAM key) {
    const bool alone = (isAlt(key) && core.menuKey == MenuKey::alt) ||
                       (key == VK_F10 && core.menuKey == MenuKey::f10);
    core.menuKey = MenuKey::none;
    if (alone)
        sendMessage(window, WM_SYSCOMMAND, SC_KEYMENU, 0);
}

} // namespace

void keyToSystemCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        keyDown(window, wParam, lParam);
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        keyUp(window, wParam);
        break;
    case WM_SYSCHAR:
        sendMessage(window, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(wParam));
        break;
    default:
        break;
    }
}

} // namespace x11

// The window object's warning box on Windows. The system's texts are Windows-1254, but MessageBoxA
// reads its text in whatever ANSI code page the system has: on Windows-1252, say, the byte 0xFE of
// "oluşturulamadi" would show as "þ". So the box converts the text to UTF-16 itself and shows it
// through MessageBoxW. The caption is the program's title, read in the system's code page as the
// window's own title bar reads it; and a program's own MessageBoxA calls reach user32's.
#include "glwindow/gl_window.h"
#include "platform/text/windows1254.h"

#include <cstdlib>
#include <cstring>

namespace {

// The text in UTF-16, terminated, in memory the caller frees; a null text stays null, so the box
// shows it as MessageBoxA would (empty). Each Windows-1254 byte is one UTF-16 unit.
wchar_t* utf16FromWindows1254(const char* text) {
    if (!text)
        return nullptr;
    const std::size_t length = std::strlen(text);
    wchar_t* const converted = static_cast<wchar_t*>(std::malloc((length + 1) * sizeof(wchar_t)));
    if (!converted)
        return nullptr;
    for (std::size_t i = 0; i < length; ++i)
        converted[i] =
            static_cast<wchar_t>(windows1254::toUnicode(static_cast<unsigned char>(text[i])));
    converted[length] = L'\0';
    return converted;
}

} // namespace

void GlWindow::warn(const char* text) {
    // No code page takes more UTF-16 units for a text than it has bytes.
    wchar_t caption[nameCapacity];
    MultiByteToWideChar(CP_ACP, 0, title, -1, caption, nameCapacity);
    wchar_t* const converted = utf16FromWindows1254(text);
    if (text && !converted)
        return; // no box can be shown, as when MessageBoxA fails
    MessageBoxW(window, converted, caption, MB_ICONWARNING | MB_OK);
    std::free(converted);
}

// The warning box on Windows. The system's texts are Windows-1254, but MessageBoxA reads its
// text in whatever ANSI code page the system has: on Windows-1252, say, the byte 0xFE of
// "oluşturulamadi" would show as "þ". So the program's MessageBoxA is this one, which takes the
// place of user32's at link time (the system's calls are declared without dllimport): it
// converts text and caption to UTF-16 and shows the same box, with the same owner and style,
// through MessageBoxW.
#include "platform/platform.h"
#include "platform/text/windows1254.h"

#include <cstdlib>
#include <cstring>

namespace {

// Each Windows-1254 byte is one UTF-16 unit; a null text takes none.
std::size_t utf16UnitsFor(const char* text) {
    return text ? std::strlen(text) + 1 : 0;
}

// Writes the text in UTF-16, terminated, at `out`. A null text stays null, so the box treats
// it as MessageBoxA would (a null caption reads "Error").
const wchar_t* utf16FromWindows1254(const char* text, wchar_t* out) {
    if (!text)
        return nullptr;
    wchar_t* const start = out;
    for (; *text; ++text)
        *out++ = static_cast<wchar_t>(windows1254::toUnicode(static_cast<unsigned char>(*text)));
    *out = L'\0';
    return start;
}

} // namespace

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    // One allocation for both texts (never of zero bytes, which may give null).
    const std::size_t textUnits = utf16UnitsFor(text);
    const std::size_t units = textUnits + utf16UnitsFor(caption) + 1;
    wchar_t* const buffer = static_cast<wchar_t*>(std::malloc(units * sizeof(wchar_t)));
    if (!buffer)
        return 0; // how MessageBoxA fails, too
    const int result = MessageBoxW(owner, utf16FromWindows1254(text, buffer),
                                   utf16FromWindows1254(caption, buffer + textUnits), type);
    std::free(buffer);
    return result;
}

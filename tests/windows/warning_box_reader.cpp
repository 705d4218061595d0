// Reads the message box another program shows, from inside the same Wine session and through
// the UTF-16 interfaces, and dismisses it with its OK button. It prints one line:
//   acp=1252 caption="..." text="..." icon=yes
// (the ANSI code page, and whether the box has an icon), with every character outside printable
// ASCII written as \uXXXX, so that the text is checked as the user reads it whatever the
// console's code page. It waits up to ten seconds for a box and exits with 1 if none appears.
#include <windows.h>

#include <cstdio>

namespace {

const int textCapacity = 256;

void printEscaped(const wchar_t* text) {
    for (; *text; ++text) {
        if (*text >= L' ' && *text <= L'~' && *text != L'"' && *text != L'\\')
            std::putchar(static_cast<char>(*text));
        else
            std::printf("\\u%04X", static_cast<unsigned>(*text));
    }
}

HWND waitForBox() {
    for (int poll = 0; poll < 100; ++poll, Sleep(100))
        for (HWND box = nullptr; (box = FindWindowExW(nullptr, box, L"#32770", nullptr));)
            if (IsWindowVisible(box))
                return box;
    return nullptr;
}

struct Contents {
    wchar_t text[textCapacity] = {};
    bool hasIcon = false;
};

// The box shows its icon and its text in static controls.
BOOL CALLBACK readChild(HWND child, LPARAM contents) {
    auto& box = *reinterpret_cast<Contents*>(contents);
    wchar_t className[textCapacity] = {};
    GetClassNameW(child, className, textCapacity);
    if (!IsWindowVisible(child) || lstrcmpiW(className, L"Static") != 0)
        return TRUE;
    if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
        box.hasIcon = SendMessageW(child, STM_GETICON, 0, 0) != 0;
    else
        GetWindowTextW(child, box.text, textCapacity);
    return TRUE;
}

} // namespace

int main() {
    const HWND box = waitForBox();
    if (!box) {
        std::fprintf(stderr, "no message box appeared\n");
        return 1;
    }
    wchar_t caption[textCapacity] = {};
    GetWindowTextW(box, caption, textCapacity);
    Contents contents;
    EnumChildWindows(box, readChild, reinterpret_cast<LPARAM>(&contents));

    std::printf("acp=%u caption=\"", GetACP());
    printEscaped(caption);
    std::printf("\" text=\"");
    printEscaped(contents.text);
    std::printf("\" icon=%s\n", contents.hasIcon ? "yes" : "no");
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return 0;
}

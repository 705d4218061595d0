// Starts a program and reads each message box it shows as the user reads it: from inside the same
// Wine session and through the UTF-16 interfaces. It dismisses each box with its OK button and
// prints a line for it, then, once the program has ended, the program's exit code:
//   warning_box_reader PROGRAM (a Windows path)
//   acp=1252 caption="..." text="..."
//   exit=1
// (acp is the ANSI code page), with every character outside printable ASCII written as \uXXXX,
// so that the text is checked as the user reads it whatever the console's code page. It gives the
// program thirty seconds (exit=259 for one still running) and exits with 2 if it cannot start it.
#include <windows.h>

#include <cstdio>

namespace {

void printQuoted(const char* name, const wchar_t* text) {
    std::printf(" %s=\"", name);
    for (; *text; ++text) {
        if (*text >= L' ' && *text <= L'~' && *text != L'"' && *text != L'\\')
            std::putchar(static_cast<char>(*text));
        else
            std::printf("\\u%04X", static_cast<unsigned>(*text));
    }
    std::putchar('"');
}

HWND visibleBox() {
    for (HWND box = nullptr; (box = FindWindowExW(nullptr, box, L"#32770", nullptr));)
        if (IsWindowVisible(box))
            return box;
    return nullptr;
}

// A message box keeps its text in a static control of its own id.
void readAndDismiss(HWND box) {
    wchar_t caption[256] = {}, text[256] = {};
    GetWindowTextW(box, caption, 256);
    GetDlgItemTextW(box, 0xFFFF, text, 256);
    std::printf("acp=%u", GetACP());
    printQuoted("caption", caption);
    printQuoted("text", text);
    std::putchar('\n');
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    for (int poll = 0; poll < 100 && IsWindow(box); ++poll) // so as not to read it twice
        Sleep(10);
}

} // namespace

int main(int argc, char** argv) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION program;
    if (argc != 2 || !CreateProcessA(argv[1], nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                     &startup, &program))
        return 2;
    for (int poll = 0; poll < 300 && WaitForSingleObject(program.hProcess, 100) == WAIT_TIMEOUT;
         ++poll)
        if (const HWND box = visibleBox())
            readAndDismiss(box);
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(program.hProcess, &exitCode);
    std::printf("exit=%lu\n", exitCode);
    return 0;
}

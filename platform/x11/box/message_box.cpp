// MessageBoxA: the warning box, or a line on standard error where no box can be shown.
#include "box/warning_box.h"
#include "core/text_encoding.h"
#include "window/x_window.h"

#include <cstdio>
#include <string>

namespace {

void writeToStandardError(const std::string& text, const std::string& caption) {
    if (caption.empty())
        std::fprintf(stderr, "%s\n", text.c_str());
    else
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

} // namespace

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT) {
    const std::u16string wideText = x11::utf16FromWindows1254(text ? text : "");
    const std::u16string wideCaption = x11::utf16FromWindows1254(caption ? caption : "");
    const x11::XWindow* ownerWindow = x11::xWindowOf(owner);
    if (!x11::showWarningBox(wideText, wideCaption, ownerWindow ? ownerWindow->handle : None))
        writeToStandardError(x11::utf8FromUtf16(wideText), x11::utf8FromUtf16(wideCaption));
    return IDOK;
}

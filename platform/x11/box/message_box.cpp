// MessageBoxA: the message box, or a line on standard error where no box can be shown.
#include "box/box_style.h"
#include "box/box_window.h"
#include "core/text_encoding.h"
#include "core/window_record.h"
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

// Without a caption the box is titled "Error", as on Windows. Where no box can be shown the text
// goes to standard error: that tells the user as much as a box with OK alone would, but answers
// no question, so a box with any other buttons then fails.
int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    const std::optional<x11::BoxStyle> style = x11::boxStyleOf(type);
    if (!style) {
        SetLastError(ERROR_INVALID_MSGBOX_STYLE);
        return 0;
    }
    if (owner && !x11::findWindow(owner)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    const std::u16string wideText = x11::utf16FromWindows1254(text ? text : "");
    const std::u16string wideCaption = x11::utf16FromWindows1254(caption ? caption : "Error");
    const x11::XWindow* ownerWindow = x11::xWindowOf(owner);
    const std::optional<int> answer = x11::showMessageBox(wideText, wideCaption, *style,
                                                          ownerWindow ? ownerWindow->handle : None);
    if (answer)
        return *answer;
    writeToStandardError(x11::utf8FromUtf16(wideText), x11::utf8FromUtf16(wideCaption));
    return style->buttons.size() == 1 ? IDOK : 0;
}

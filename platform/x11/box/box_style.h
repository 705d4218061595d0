// What MessageBoxA's type asks of the box: its buttons, which of them is the default, its icon,
// and what Escape and the close box answer. No X here: the rules are Win32's.
#ifndef TALVO_PLATFORM_X11_BOX_BOX_STYLE_H
#define TALVO_PLATFORM_X11_BOX_BOX_STYLE_H

#include "platform/platform.h"

#include <optional>
#include <string>
#include <vector>

namespace x11 {

struct BoxButton {
    int answer; // what MessageBoxA returns for it (IDOK, IDYES, ...)
    std::u16string label;
    char mnemonic; // the letter that presses it, lower case; 0 for none
};

enum class BoxIcon { none, error, question, warning, information };

struct BoxStyle {
    std::vector<BoxButton> buttons; // left to right
    std::size_t defaultButton;      // index into buttons
    BoxIcon icon;
    // Escape and the close box: IDCANCEL where there is a Cancel button, IDOK for the box with
    // OK alone; 0 where they do nothing (the box asks a question that has no "cancel" answer).
    int cancelAnswer;
};

// Empty for a type whose button set Windows does not have. An icon value past the four is no
// icon; a default button past the last is the first.
std::optional<BoxStyle> boxStyleOf(UINT type);

} // namespace x11

#endif

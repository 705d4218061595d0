#include "box/box_style.h"

namespace x11 {
namespace {

// Windows' labels, with the letters its mnemonics underline.
const BoxButton ok = {IDOK, u"OK", 0};
const BoxButton cancel = {IDCANCEL, u"Cancel", 0};
const BoxButton abort = {IDABORT, u"Abort", 'a'};
const BoxButton retry = {IDRETRY, u"Retry", 'r'};
const BoxButton ignore = {IDIGNORE, u"Ignore", 'i'};
const BoxButton yes = {IDYES, u"Yes", 'y'};
const BoxButton no = {IDNO, u"No", 'n'};
const BoxButton tryAgain = {IDTRYAGAIN, u"Try Again", 't'};
const BoxButton continueButton = {IDCONTINUE, u"Continue", 'c'};

// By the type's low four bits.
const std::vector<BoxButton> buttonSets[] = {
    {ok},
    {ok, cancel},
    {abort, retry, ignore},
    {yes, no, cancel},
    {yes, no},
    {retry, cancel},
    {cancel, tryAgain, continueButton},
};

BoxIcon iconOf(UINT type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        return BoxIcon::error;
    case MB_ICONQUESTION:
        return BoxIcon::question;
    case MB_ICONEXCLAMATION:
        return BoxIcon::warning;
    case MB_ICONASTERISK:
        return BoxIcon::information;
    default:
        return BoxIcon::none;
    }
}

int cancelAnswerOf(const std::vector<BoxButton>& buttons) {
    for (const BoxButton& button : buttons)
        if (button.answer == IDCANCEL)
            return IDCANCEL;
    return buttons.size() == 1 ? IDOK : 0;
}

} // namespace

std::optional<BoxStyle> boxStyleOf(UINT type) {
    const UINT set = type & MB_TYPEMASK;
    if (set >= sizeof buttonSets / sizeof buttonSets[0])
        return std::nullopt;
    const std::vector<BoxButton>& buttons = buttonSets[set];
    const std::size_t defaultButton = (type & MB_DEFMASK) >> 8;
    return BoxStyle{buttons, defaultButton < buttons.size() ? defaultButton : 0, iconOf(type),
                    cancelAnswerOf(buttons)};
}

} // namespace x11

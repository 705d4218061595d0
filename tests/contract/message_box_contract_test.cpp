// Message boxes that ask: each button set, the default button, and the keys and close box as
// Win32 takes them (Enter the focused button, which is the default until Tab moves it; a button's
// letter; Escape and the close box only where a Cancel button is, or OK alone), and the boxes it
// refuses.
#include "tests/contract/contract.h"

namespace {

using namespace contract;

struct Question {
    UINT type;
    const char* keys; // all but the last leave the box up
    int answer;
};

void ask(HWND window, const std::vector<Question>& questions) {
    for (const Question& question : questions) {
        int answer = -1;
        const user::Box box = user::answer(question.keys, [&] {
            answer = MessageBoxA(window, "Devam edilsin mi?", user::boxCaption, question.type);
        });
        EXPECT_EQ(answer, question.answer) << std::hex << question.type << " " << question.keys;
        EXPECT_EQ(box.text, "Devam edilsin mi?");
    }
}

TEST_F(WindowContract, AMessageBoxAnswersWithTheButtonChosen) {
    show();
    ask(window, {
                    {MB_YESNO, "Return", IDYES},
                    {MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION, "Return", IDNO},
                    {MB_YESNO, "n", IDNO},
                    {MB_OKCANCEL | MB_ICONINFORMATION, "Escape", IDCANCEL},
                    {MB_OKCANCEL, "close", IDCANCEL},
                    {MB_YESNOCANCEL | MB_DEFBUTTON3, "Return", IDCANCEL},
                    {MB_RETRYCANCEL | MB_ICONERROR, "Return", IDRETRY},
                    {MB_ABORTRETRYIGNORE | MB_ICONWARNING, "a", IDABORT},
                });
}

// On the X11 layer only. Tab moves the focus, and with it the default, to the next button: under
// Wine the user cannot tell when the box has the keyboard, so a key played before the one that
// answers may go elsewhere. And where Wine answers otherwise than Windows documents: Escape does
// nothing in a box with neither Cancel nor OK alone, nor does the close box, which is greyed
// (Wine answers IDCANCEL); a default past the last button is the first (Wine answers IDOK, which
// such a box does not have); a button set Windows does not have fails with
// ERROR_INVALID_MSGBOX_STYLE and an owner that is no window with ERROR_INVALID_WINDOW_HANDLE, 0
// for both (Wine shows the first box, and answers -1 for the second).
#ifndef _WIN32
TEST_F(WindowContract, AMessageBoxMovesItsFocusWithTabAndIgnoresWhatItCannotAnswer) {
    show();
    ask(window, {
                    {MB_YESNOCANCEL, "Tab,space", IDNO},
                    {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, "Tab,Return", IDIGNORE},
                    {MB_YESNO, "close,Escape,n", IDNO},
                    {MB_ABORTRETRYIGNORE | MB_ICONWARNING, "Escape,close,a", IDABORT},
                    {MB_YESNO | MB_DEFBUTTON3, "Return", IDYES},
                });

    SetLastError(0);
    EXPECT_EQ(MessageBoxA(window, "?", user::boxCaption, 7), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_MSGBOX_STYLE));
    HWND gone = createWindow("Sozlesme");
    DestroyWindow(gone);
    SetLastError(0);
    EXPECT_EQ(MessageBoxA(gone, "?", user::boxCaption, MB_OK), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}
#endif

} // namespace

// Message boxes that ask: each button set, the default button, and the keys and close box as
// Win32 takes them (Enter the focused button, which is the default until Tab moves it; a button's
// letter; Escape and the close box only where a Cancel button is, or OK alone).
#include "tests/contract/contract.h"

namespace {

using namespace contract;

struct Question {
    UINT type;
    const char* keys; // all but the last leave the box up
    int answer;
};

TEST_F(WindowContract, AMessageBoxAnswersWithTheButtonChosen) {
    show();
    const Question questions[] = {
        {MB_YESNO, "Return", IDYES},
        {MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION, "Return", IDNO},
        {MB_YESNO | MB_DEFBUTTON3, "Return", IDYES}, // past the last button: the first
        {MB_YESNO, "close,Escape,n", IDNO},
        {MB_OKCANCEL | MB_ICONINFORMATION, "Escape", IDCANCEL},
        {MB_OKCANCEL, "close", IDCANCEL},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, "Return", IDCANCEL},
        {MB_YESNOCANCEL, "Tab,space", IDNO},
        {MB_RETRYCANCEL | MB_ICONERROR, "Return", IDRETRY},
        {MB_ABORTRETRYIGNORE | MB_DEFBUTTON2, "Tab,Return", IDIGNORE},
        {MB_ABORTRETRYIGNORE | MB_ICONWARNING, "Escape,close,a", IDABORT},
    };
    for (const Question& question : questions) {
        int answer = -1;
        const user::Box box = user::answer(question.keys, [&] {
            answer = MessageBoxA(window, "Devam edilsin mi?", user::boxCaption, question.type);
        });
        EXPECT_EQ(answer, question.answer) << std::hex << question.type << " " << question.keys;
        EXPECT_EQ(box.text, "Devam edilsin mi?");
    }
}

// Refused at once, with nothing shown: a button set Windows does not have, and an owner that is
// no window.
TEST_F(WindowContract, AMessageBoxWithNoSuchButtonsOrOwnerFails) {
    SetLastError(0);
    EXPECT_EQ(MessageBoxA(window, "?", user::boxCaption, 7), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_MSGBOX_STYLE));
    HWND gone = createWindow("Sozlesme");
    DestroyWindow(gone);
    SetLastError(0);
    EXPECT_EQ(MessageBoxA(gone, "?", user::boxCaption, MB_OK), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

} // namespace

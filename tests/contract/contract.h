// What the contract's cases share: a window procedure that records what it receives, the class and
// window the cases make, waiting with and without a message loop running, and descriptions of
// messages for readable comparisons; the fixtures of a window, and of a window shown and holding
// the keyboard. The cases are grouped by file: contract_test.cpp has what the system and scene
// code rely on from every provider.
#ifndef TALVO_TESTS_CONTRACT_CONTRACT_H
#define TALVO_TESTS_CONTRACT_CONTRACT_H

#include "tests/contract/user.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace contract {

struct Received {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    // For keys and the mouse, while the procedure had the message: GetKeyState of Shift and of
    // the message's key, GetAsyncKeyState of that key, and Caps Lock's toggle in GetKeyState.
    bool shiftHeld, keyHeld, keyHeldNow, capsLocked;
    std::string text; // what WM_SETTEXT carried
};
extern std::vector<Received> received;
extern MSG lastSize;       // the last WM_SIZE received
extern bool refuseSetText; // answer WM_SETTEXT 0 instead of passing it on

// Records every message; closing is left to the case: WM_CLOSE leaves the window open. Everything
// else goes on to the default window procedure.
LRESULT CALLBACK recordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
ATOM registerClass(const char* name);
// A window as the program makes it: caption, system menu, minimise and maximise buttons, no
// sizing border; 640 x 480 outside, at the top-left corner.
HWND createWindow(const char* className);

// Whether `condition` comes to hold within `seconds`, looked at every 2 ms.
bool eventually(const std::function<bool()>& condition, double seconds = 10);
// The same, with an application's message loop running meanwhile, translating keys as a program
// does.
bool pumpUntil(const std::function<bool()>& condition, double seconds = 10);

// What the procedure got of these messages, oldest first.
std::vector<Received> receivedOf(const std::vector<UINT>& messages);
// Whether the procedure got the message, with that wParam if one is given.
bool gets(UINT message, std::optional<WPARAM> wParam = {});
bool lastSizeIs(WPARAM kind, LPARAM size);

const char* messageName(UINT message);
// One line per message: name, wParam and lParam in hexadecimal, for readable comparisons. Each
// parameter is widened through the unsigned type of its own width: on 32-bit Windows LPARAM is a
// signed 32-bit value, and a key-up's bit 31 would otherwise spread (0xFFFFFFFFC0010001). The
// types are the template's so that a 64-bit build can check the 32-bit ones too.
template <typename WParam, typename LParam>
std::string describe(UINT message, WParam wParam, LParam lParam) {
    char line[96];
    std::snprintf(
        line, sizeof line, "%s 0x%llX 0x%llX\n", messageName(message),
        static_cast<unsigned long long>(static_cast<std::make_unsigned_t<WParam>>(wParam)),
        static_cast<unsigned long long>(static_cast<std::make_unsigned_t<LParam>>(lParam)));
    return line;
}
std::string describe(const std::vector<Received>& messages);
// The messages' names alone, in order, on one line.
std::string names(const std::vector<Received>& messages);

// The program's request: drawn to a window, GL, double-buffered, RGBA, 16 colour bits.
PIXELFORMATDESCRIPTOR programsRequest();
GLint glInteger(GLenum name);
// wglGetProcAddress's answer as the function it is (through void(*)(), the cast between function
// types that the compiler does not warn of).
template <typename Function> Function glFunction(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(wglGetProcAddress(name)));
}

extern const std::vector<UINT> keyMessages;
extern const std::vector<UINT> keyUps; // awaited for keys played
extern const std::vector<UINT> mouseMessages;
extern const std::vector<UINT> focusMessages;
// Plays the actions and waits until `count` of the `awaited` messages have come, and a little
// longer for any that should not; what came of the `described` messages.
std::string play(const std::string& actions, const std::vector<UINT>& awaited, std::size_t count,
                 const std::vector<UINT>& described);

// A window of the recording procedure's class, made for each case and destroyed after it.
class WindowContract : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Shows the window; the client size it reported, which it does before ShowWindow returns.
    LPARAM show();

    HWND window = nullptr;
};

// The window shown, active and holding the keyboard, with what it has received forgotten.
class InputContract : public WindowContract {
  protected:
    void SetUp() override;

    std::vector<Received> focusOnShowing;
};

} // namespace contract

#endif

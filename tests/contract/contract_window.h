// The contract cases' window: a class whose procedure records what it gets, the window the
// program makes, and an application's message loop to run until something has come.
#ifndef TALVO_TESTS_CONTRACT_CONTRACT_WINDOW_H
#define TALVO_TESTS_CONTRACT_CONTRACT_WINDOW_H

#include "platform/platform.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

struct Received {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    // For keys and the mouse, while the procedure had the message: GetKeyState of Shift and of
    // the message's key, and GetAsyncKeyState of that key.
    bool shiftHeld;
    bool keyHeld;
    bool keyHeldNow;
    std::string text; // what WM_SETTEXT carried
};

// A class recorded by the procedure below, and a window of it as the program makes it: caption,
// system menu, minimise and maximise buttons, no sizing border; 640 x 480 outside, at the
// top-left corner.
ATOM registerClass(const char* name);
HWND createWindow(const char* className);

// Whether `condition` comes to hold within some ten seconds.
bool eventually(const std::function<bool()>& condition);
// Runs an application's message loop, translating keys as a program does, until `condition`
// holds or `seconds` have passed; false if it does not hold.
bool pumpUntil(const std::function<bool()>& condition, double seconds = 10);
void pumpFor(double seconds);

// One line per message: name, wParam and lParam in hexadecimal, for readable comparisons.
std::string describe(UINT message, WPARAM wParam, LPARAM lParam);
std::string describe(const std::vector<Received>& messages);

class WindowContract : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the window; the client size it reported, which it does before ShowWindow returns.
    LPARAM show();
    // Another window of the class, as the program makes it, not yet shown.
    HWND createAnother();

    // What the procedure got of these messages, oldest first; whether it got one with wParam.
    std::vector<Received> received(const std::vector<UINT>& messages) const;
    bool gets(UINT message, WPARAM wParam) const;
    bool receivedAny(UINT message) const;
    void forget();
    bool lastSizeIs(WPARAM kind, LPARAM size) const;
    const MSG& lastSize() const;
    // From now on the procedure answers WM_SETTEXT 0 itself instead of passing it on to
    // DefWindowProcA, as it does every message but WM_CLOSE.
    void refuseSetText();

    HWND window = nullptr;
};

#endif

// A window whose procedure records what it gets, written against the platform contract alone, so
// that the same cases run on the X11 layer and on real Win32 under Wine.
#ifndef TALVO_TESTS_SCENE_CONTRACT_SCENE_WINDOW_H
#define TALVO_TESTS_SCENE_CONTRACT_SCENE_WINDOW_H

#include "platform/platform.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

struct Received {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    // GetKeyState of Shift and, for key messages, of the message's key, while the procedure had
    // the message; GetAsyncKeyState of that key.
    bool shiftHeld;
    bool keyHeld;
    bool keyHeldNow;
    std::string text; // what WM_SETTEXT carried
};

class SceneWindow {
  public:
    // Registers the class, then creates, shows and waits for the focus of a 640 x 480 window at
    // the screen's top-left corner.
    SceneWindow();
    ~SceneWindow();
    SceneWindow(const SceneWindow&) = delete;
    SceneWindow& operator=(const SceneWindow&) = delete;

    HWND handle() const { return window; }
    // Another window of the same class, not yet shown.
    HWND createAnother();

    // Runs the message loop, translating as a program does, until `done` holds or `seconds` have
    // passed; true if it held.
    bool pumpUntil(const std::function<bool()>& done, double seconds = 10);
    void pumpFor(double seconds);
    bool gets(UINT message, WPARAM wParam) const;

    // What the procedures got of these messages, oldest first.
    std::vector<Received> received(std::initializer_list<UINT> messages) const;
    void forget();

    // Whether the procedure passes WM_SETTEXT on to DefWindowProcA, as it does every message but
    // WM_CLOSE, or answers it 0 itself.
    static bool passSetText;

  private:
    void waitForKeyboard();

    HWND window = nullptr;
};

// One line per message: name, wParam and lParam in hexadecimal, for readable comparisons.
std::string describe(UINT message, WPARAM wParam, LPARAM lParam);
std::string describe(const std::vector<Received>& messages);

#endif

// A window on the layer whose procedure records every message it gets, and a message loop for the
// tests to drive it with.
#ifndef TALVO_TESTS_X11_RECORDING_WINDOW_H
#define TALVO_TESTS_X11_RECORDING_WINDOW_H

#include "platform/platform.h"

#include <X11/Xlib.h>

#include <functional>
#include <vector>

struct RecordedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class RecordingWindow {
  public:
    static const char className[];
    static const char title[]; // Windows-1254, with an s-cedilla

    // Registers the class and creates a 640 x 480 window at (0, 0) with the program's style.
    RecordingWindow();
    ~RecordingWindow();

    HWND handle() const { return window; }
    Window xWindow() const;
    const std::vector<RecordedMessage>& messages() const;
    void forgetMessages();

    // Runs the message loop until `done` holds or `seconds` have passed; true if it held.
    bool pumpUntil(const std::function<bool()>& done, double seconds = 5);
    // The last WM_SIZE the procedure got, and whether one came at all.
    bool lastSize(RecordedMessage* size) const;
    bool received(UINT message) const;

  private:
    HWND window = nullptr;
};

#endif

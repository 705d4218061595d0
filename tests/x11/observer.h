// What another client of the display sees of the layer's windows, and the tools a user's actions
// are played with.
#ifndef TALVO_TESTS_X11_OBSERVER_H
#define TALVO_TESTS_X11_OBSERVER_H

#include <X11/Xlib.h>

#include <string>
#include <vector>

struct Geometry {
    int x;
    int y;
    int width;
    int height;
};

class Observer {
  public:
    Observer();
    ~Observer();
    Observer(const Observer&) = delete;
    Observer& operator=(const Observer&) = delete;

    std::string textProperty(Window window, const char* name);
    std::vector<unsigned long> longProperty(Window window, const char* name);
    // The client area, in root coordinates.
    Geometry clientGeometry(Window window);
    // Position and size of the window manager's frame around the client.
    Geometry frameGeometry(Window window);
    // The top-level window that has the property, waiting for it up to `seconds`; None if none.
    Window waitForWindowWith(const char* property, Window other, double seconds = 10);

  private:
    Window findWindowWith(Window parent, Atom property, Window other);
    Display* connection;
};

// Runs a shell command (wmctrl, xdotool, ...) on the test display; its exit status.
int runTool(const std::string& command);
std::string hex(Window window);

#endif

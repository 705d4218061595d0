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
    // A visible window that has the property, waiting for one up to `seconds`; None if none
    // shows.
    Window waitForWindowWith(const char* property, double seconds = 10);
    bool exists(Window window);

  private:
    // The property's items when they are of that size in bits, 8 or 32; none otherwise.
    std::vector<unsigned long> items(Window window, const char* name, int format);
    bool isViewable(Window window);
    Window findWindowWith(Window parent, Atom property);
    Display* connection;
};

// Runs a shell command (wmctrl, xdotool, ...) on the test display; its exit status.
int runTool(const std::string& command);
std::string hex(Window window);

#endif

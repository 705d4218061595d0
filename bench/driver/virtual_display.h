// An X server of the driver's own, Xvfb on a free display number, with openbox managing it, so
// every close and maximise request goes through a real window manager. Both are stopped when
// the object goes.
#ifndef TALVO_BENCH_VIRTUAL_DISPLAY_H
#define TALVO_BENCH_VIRTUAL_DISPLAY_H

#include <X11/Xlib.h>
#include <string>
#include <sys/types.h>

class VirtualDisplay {
  public:
    VirtualDisplay() = default;
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    // A screen of the given size at 24 bits, and openbox with the given configuration file.
    // On failure, says why in `error`.
    bool start(int width, int height, const std::string& windowManagerConfig, std::string& error);

    const std::string& name() const { return displayName; } // ":N", for DISPLAY
    Display* connection() const { return display; }

  private:
    bool startServer(int width, int height, std::string& error);
    bool startWindowManager(const std::string& config, std::string& error);

    pid_t server = -1;
    pid_t windowManager = -1;
    Display* display = nullptr;
    std::string displayName;
};

#endif

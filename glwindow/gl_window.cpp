// Creation and teardown of the window object.
#include "glwindow/gl_window.h"

#include <cstdio>

namespace {

const DWORD windowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

// Copies a caller's text into one of the object's fixed buffers. A text longer than the buffer
// is cut at its capacity, terminator kept, so nothing is ever written past it.
template <int capacity> void copyText(char (&buffer)[capacity], const char* text) {
    std::snprintf(buffer, capacity, "%s", text);
}

} // namespace

int GlWindow::create(HINSTANCE moduleInstance, int outerWidth, int outerHeight,
                     const char* windowTitle, const char* windowClassName, int showCommand) {
    if (!windowClassName) {
        warn("Pencere sinifi girilmemis.");
        return 0;
    }
    copyText(className, windowClassName);
    if (!windowTitle) {
        warn("Pencere adi girilmemis.");
        return 0;
    }
    copyText(title, windowTitle);
    width = outerWidth;
    height = outerHeight;
    instance = moduleInstance;

    // No background brush: the system never erases the window, GL paints all of it.
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(WNDCLASSEXA);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, IDI_WINLOGO);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    windowClass.hIconSm = LoadIconA(instance, IDI_WINLOGO);
    if (!RegisterClassExA(&windowClass)) {
        warn("Pencere Kayit edilemedi.");
        return 0;
    }

    // The size is the outer size, frame and caption included.
    window = CreateWindowExA(0, className, title, windowStyle, 0, 0, width, height, nullptr,
                             nullptr, instance, nullptr);
    if (!window) {
        warn("Pencere olu\xFEturulamadi."); // Windows-1254: 0xFE is the letter s-cedilla
        return 0;
    }

    if (!setupGl(width, height)) {
        warn("Giris degerleri girilemedi.");
        return 0;
    }

    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return 1;
}

void GlWindow::destroy() {
    if (renderContext) {
        if (!wglMakeCurrent(nullptr, nullptr))
            warn("DC ve RC kaldirilamadi!");
        if (!wglDeleteContext(renderContext))
            warn("RC context kaldirilamadi!");
        renderContext = nullptr;
    }
    if (deviceContext) {
        if (!ReleaseDC(window, deviceContext))
            warn("DC kaldirilamadi!");
        deviceContext = nullptr;
    }
    if (window) {
        if (!DestroyWindow(window))
            warn("Pencere Kaldirilamadi!");
        window = nullptr;
    }
    if (!UnregisterClassA(className, instance))
        warn("Pencere Kayittan kaldirilamadi!");
    instance = nullptr;
}

// The display's modes: the sizes the screen's primary output takes, as XRandR lists them (the
// screen as it is where the server has no XRandR), each in the screen's own depth and the lower
// ones that older programs ask full-screen modes in, which Windows offers too and the server
// shows in its own depth. A mode the program sets lasts until it sets another or restores the
// session's (a null mode), or until it ends: a Linux session keeps no mode for programs in a
// registry, so the layer restores the session's at exit.
#include "core/window_procedure.h"
#include "core/window_record.h"
#include "display/screen.h"
#include "display/xrandr_library.h"
#include "xlib/connection.h"
#include "xlib/error_trap.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace x11 {
namespace {

struct Mode {
    int width;
    int height;
    int frequency; // hertz
    RRMode id;     // None for the screen as it is, without XRandR
};

// The refresh rate of a mode whose timings are unknown: the display's default, as Windows reads
// 0 and 1.
const int defaultFrequency = 60;
const DWORD lowerDepths[] = {16, 8};
const char displayName[] = "\\\\.\\DISPLAY1";

// The part's state.
struct DisplayState {
    bool started = false;
    Mode sessionMode = {};  // as the session had it when the program first asked
    DWORD bitsPerPixel = 0; // as the program last set it; the screen's own until then
    bool restoresAtExit = false;
} part;

// The pixels of a depth-24 screen take 32 bits, as Windows counts them.
DWORD screenBitsPerPixel() {
    const int depth = DefaultDepth(display(), screen());
    return depth >= 24 ? 32 : static_cast<DWORD>(depth);
}

// The primary output, or the first one that shows something, and its modes.
struct Output {
    RRCrtc crtc = None;
    std::vector<Mode> modes;
    RRMode current = None;
};

int frequencyOf(const XRRModeInfo& mode) {
    if (!mode.dotClock || !mode.hTotal || !mode.vTotal)
        return defaultFrequency;
    const double total = static_cast<double>(mode.hTotal) * mode.vTotal;
    return static_cast<int>(static_cast<double>(mode.dotClock) / total + 0.5);
}

void addModesOf(const XrandrLibrary& xrandr, XRRScreenResources& resources, RROutput id,
                Output& output) {
    XRROutputInfo* info = xrandr.getOutputInfo(display(), &resources, id);
    if (!info)
        return;
    output.crtc = info->crtc;
    for (int i = 0; i < info->nmode; ++i)
        for (int known = 0; known < resources.nmode; ++known) {
            const XRRModeInfo& mode = resources.modes[known];
            if (mode.id == info->modes[i])
                output.modes.push_back({static_cast<int>(mode.width), static_cast<int>(mode.height),
                                        frequencyOf(mode), mode.id});
        }
    xrandr.freeOutputInfo(info);
}

Output primaryOutput() {
    Output output;
    const XrandrLibrary* xrandr = xrandrLibrary();
    XRRScreenResources* resources =
        xrandr ? xrandr->getScreenResourcesCurrent(display(), rootWindow()) : nullptr;
    if (resources) {
        const RROutput primary = xrandr->getOutputPrimary(display(), rootWindow());
        for (int i = -1; i < resources->noutput && output.crtc == None; ++i) {
            output.modes.clear();
            const RROutput id = i < 0 ? primary : resources->outputs[i];
            if (id != None)
                addModesOf(*xrandr, *resources, id, output);
        }
        if (XRRCrtcInfo* crtc =
                output.crtc ? xrandr->getCrtcInfo(display(), resources, output.crtc) : nullptr) {
            output.current = crtc->mode;
            xrandr->freeCrtcInfo(crtc);
        }
        xrandr->freeScreenResources(resources);
    }
    if (output.crtc == None) {
        const RECT screen = screenArea();
        output.modes = {{screen.right, screen.bottom, defaultFrequency, None}};
    }
    return output;
}

Mode currentMode(const Output& output) {
    for (const Mode& mode : output.modes)
        if (mode.id == output.current)
            return mode;
    const RECT screen = screenArea();
    return {screen.right, screen.bottom, defaultFrequency, output.current};
}

void start() {
    if (part.started)
        return;
    part.started = true;
    part.sessionMode = currentMode(primaryOutput());
    part.bitsPerPixel = screenBitsPerPixel();
}

// Each size once, at the first rate listed for it, in the screen's depth and then the lower ones.
std::vector<Mode> distinctSizes(const std::vector<Mode>& modes) {
    std::vector<Mode> sizes;
    for (const Mode& mode : modes)
        if (std::none_of(sizes.begin(), sizes.end(), [&](const Mode& size) {
                return size.width == mode.width && size.height == mode.height &&
                       size.frequency == mode.frequency;
            }))
            sizes.push_back(mode);
    return sizes;
}

std::vector<DWORD> offeredDepths() {
    std::vector<DWORD> depths = {screenBitsPerPixel()};
    for (DWORD lower : lowerDepths)
        if (lower < depths.front())
            depths.push_back(lower);
    return depths;
}

void describe(const Mode& mode, DWORD bitsPerPixel, DEVMODEA& out) {
    std::memcpy(out.dmDeviceName, displayName, sizeof displayName);
    out.dmFields = DM_POSITION | DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFLAGS |
                   DM_DISPLAYFREQUENCY;
    out.dmPosition = {0, 0};
    out.dmDisplayOrientation = 0;
    out.dmDisplayFixedOutput = 0;
    out.dmBitsPerPel = bitsPerPixel;
    out.dmPelsWidth = static_cast<DWORD>(mode.width);
    out.dmPelsHeight = static_cast<DWORD>(mode.height);
    out.dmDisplayFlags = 0;
    out.dmDisplayFrequency = static_cast<DWORD>(mode.frequency);
}

// The mode the request names, the current one's values standing for the fields it leaves out; a
// rate of 0 or 1 is the display's default: any.
const Mode* findMode(const Output& output, const DEVMODEA& request, DWORD* bitsPerPixel) {
    const Mode current = currentMode(output);
    const DWORD width = request.dmFields & DM_PELSWIDTH ? request.dmPelsWidth : current.width;
    const DWORD height = request.dmFields & DM_PELSHEIGHT ? request.dmPelsHeight : current.height;
    const DWORD frequency = request.dmFields & DM_DISPLAYFREQUENCY ? request.dmDisplayFrequency : 0;
    *bitsPerPixel = request.dmFields & DM_BITSPERPEL ? request.dmBitsPerPel : part.bitsPerPixel;
    const std::vector<DWORD> depths = offeredDepths();
    if (std::find(depths.begin(), depths.end(), *bitsPerPixel) == depths.end())
        return nullptr;
    for (const Mode& mode : output.modes)
        if (static_cast<DWORD>(mode.width) == width && static_cast<DWORD>(mode.height) == height &&
            (frequency <= 1 || static_cast<DWORD>(mode.frequency) == frequency))
            return &mode;
    return nullptr;
}

// Keeps the screen's millimetres to the pixel as the server first had them.
void setScreenSize(const XrandrLibrary& xrandr, int width, int height) {
    const int pixels = DisplayWidth(display(), screen());
    const int millimetres = DisplayWidthMM(display(), screen());
    const int pixelsHigh = DisplayHeight(display(), screen());
    const int millimetresHigh = DisplayHeightMM(display(), screen());
    xrandr.setScreenSize(display(), rootWindow(), width, height, width * millimetres / pixels,
                         height * millimetresHigh / pixelsHigh);
}

// The screen grows before the output shows a larger mode, and shrinks after it shows a smaller
// one: the server refuses an output larger than its screen.
bool showMode(const Output& output, const Mode& mode) {
    const XrandrLibrary* xrandr = xrandrLibrary();
    if (!xrandr || mode.id == None)
        return false;
    ErrorTrap trap("ChangeDisplaySettingsA");
    XRRScreenResources* resources = xrandr->getScreenResourcesCurrent(display(), rootWindow());
    XRRCrtcInfo* crtc =
        resources ? xrandr->getCrtcInfo(display(), resources, output.crtc) : nullptr;
    bool shown = false;
    if (crtc) {
        const RECT screen = screenArea();
        const int width = std::max<int>(mode.width, crtc->x + mode.width);
        const int height = std::max<int>(mode.height, crtc->y + mode.height);
        const bool grows = width > screen.right || height > screen.bottom;
        if (grows)
            setScreenSize(*xrandr, std::max<int>(width, screen.right),
                          std::max<int>(height, screen.bottom));
        shown = xrandr->setCrtcConfig(display(), resources, output.crtc, CurrentTime, crtc->x,
                                      crtc->y, mode.id, crtc->rotation, crtc->outputs,
                                      crtc->noutput) == RRSetConfigSuccess;
        if (shown && resources->ncrtc == 1)
            setScreenSize(*xrandr, width, height);
        xrandr->freeCrtcInfo(crtc);
    }
    if (resources)
        xrandr->freeScreenResources(resources);
    return !trap.failed() && shown;
}

void restoreSessionMode() {
    const Output output = primaryOutput();
    if (output.current != part.sessionMode.id)
        showMode(output, part.sessionMode);
    XFlush(display());
}

// Every top-level window hears of the new mode, as on Windows.
void tellWindows(const Mode& mode, DWORD bitsPerPixel) {
    for (HWND window : liveWindows())
        sendMessage(window, WM_DISPLAYCHANGE, bitsPerPixel, MAKELPARAM(mode.width, mode.height));
}

} // namespace
} // namespace x11

using x11::part;

BOOL WINAPI EnumDisplaySettingsA(LPCSTR deviceName, DWORD modeNumber, LPDEVMODEA mode) {
    if (!mode || !x11::display() || (deviceName && std::strcmp(deviceName, x11::displayName)))
        return FALSE;
    x11::start();
    const x11::Output output = x11::primaryOutput();
    if (modeNumber == ENUM_CURRENT_SETTINGS) {
        x11::describe(x11::currentMode(output), part.bitsPerPixel, *mode);
        return TRUE;
    }
    if (modeNumber == ENUM_REGISTRY_SETTINGS) {
        x11::describe(part.sessionMode, x11::screenBitsPerPixel(), *mode);
        return TRUE;
    }
    const std::vector<x11::Mode> sizes = x11::distinctSizes(output.modes);
    const std::vector<DWORD> depths = x11::offeredDepths();
    if (modeNumber >= sizes.size() * depths.size())
        return FALSE;
    x11::describe(sizes[modeNumber % sizes.size()], depths[modeNumber / sizes.size()], *mode);
    return TRUE;
}

// CDS_TEST only asks whether the mode would be taken. A null mode restores the session's.
LONG WINAPI ChangeDisplaySettingsA(LPDEVMODEA mode, DWORD flags) {
    if (!x11::display())
        return DISP_CHANGE_FAILED;
    x11::start();
    const x11::Output output = x11::primaryOutput();
    DEVMODEA sessions = {};
    if (!mode) {
        x11::describe(part.sessionMode, x11::screenBitsPerPixel(), sessions);
        mode = &sessions;
    }
    DWORD bitsPerPixel;
    const x11::Mode* found = x11::findMode(output, *mode, &bitsPerPixel);
    if (!found)
        return DISP_CHANGE_BADMODE;
    if (flags & CDS_TEST)
        return DISP_CHANGE_SUCCESSFUL;
    if (found->id != output.current && !x11::showMode(output, *found))
        return DISP_CHANGE_FAILED;
    part.bitsPerPixel = bitsPerPixel;
    if (!part.restoresAtExit) {
        part.restoresAtExit = true;
        std::atexit(x11::restoreSessionMode);
    }
    x11::tellWindows(*found, bitsPerPixel);
    return DISP_CHANGE_SUCCESSFUL;
}

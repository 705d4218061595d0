// The program's module: the instance WinMain is given and GetModuleHandleA names.
#ifndef TALVO_PLATFORM_X11_CORE_MODULE_H
#define TALVO_PLATFORM_X11_CORE_MODULE_H

#include "platform/platform.h"

namespace x11 {

HINSTANCE programModule();

} // namespace x11

#endif

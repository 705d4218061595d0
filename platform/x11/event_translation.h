// X events become window messages, posted to the queue.
#ifndef TALVO_PLATFORM_X11_EVENT_TRANSLATION_H
#define TALVO_PLATFORM_X11_EVENT_TRANSLATION_H

#include <X11/Xlib.h>

namespace x11 {

// Posts the messages an event of one of the layer's windows means; others change nothing.
void translateEvent(const XEvent& event);

} // namespace x11

#endif

// The part of a window's client area that needs painting, as Win32 keeps it: a region, here a set
// of rectangles that do not overlap, which invalidation adds to and validation takes from.
#ifndef TALVO_PLATFORM_X11_CORE_UPDATE_REGION_H
#define TALVO_PLATFORM_X11_CORE_UPDATE_REGION_H

#include "platform/platform.h"

#include <vector>

namespace x11 {

class UpdateRegion {
  public:
    void add(const RECT& area);
    void subtract(const RECT& area);
    void clear() {
        parts.clear();
        erase = false;
    }
    bool empty() const { return parts.empty(); }
    // The smallest rectangle that holds the region; all zero for an empty one.
    RECT bounds() const;

    bool erase = false; // an invalidation asked for the background to be erased

  private:
    std::vector<RECT> parts;
};

} // namespace x11

#endif

#include "core/update_region.h"

#include <algorithm>

namespace x11 {
namespace {

bool isEmpty(const RECT& area) {
    return area.left >= area.right || area.top >= area.bottom;
}

RECT intersection(const RECT& one, const RECT& other) {
    return {std::max(one.left, other.left), std::max(one.top, other.top),
            std::min(one.right, other.right), std::min(one.bottom, other.bottom)};
}

// What is left of `part` outside `cut`: up to four rectangles, the bands above and below the cut
// across the whole part, and the pieces left and right of it between them.
void appendDifference(const RECT& part, const RECT& cut, std::vector<RECT>& out) {
    const RECT overlap = intersection(part, cut);
    if (isEmpty(overlap)) {
        out.push_back(part);
        return;
    }
    const RECT pieces[] = {{part.left, part.top, part.right, overlap.top},
                           {part.left, overlap.bottom, part.right, part.bottom},
                           {part.left, overlap.top, overlap.left, overlap.bottom},
                           {overlap.right, overlap.top, part.right, overlap.bottom}};
    for (const RECT& piece : pieces)
        if (!isEmpty(piece))
            out.push_back(piece);
}

} // namespace

// What is already there is taken out of the new area first, so the parts never overlap.
void UpdateRegion::add(const RECT& area) {
    std::vector<RECT> added = {area};
    for (const RECT& part : parts) {
        std::vector<RECT> left;
        for (const RECT& piece : added)
            appendDifference(piece, part, left);
        added.swap(left);
    }
    for (const RECT& piece : added)
        if (!isEmpty(piece))
            parts.push_back(piece);
}

void UpdateRegion::subtract(const RECT& area) {
    std::vector<RECT> left;
    for (const RECT& part : parts)
        appendDifference(part, area, left);
    parts.swap(left);
    if (parts.empty())
        erase = false;
}

RECT UpdateRegion::bounds() const {
    if (parts.empty())
        return {0, 0, 0, 0};
    RECT all = parts.front();
    for (const RECT& part : parts)
        all = {std::min(all.left, part.left), std::min(all.top, part.top),
               std::max(all.right, part.right), std::max(all.bottom, part.bottom)};
    return all;
}

} // namespace x11

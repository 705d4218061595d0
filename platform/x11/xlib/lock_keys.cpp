#include "xlib/lock_keys.h"

#include "core/key_state.h"

#include <X11/XKBlib.h>

namespace x11 {

// Indicators are found by the names every keyboard description gives them.
void readLockKeys(const Connection& connection) {
    const struct {
        Atom indicator;
        BYTE virtualKey;
    } lockKeys[] = {{connection.atoms.capsLock, VK_CAPITAL},
                    {connection.atoms.numLock, VK_NUMLOCK},
                    {connection.atoms.scrollLock, VK_SCROLL}};
    for (const auto& key : lockKeys) {
        Bool lit = False;
        if (XkbGetNamedIndicator(connection.display, key.indicator, nullptr, &lit, nullptr,
                                 nullptr))
            setKeyToggled(key.virtualKey, lit);
    }
}

} // namespace x11

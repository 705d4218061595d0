// The thread's last error, which a failing call sets for GetLastError.
#include "core/core_state.h"

DWORD WINAPI GetLastError() {
    return x11::core.lastError;
}

void WINAPI SetLastError(DWORD error) {
    x11::core.lastError = error;
}

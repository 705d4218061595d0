#include "core/module.h"

// The module instance: its address is the handle, and nothing ever looks inside.
struct HINSTANCE__ {};

namespace x11 {

HINSTANCE programModule() {
    static HINSTANCE__ module;
    return &module;
}

} // namespace x11

// The program is the one module: no library of its is loaded by name.
HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName) {
    if (moduleName) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    return x11::programModule();
}

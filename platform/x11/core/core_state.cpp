#include "core/core_state.h"

namespace x11 {

CoreState core;

} // namespace x11

#include "gl/gl_state.h"

namespace x11 {

GlState gl;

} // namespace x11

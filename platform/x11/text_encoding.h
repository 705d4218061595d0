// The system's texts are in the Turkish ANSI code page, Windows-1254; X shows UTF-8.
#ifndef TALVO_PLATFORM_X11_TEXT_ENCODING_H
#define TALVO_PLATFORM_X11_TEXT_ENCODING_H

#include <string>

namespace x11 {

std::string utf8FromWindows1254(const char* text);

} // namespace x11

#endif

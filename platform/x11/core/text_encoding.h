// The system's texts are in the Turkish ANSI code page, Windows-1254; X shows UTF-8 in properties
// and UTF-16 in fonts.
#ifndef TALVO_PLATFORM_X11_CORE_TEXT_ENCODING_H
#define TALVO_PLATFORM_X11_CORE_TEXT_ENCODING_H

#include <string>

namespace x11 {

std::string utf8FromWindows1254(const char* text);
std::u16string utf16FromWindows1254(const char* text);
// For text whose every character lies in the Basic Multilingual Plane, as Windows-1254's do.
std::string utf8FromUtf16(const std::u16string& text);

} // namespace x11

#endif

#include "core/text_encoding.h"

#include "platform/text/windows1254.h"

namespace x11 {

std::string utf8FromWindows1254(const char* text) {
    return utf8FromUtf16(utf16FromWindows1254(text));
}

std::u16string utf16FromWindows1254(const char* text) {
    std::u16string out;
    for (const char* c = text; *c; ++c)
        out += windows1254::toUnicode(static_cast<unsigned char>(*c));
    return out;
}

// Characters of the Basic Multilingual Plane take at most three bytes.
std::string utf8FromUtf16(const std::u16string& text) {
    std::string out;
    for (const char16_t character : text) {
        if (character < 0x80) {
            out += static_cast<char>(character);
        } else if (character < 0x800) {
            out += static_cast<char>(0xC0 | (character >> 6));
            out += static_cast<char>(0x80 | (character & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (character >> 12));
            out += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (character & 0x3F));
        }
    }
    return out;
}

} // namespace x11

#include "platform/x11/text_encoding.h"

#include "platform/text/windows1254.h"

namespace x11 {
namespace {

// Every character of the code page is in the Basic Multilingual Plane: at most three bytes.
void appendUtf8(std::string& out, char16_t character) {
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

} // namespace

std::string utf8FromWindows1254(const char* text) {
    std::string out;
    for (const char* c = text; *c; ++c)
        appendUtf8(out, windows1254::toUnicode(static_cast<unsigned char>(*c)));
    return out;
}

} // namespace x11

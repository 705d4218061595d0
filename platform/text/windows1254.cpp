#include "platform/text/windows1254.h"

namespace windows1254 {
namespace {

// Characters of the bytes 0x80 to 0x9F. The seven bytes the code page leaves undefined map to
// the control characters of the same value, as Windows converts them.
const char16_t upperControlRange[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x008E, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178,
};

} // namespace

// From 0xA0 on the code page is Latin-1 except for the six Turkish letters.
char16_t toUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return upperControlRange[byte - 0x80];
    switch (byte) {
    case 0xD0:
        return 0x011E; // G with breve
    case 0xDD:
        return 0x0130; // I with dot above
    case 0xDE:
        return 0x015E; // S with cedilla
    case 0xF0:
        return 0x011F; // g with breve
    case 0xFD:
        return 0x0131; // dotless i
    case 0xFE:
        return 0x015F; // s with cedilla
    default:
        return byte;
    }
}

int fromUnicode(char32_t character) {
    if (character < 0x80)
        return static_cast<int>(character);
    for (int byte = 0x80; byte <= 0xFF; ++byte)
        if (toUnicode(static_cast<unsigned char>(byte)) == character)
            return byte;
    return -1;
}

} // namespace windows1254

#include "input/key_characters.h"

#include "platform/text/windows1254.h"

// The typographic symbols (quotation marks, dashes, dagger, trade mark) and the florin.
#define XK_PUBLISHING
#define XK_TECHNICAL
#include <X11/keysym.h>

namespace x11 {
namespace {

// Symbols below this are characters; from it on, function, cursor, modifier and dead keys.
const KeySym firstFunctionSymbol = 0xFD00;
// A symbol with this bit is the Unicode character in its low bits.
const KeySym unicodeSymbolBit = 0x01000000;

// The older symbols for the characters of Windows-1254 beyond Latin-1.
const struct {
    KeySym symbol;
    char32_t character;
} legacySymbols[] = {
    {XK_Gbreve, 0x011E},
    {XK_gbreve, 0x011F},
    {XK_Iabovedot, 0x0130},
    {XK_idotless, 0x0131},
    {XK_Scedilla, 0x015E},
    {XK_scedilla, 0x015F},
    {XK_Scaron, 0x0160},
    {XK_scaron, 0x0161},
    {XK_OE, 0x0152},
    {XK_oe, 0x0153},
    {XK_Ydiaeresis, 0x0178},
    {XK_function, 0x0192},
    {XK_endash, 0x2013},
    {XK_emdash, 0x2014},
    {XK_leftsinglequotemark, 0x2018},
    {XK_rightsinglequotemark, 0x2019},
    {XK_singlelowquotemark, 0x201A},
    {XK_leftdoublequotemark, 0x201C},
    {XK_rightdoublequotemark, 0x201D},
    {XK_doublelowquotemark, 0x201E},
    {XK_dagger, 0x2020},
    {XK_doubledagger, 0x2021},
    {XK_enfilledcircbullet, 0x2022},
    {XK_ellipsis, 0x2026},
    {XK_permille, 0x2030},
    {XK_EuroSign, 0x20AC},
    {XK_trademark, 0x2122},
};

// 0 for a symbol whose character is not known here.
char32_t characterOf(KeySym symbol) {
    if ((symbol >= 0x20 && symbol <= 0x7E) || (symbol >= 0xA0 && symbol <= 0xFF))
        return static_cast<char32_t>(symbol); // Latin-1 symbols are their characters
    if (symbol & unicodeSymbolBit)
        return static_cast<char32_t>(symbol & ~unicodeSymbolBit);
    for (const auto& legacy : legacySymbols)
        if (legacy.symbol == symbol)
            return legacy.character;
    return 0;
}

} // namespace

std::string charactersOf(KeySym symbol, const std::string& latin1) {
    if (symbol == XK_Delete || symbol == XK_KP_Delete)
        return "";
    // Control characters, and the ASCII of keys without a character symbol (Return, Escape,
    // the numeric pad's digits).
    if (latin1.size() == 1 && static_cast<unsigned char>(latin1[0]) < 0x80)
        return latin1;
    if (symbol == NoSymbol || (symbol >= firstFunctionSymbol && !(symbol & unicodeSymbolBit)))
        return "";
    const int byte = windows1254::fromUnicode(characterOf(symbol));
    return std::string(1, byte > 0 ? static_cast<char>(byte) : '?');
}

} // namespace x11

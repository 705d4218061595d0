// The characters a key press types, as WM_CHAR carries them: in the ANSI code page, Windows-1254.
#ifndef TALVO_PLATFORM_X11_INPUT_KEY_CHARACTERS_H
#define TALVO_PLATFORM_X11_INPUT_KEY_CHARACTERS_H

#include <X11/X.h>

#include <string>

namespace x11 {

// `symbol` is what the press gives with its modifiers, `latin1` the text XLookupString made of it
// (which applies Control: Ctrl+A is 0x01). A character the code page lacks is '?', as Windows
// converts it; keys that type nothing (Delete among them) give nothing.
std::string charactersOf(KeySym symbol, const std::string& latin1);

} // namespace x11

#endif

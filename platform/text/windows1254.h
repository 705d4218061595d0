// The system's texts are in the Turkish ANSI code page, Windows-1254. Every provider that shows
// them through an interface with another encoding converts them with this one table.
#ifndef TALVO_PLATFORM_TEXT_WINDOWS1254_H
#define TALVO_PLATFORM_TEXT_WINDOWS1254_H

namespace windows1254 {

// The character a Windows-1254 byte stands for. Every character of the code page lies in the
// Basic Multilingual Plane, so it is one UTF-16 unit.
char16_t toUnicode(unsigned char byte);
// The byte of a character, or -1 for one the code page does not have.
int fromUnicode(char32_t character);

} // namespace windows1254

#endif

#include <gtest/gtest.h>

#include "core/text_encoding.h"

namespace {

TEST(TextEncoding, TurkishLettersAndTheUpperControlRange) {
    EXPECT_EQ(x11::utf8FromWindows1254("Pencere olu\xFEturulamadi."),
              "Pencere olu\xC5\x9Fturulamadi.");
    EXPECT_EQ(x11::utf8FromWindows1254("\xD0\xDD\xDE\xF0\xFD\xFE"),
              "\xC4\x9E\xC4\xB0\xC5\x9E\xC4\x9F\xC4\xB1\xC5\x9F");
    EXPECT_EQ(x11::utf8FromWindows1254("\x80\x9F\xE7\xFC"), "\xE2\x82\xAC\xC5\xB8\xC3\xA7\xC3\xBC");
}

} // namespace

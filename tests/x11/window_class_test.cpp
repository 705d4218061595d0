#include <gtest/gtest.h>

#include "platform/platform.h"

namespace {

LRESULT CALLBACK ignoringProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

ATOM registerClass(const char* name) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = ignoringProc;
    windowClass.lpszClassName = name;
    return RegisterClassExA(&windowClass);
}

TEST(WindowClass, NamesMustBeGivenAndNew) {
    EXPECT_EQ(registerClass(nullptr), 0);
    EXPECT_EQ(registerClass(""), 0);
    ASSERT_NE(registerClass("Sinif"), 0);
    EXPECT_EQ(registerClass("Sinif"), 0);
    EXPECT_EQ(registerClass("SINIF"), 0) << "class names ignore case";
    EXPECT_TRUE(UnregisterClassA("sinif", nullptr));
    EXPECT_FALSE(UnregisterClassA("Sinif", nullptr)) << "already gone";
    EXPECT_NE(registerClass("Sinif"), 0) << "the name is free again";
    EXPECT_TRUE(UnregisterClassA("Sinif", nullptr));
}

TEST(WindowClass, StaysWhileAWindowOfItLives) {
    ASSERT_NE(registerClass("Kalici"), 0);
    HWND window = CreateWindowExA(0, "Kalici", "", WS_CAPTION, 0, 0, 200, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(UnregisterClassA("Kalici", nullptr));
    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_TRUE(UnregisterClassA("Kalici", nullptr));
}

TEST(WindowClass, UnknownClassMakesNoWindow) {
    EXPECT_EQ(CreateWindowExA(0, "Yok", "", WS_CAPTION, 0, 0, 200, 100, nullptr, nullptr, nullptr,
                              nullptr),
              nullptr);
}

} // namespace

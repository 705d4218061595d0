// Modern GL as Win32 programs reach it: a first window with a context of the program's pixel
// format, and through it the WGL extensions for a multisampled sRGB pixel format and a context of
// a GL version and profile; the current context and device context; the answers to null, stale and
// made-up handles, and the errors GetLastError gives for each failure.
//
// Wine 8, the Win32 these cases run on besides the X11 layer, differs from Windows' documentation
// in a few answers. Each is named where it is checked, and under Wine the case expects Wine's.
#include "tests/contract/contract.h"

#include <GL/glext.h>

#include <cmath>
#include <string>

namespace {

using namespace contract;

#ifdef _WIN32
const bool underWine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
#else
const bool underWine = false;
#endif

// What GetLastError gives after a call that sets no error.
const DWORD untouched = 0xC0FFEE;

template <typename Call> DWORD errorOf(Call call) {
    SetLastError(untouched);
    call();
    return GetLastError();
}

// A window with the program's pixel format and a context of it current: the first step of the
// modern recipe, which finds the WGL extensions' functions.
class WglContract : public WindowContract {
  protected:
    void SetUp() override {
        WindowContract::SetUp();
        if (!user::seesGlAndClock)
            GTEST_SKIP() << "the fake has no GL";
        show();
        deviceContext = GetDC(window);
        const PIXELFORMATDESCRIPTOR request = programsRequest();
        ASSERT_TRUE(
            SetPixelFormat(deviceContext, ChoosePixelFormat(deviceContext, &request), &request));
        ASSERT_NE(legacy = wglCreateContext(deviceContext), nullptr);
        ASSERT_TRUE(wglMakeCurrent(deviceContext, legacy));
        choose = glFunction<PFNWGLCHOOSEPIXELFORMATARBPROC>("wglChoosePixelFormatARB");
        attributes =
            glFunction<PFNWGLGETPIXELFORMATATTRIBIVARBPROC>("wglGetPixelFormatAttribivARB");
        createContext = glFunction<PFNWGLCREATECONTEXTATTRIBSARBPROC>("wglCreateContextAttribsARB");
        ASSERT_TRUE(choose && attributes && createContext);
    }
    void TearDown() override {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(legacy);
        for (HWND each : otherWindows)
            DestroyWindow(each);
        WindowContract::TearDown();
    }

    // A device context that was one: released, as is another window's without a pixel format.
    HDC releasedDeviceContext() {
        HDC released = GetDC(window);
        ReleaseDC(window, released);
        return released;
    }
    // A device context of another window, shown, with the pixel format given (none for 0).
    HDC otherWindowsDeviceContext(int format) {
        HWND other = createWindow("Sozlesme");
        otherWindows.push_back(other);
        ShowWindow(other, SW_SHOWNORMAL);
        HDC otherDeviceContext = GetDC(other);
        if (format)
            SetPixelFormat(otherDeviceContext, format, nullptr);
        return otherDeviceContext;
    }
    int attribute(int format, int name) {
        int value = -1;
        EXPECT_TRUE(attributes(deviceContext, format, 0, 1, &name, &value)) << std::hex << name;
        return value;
    }

    HDC deviceContext = nullptr;
    HGLRC legacy = nullptr;
    PFNWGLCHOOSEPIXELFORMATARBPROC choose = nullptr;
    PFNWGLGETPIXELFORMATATTRIBIVARBPROC attributes = nullptr;
    PFNWGLCREATECONTEXTATTRIBSARBPROC createContext = nullptr;
    std::vector<HWND> otherWindows;
};

bool lists(const std::string& extensions, const char* name) {
    return (" " + extensions + " ").find(std::string(" ") + name + " ") != std::string::npos;
}

TEST_F(WglContract, OffersTheExtensionsOfTheModernRecipe) {
    const auto extensionsOf =
        glFunction<PFNWGLGETEXTENSIONSSTRINGARBPROC>("wglGetExtensionsStringARB");
    const auto extensions =
        glFunction<PFNWGLGETEXTENSIONSSTRINGEXTPROC>("wglGetExtensionsStringEXT");
    ASSERT_TRUE(extensionsOf && extensions);
    const std::string offered = extensions();
    EXPECT_EQ(extensionsOf(deviceContext), offered);
    for (const char* name :
         {"WGL_ARB_create_context", "WGL_ARB_create_context_profile", "WGL_ARB_extensions_string",
          "WGL_ARB_multisample", "WGL_ARB_pixel_format", "WGL_EXT_extensions_string",
          "WGL_EXT_framebuffer_sRGB", "WGL_EXT_swap_control"})
        EXPECT_TRUE(lists(offered, name)) << name << " in " << offered;
    const HDC released = releasedDeviceContext();
    EXPECT_EQ(errorOf([&] { EXPECT_EQ(extensionsOf(released), nullptr); }), ERROR_INVALID_HANDLE);

    // The swap interval is the current context's: 1 until changed, late swaps that tear (a
    // negative interval) only where offered, and none without a current context.
    const auto setInterval = glFunction<PFNWGLSWAPINTERVALEXTPROC>("wglSwapIntervalEXT");
    const auto interval = glFunction<PFNWGLGETSWAPINTERVALEXTPROC>("wglGetSwapIntervalEXT");
    ASSERT_TRUE(setInterval && interval);
    EXPECT_EQ(interval(), 1);
    EXPECT_TRUE(setInterval(0));
    EXPECT_EQ(setInterval(-1), lists(offered, "WGL_EXT_swap_control_tear"));
    EXPECT_TRUE(setInterval(0));
    wglMakeCurrent(nullptr, nullptr);
    EXPECT_FALSE(setInterval(1));
    EXPECT_EQ(interval(), 0);
}

// GL 1.0 and 1.1 are the GL library's own exports, not wglGetProcAddress's; beyond them, what
// the current context has, and nothing without a current context.
TEST_F(WglContract, FindsTheFunctionsTheCurrentContextHasAndNoOthers) {
    EXPECT_NE(wglGetProcAddress("glGenBuffers"), nullptr);
    EXPECT_NE(wglGetProcAddress("glGenFramebuffers"), nullptr);
    for (const char* name : {"glBegin", "glClear", "glNoSuchFunctionXYZ", "glPathCommandsNV"})
        EXPECT_EQ(wglGetProcAddress(name), nullptr) << name;
    ASSERT_TRUE(wglMakeCurrent(deviceContext, nullptr));
    EXPECT_EQ(wglGetProcAddress("glGenBuffers"), nullptr);
    EXPECT_EQ(wglGetProcAddress("wglGetExtensionsStringEXT"), nullptr);
}

TEST_F(WglContract, TellsTheCurrentContextAndAnswersNullAndStaleHandlesAsWin32) {
    const HDC released = releasedDeviceContext();
    EXPECT_TRUE(wglGetCurrentContext() == legacy && wglGetCurrentDC() == deviceContext);
    EXPECT_TRUE(wglMakeCurrent(released, nullptr)) << "detaches, whatever the device context";
    EXPECT_TRUE(wglGetCurrentContext() == nullptr && wglGetCurrentDC() == nullptr);
    EXPECT_EQ(errorOf([] { EXPECT_FALSE(wglMakeCurrent(nullptr, nullptr)); }), ERROR_INVALID_HANDLE)
        << "nothing to detach, and no device context";
    EXPECT_TRUE(wglMakeCurrent(deviceContext, nullptr));

    for (HDC each : {HDC(nullptr), released, otherWindowsDeviceContext(0)})
        EXPECT_EQ(errorOf([&] { EXPECT_FALSE(wglMakeCurrent(each, legacy)); }),
                  ERROR_INVALID_HANDLE);
    const int deeper[] = {WGL_DRAW_TO_WINDOW_ARB, 1, WGL_DEPTH_BITS_ARB, 24, 0};
    int otherFormat = 0;
    UINT found = 0;
    ASSERT_TRUE(choose(deviceContext, deeper, nullptr, 1, &otherFormat, &found) && found == 1);
    const HDC deeperWindows = otherWindowsDeviceContext(otherFormat);
    EXPECT_EQ(errorOf([&] { EXPECT_FALSE(wglMakeCurrent(deeperWindows, legacy)); }),
              ERROR_INVALID_PIXEL_FORMAT);
    EXPECT_EQ(errorOf([&] { EXPECT_EQ(wglCreateContext(otherWindowsDeviceContext(0)), nullptr); }),
              ERROR_INVALID_PIXEL_FORMAT);
    EXPECT_EQ(errorOf([&] { EXPECT_EQ(wglCreateContext(released), nullptr); }),
              ERROR_INVALID_HANDLE);

    // The device context it was made current with stays the current one, even released.
    HDC another = GetDC(window);
    ASSERT_TRUE(wglMakeCurrent(another, legacy));
    EXPECT_EQ(ReleaseDC(window, another), 1);
    EXPECT_EQ(wglGetCurrentDC(), another);
    EXPECT_EQ(errorOf([&] { EXPECT_FALSE(SwapBuffers(another)); }), ERROR_INVALID_HANDLE);
    EXPECT_EQ(ReleaseDC(window, another), 0) << "released once only";

    HGLRC deleted = wglCreateContext(deviceContext);
    ASSERT_TRUE(wglMakeCurrent(deviceContext, deleted));
    EXPECT_TRUE(wglDeleteContext(deleted));
    EXPECT_EQ(wglGetCurrentContext(), nullptr) << "deleting the current context detaches it";
    for (HGLRC each : {deleted, HGLRC(nullptr)})
        EXPECT_EQ(errorOf([&] { EXPECT_FALSE(wglDeleteContext(each)); }), ERROR_INVALID_HANDLE);
    EXPECT_EQ(errorOf([&] { EXPECT_FALSE(wglMakeCurrent(deviceContext, deleted)); }),
              ERROR_INVALID_HANDLE);
}

TEST_F(WglContract, CreatesContextsOfAVersionAProfileAndFlagsSharingObjects) {
    const auto genBuffers = glFunction<PFNGLGENBUFFERSPROC>("glGenBuffers");
    const auto bindBuffer = glFunction<PFNGLBINDBUFFERPROC>("glBindBuffer");
    GLuint buffer = 0;
    genBuffers(1, &buffer);
    bindBuffer(GL_ARRAY_BUFFER, buffer);

    struct Case {
        std::vector<int> attributes;
        GLint profile, flags;
    };
    const int core = WGL_CONTEXT_CORE_PROFILE_BIT_ARB;
    const int compatible = WGL_CONTEXT_COMPATIBILITY_PROFILE_BIT_ARB;
    const int forwardAndDebug = WGL_CONTEXT_FORWARD_COMPATIBLE_BIT_ARB | WGL_CONTEXT_DEBUG_BIT_ARB;
    for (const Case& each :
         std::vector<Case>{{{WGL_CONTEXT_MAJOR_VERSION_ARB, 3, WGL_CONTEXT_MINOR_VERSION_ARB, 3,
                             WGL_CONTEXT_PROFILE_MASK_ARB, core, 0},
                            GL_CONTEXT_CORE_PROFILE_BIT,
                            0},
                           {{WGL_CONTEXT_MAJOR_VERSION_ARB, 3, WGL_CONTEXT_MINOR_VERSION_ARB, 2,
                             WGL_CONTEXT_PROFILE_MASK_ARB, compatible, 0},
                            GL_CONTEXT_COMPATIBILITY_PROFILE_BIT,
                            0},
                           {{WGL_CONTEXT_MAJOR_VERSION_ARB, 3, WGL_CONTEXT_MINOR_VERSION_ARB, 2,
                             WGL_CONTEXT_FLAGS_ARB, forwardAndDebug, 0},
                            GL_CONTEXT_CORE_PROFILE_BIT,
                            GL_CONTEXT_FLAG_FORWARD_COMPATIBLE_BIT | GL_CONTEXT_FLAG_DEBUG_BIT}}) {
        HGLRC context = createContext(deviceContext, legacy, each.attributes.data());
        ASSERT_NE(context, nullptr);
        ASSERT_TRUE(wglMakeCurrent(deviceContext, context));
        const GLint version = glInteger(GL_MAJOR_VERSION) * 10 + glInteger(GL_MINOR_VERSION);
        EXPECT_GE(version, each.attributes[1] * 10 + each.attributes[3]);
        EXPECT_EQ(glInteger(GL_CONTEXT_PROFILE_MASK), each.profile);
        EXPECT_EQ(glInteger(GL_CONTEXT_FLAGS) & each.flags, each.flags);
        const auto isBuffer = glFunction<PFNGLISBUFFERPROC>("glIsBuffer");
        EXPECT_TRUE(isBuffer(buffer)) << "shares the first context's objects";
        EXPECT_EQ(wglGetProcAddress("glBegin"), nullptr);
        wglMakeCurrent(deviceContext, legacy);
        wglDeleteContext(context);
    }
}

// How Wine 8 answers where it differs from WGL_ARB_create_context: it refuses with no error set,
// or makes the context all the same.
enum class Wine { agrees, setsNoError, accepts };

TEST_F(WglContract, RefusesContextRequestsWithTheErrorsOfWgl) {
    struct Refusal {
        const char* what;
        std::vector<int> attributes;
        DWORD error;
        Wine wine;
    };
    const int major = WGL_CONTEXT_MAJOR_VERSION_ARB, minor = WGL_CONTEXT_MINOR_VERSION_ARB;
    const int profile = WGL_CONTEXT_PROFILE_MASK_ARB, flags = WGL_CONTEXT_FLAGS_ARB;
    const std::vector<Refusal> refusals = {
        {"no GL 2.2", {major, 2, minor, 2, 0}, ERROR_INVALID_VERSION_ARB, Wine::setsNoError},
        {"no GL 1.6", {major, 1, minor, 6, 0}, ERROR_INVALID_VERSION_ARB, Wine::setsNoError},
        {"no GL 5.0", {major, 5, 0}, ERROR_INVALID_VERSION_ARB, Wine::setsNoError},
        {"forward-compatible GL 2",
         {major, 2, flags, WGL_CONTEXT_FORWARD_COMPATIBLE_BIT_ARB, 0},
         ERROR_INVALID_VERSION_ARB,
         Wine::setsNoError},
        {"no profile",
         {major, 3, minor, 3, profile, 0, 0},
         ERROR_INVALID_PROFILE_ARB,
         Wine::setsNoError},
        {"both profiles",
         {major, 3, minor, 3, profile, 3, 0},
         ERROR_INVALID_PROFILE_ARB,
         Wine::setsNoError},
        {"an unknown flag", {flags, 0x80, 0}, ERROR_INVALID_PARAMETER, Wine::setsNoError},
        {"an unknown attribute", {0x1234, 1, 0}, ERROR_INVALID_PARAMETER, Wine::accepts},
    };
    for (const Refusal& each : refusals) {
        SetLastError(untouched);
        HGLRC context = createContext(deviceContext, nullptr, each.attributes.data());
        const DWORD error = GetLastError();
        if (underWine && each.wine == Wine::accepts) {
            EXPECT_NE(context, nullptr) << each.what;
            wglDeleteContext(context);
            continue;
        }
        EXPECT_EQ(context, nullptr) << each.what;
        EXPECT_EQ(error, underWine && each.wine == Wine::setsNoError ? untouched : each.error)
            << each.what;
    }
    // A version past the renderer's, where there is one: the pixel format has no context of it.
    if (glInteger(GL_MAJOR_VERSION) * 10 + glInteger(GL_MINOR_VERSION) < 46) {
        const int past[] = {major, 4, minor, 6, 0};
        EXPECT_EQ(errorOf([&] { EXPECT_EQ(createContext(deviceContext, nullptr, past), nullptr); }),
                  underWine ? untouched : ERROR_INVALID_PIXEL_FORMAT);
    }

    const HDC released = releasedDeviceContext();
    EXPECT_EQ(errorOf([&] { EXPECT_EQ(createContext(released, nullptr, nullptr), nullptr); }),
              ERROR_DC_NOT_FOUND);
    HGLRC deleted = wglCreateContext(deviceContext);
    wglDeleteContext(deleted);
    EXPECT_EQ(errorOf([&] { EXPECT_EQ(createContext(deviceContext, deleted, nullptr), nullptr); }),
              ERROR_INVALID_OPERATION);
    const HDC withoutFormat = otherWindowsDeviceContext(0);
    EXPECT_EQ(errorOf([&] { EXPECT_EQ(createContext(withoutFormat, nullptr, nullptr), nullptr); }),
              ERROR_INVALID_PIXEL_FORMAT);
}

// The recipe's second step: a multisampled sRGB format chosen, set on a window of its own, and a
// core context on it that draws with 4 samples and writes sRGB.
TEST_F(WglContract, ChoosesMultisampledSrgbFormatsThatSetPixelFormatTakes) {
    // clang-format off
    const int request[] = { // name and value pairs
        WGL_DRAW_TO_WINDOW_ARB, 1, WGL_SUPPORT_OPENGL_ARB, 1, WGL_DOUBLE_BUFFER_ARB, 1,
        WGL_PIXEL_TYPE_ARB, WGL_TYPE_RGBA_ARB, WGL_COLOR_BITS_ARB, 24, WGL_DEPTH_BITS_ARB, 24,
        WGL_SAMPLE_BUFFERS_ARB, 1, WGL_SAMPLES_ARB, 4, WGL_FRAMEBUFFER_SRGB_CAPABLE_ARB, 1, 0};
    // clang-format on
    int formats[4] = {};
    UINT found = 0;
    ASSERT_TRUE(choose(deviceContext, request, nullptr, 1, formats, &found));
    ASSERT_EQ(found, 1u) << "as many as there is room for";
    const int format = formats[0];
    EXPECT_EQ(attribute(format, WGL_SAMPLES_ARB), 4) << "the fewest samples of those enough";
    for (int name : {WGL_DRAW_TO_WINDOW_ARB, WGL_DOUBLE_BUFFER_ARB, WGL_SAMPLE_BUFFERS_ARB,
                     WGL_FRAMEBUFFER_SRGB_CAPABLE_ARB, WGL_SUPPORT_OPENGL_ARB})
        EXPECT_EQ(attribute(format, name), 1) << std::hex << name;
    EXPECT_GE(attribute(format, WGL_COLOR_BITS_ARB), 24);
    EXPECT_EQ(attribute(format, WGL_ACCELERATION_ARB), WGL_FULL_ACCELERATION_ARB);
    const auto floats =
        glFunction<PFNWGLGETPIXELFORMATATTRIBFVARBPROC>("wglGetPixelFormatAttribfvARB");
    const int samples = WGL_SAMPLES_ARB;
    FLOAT sampleCount = 0;
    EXPECT_TRUE(floats(deviceContext, format, 0, 1, &samples, &sampleCount));
    EXPECT_EQ(sampleCount, 4.0f);

    const HDC other = otherWindowsDeviceContext(format);
    // clang-format off
    const int core[] = {WGL_CONTEXT_MAJOR_VERSION_ARB, 3, WGL_CONTEXT_MINOR_VERSION_ARB, 3,
                        WGL_CONTEXT_PROFILE_MASK_ARB, WGL_CONTEXT_CORE_PROFILE_BIT_ARB, 0};
    // clang-format on
    HGLRC context = createContext(other, nullptr, core);
    ASSERT_TRUE(wglMakeCurrent(other, context));
    EXPECT_EQ(glInteger(GL_SAMPLES), 4);
    const auto encodingOf = glFunction<PFNGLGETFRAMEBUFFERATTACHMENTPARAMETERIVPROC>(
        "glGetFramebufferAttachmentParameteriv");
    GLint encoding = 0;
    encodingOf(GL_DRAW_FRAMEBUFFER, GL_BACK_LEFT, GL_FRAMEBUFFER_ATTACHMENT_COLOR_ENCODING,
               &encoding);
    EXPECT_EQ(encoding, GL_SRGB);
    // A linear half written as sRGB reads back as 188 of 255.
    glEnable(GL_FRAMEBUFFER_SRGB);
    glClearColor(0.5f, 0.5f, 0.5f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    GLubyte pixel[4] = {};
    glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
    EXPECT_NEAR(pixel[0], 188, 2);
    wglMakeCurrent(deviceContext, legacy);
    wglDeleteContext(context);
}

// Both describe a format alike, for every format there is: the pixel format descriptor and the
// attributes, numbered alike. (Wine 8 answers 0 for the shift attributes, the last four here.)
TEST_F(WglContract, DescribesEachPixelFormatAsItsAttributesDo) {
    const int count = DescribePixelFormat(deviceContext, 0, 0, nullptr);
    ASSERT_GT(count, 0);
    EXPECT_GE(attribute(0, WGL_NUMBER_PIXEL_FORMATS_ARB), count) << "the format is not asked";
    const int names[] = {
        WGL_COLOR_BITS_ARB,  WGL_RED_BITS_ARB,       WGL_GREEN_BITS_ARB,    WGL_BLUE_BITS_ARB,
        WGL_ALPHA_BITS_ARB,  WGL_ACCUM_BITS_ARB,     WGL_DEPTH_BITS_ARB,    WGL_STENCIL_BITS_ARB,
        WGL_AUX_BUFFERS_ARB, WGL_DRAW_TO_WINDOW_ARB, WGL_DOUBLE_BUFFER_ARB, WGL_SUPPORT_OPENGL_ARB,
        WGL_RED_SHIFT_ARB,   WGL_GREEN_SHIFT_ARB,    WGL_BLUE_SHIFT_ARB,    WGL_ALPHA_SHIFT_ARB};
    const std::size_t compared = underWine ? 12 : 16;
    for (int format = 1; format <= count; ++format) {
        PIXELFORMATDESCRIPTOR d = {};
        ASSERT_EQ(DescribePixelFormat(deviceContext, format, sizeof d, &d), count);
        int values[16] = {};
        ASSERT_TRUE(attributes(deviceContext, format, 0, 16, names, values));
        // clang-format off
        const std::vector<int> described = {
            d.cColorBits, d.cRedBits, d.cGreenBits, d.cBlueBits, d.cAlphaBits, d.cAccumBits,
            d.cDepthBits, d.cStencilBits, d.cAuxBuffers, !!(d.dwFlags & PFD_DRAW_TO_WINDOW),
            !!(d.dwFlags & PFD_DOUBLEBUFFER), !!(d.dwFlags & PFD_SUPPORT_OPENGL),
            d.cRedShift, d.cGreenShift, d.cBlueShift, d.cAlphaShift};
        // clang-format on
        EXPECT_EQ(std::vector<int>(described.begin(), described.begin() + compared),
                  std::vector<int>(values, values + compared))
            << "format " << format;
    }
}

// How Wine 8 answers where it differs from WGL_ARB_pixel_format: it takes attributes it does not
// know as if they were not there, and a choice with no match, or with no list of integers, fails.
TEST_F(WglContract, AnswersPixelFormatRequestsThatCannotBeMetAsWin32) {
    PIXELFORMATDESCRIPTOR described = {};
    const int count = DescribePixelFormat(deviceContext, 1, 0, nullptr);
    for (int format : {0, count + 1})
        EXPECT_EQ(errorOf([&] {
                      EXPECT_EQ(
                          DescribePixelFormat(deviceContext, format, sizeof described, &described),
                          0);
                  }),
                  untouched);
    EXPECT_EQ(DescribePixelFormat(deviceContext, 1, 10, &described), 0) << "no room";
    const HDC released = releasedDeviceContext();
    EXPECT_EQ(errorOf([&] { EXPECT_EQ(DescribePixelFormat(released, 1, 0, nullptr), 0); }),
              ERROR_INVALID_HANDLE);
    const PIXELFORMATDESCRIPTOR request = programsRequest();
    EXPECT_EQ(errorOf([&] { EXPECT_EQ(ChoosePixelFormat(released, &request), 0); }),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(errorOf([&] { EXPECT_FALSE(SetPixelFormat(released, 1, nullptr)); }),
              ERROR_INVALID_HANDLE);

    const int depth = WGL_DEPTH_BITS_ARB, unknown = 0x1234;
    int value = 0;
    // Wine 8's answers for format 0 and formats past its last vary from run to run.
    const int past = attribute(0, WGL_NUMBER_PIXEL_FORMATS_ARB) + 1;
    for (int format : {0, past}) {
        if (underWine)
            break;
        EXPECT_EQ(
            errorOf([&] { EXPECT_FALSE(attributes(deviceContext, format, 0, 1, &depth, &value)); }),
            untouched);
    }
    EXPECT_EQ(errorOf([&] { EXPECT_FALSE(attributes(deviceContext, 1, 1, 1, &depth, &value)); }),
              untouched)
        << "no layer planes";
    EXPECT_EQ(errorOf([&] { EXPECT_FALSE(attributes(released, 1, 0, 1, &depth, &value)); }),
              ERROR_INVALID_HANDLE);
    SetLastError(untouched);
    EXPECT_EQ(attributes(deviceContext, 1, 0, 1, &unknown, &value), underWine ? TRUE : FALSE);
    EXPECT_EQ(GetLastError(), underWine ? untouched : ERROR_INVALID_PARAMETER);

    int formats[8] = {};
    UINT found = 99;
    const int unmet[] = {WGL_SAMPLES_ARB, 64, 0}, strange[] = {unknown, 1, 0};
    EXPECT_EQ(choose(deviceContext, unmet, nullptr, 8, formats, &found), underWine ? FALSE : TRUE);
    EXPECT_EQ(found, underWine ? 99u : 0u) << "none found";
    SetLastError(untouched);
    EXPECT_EQ(choose(deviceContext, strange, nullptr, 8, formats, &found),
              underWine ? TRUE : FALSE);
    EXPECT_EQ(GetLastError(), underWine ? untouched : ERROR_INVALID_PARAMETER);
    EXPECT_EQ(errorOf([&] { EXPECT_FALSE(choose(released, unmet, nullptr, 8, formats, &found)); }),
              ERROR_INVALID_HANDLE);
    const FLOAT fourSamples[] = {WGL_SAMPLES_ARB, 4, 0};
    EXPECT_EQ(choose(deviceContext, nullptr, fourSamples, 8, formats, &found),
              underWine ? FALSE : TRUE);
    if (!underWine) {
        EXPECT_GE(attribute(formats[0], WGL_SAMPLES_ARB), 4) << "float values count too";
    }
}

// Lists go to a context's share group while it is new. GLX puts a context in a group only as it
// is made, so one that has been current keeps its own, as under Wine (Windows shares it still).
TEST_F(WglContract, SharesListsWithAContextThatHasNotBeenCurrent) {
    const GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    glEndList();
    HGLRC fresh = wglCreateContext(deviceContext), used = wglCreateContext(deviceContext);
    ASSERT_TRUE(wglMakeCurrent(deviceContext, used));
    ASSERT_TRUE(wglMakeCurrent(deviceContext, legacy));
    EXPECT_TRUE(wglShareLists(legacy, fresh));
    EXPECT_FALSE(wglShareLists(legacy, used));
    EXPECT_FALSE(wglShareLists(used, fresh)) << "it shares already";
    ASSERT_TRUE(wglMakeCurrent(deviceContext, fresh));
    EXPECT_TRUE(glIsList(list));
    wglMakeCurrent(deviceContext, legacy);
    wglDeleteContext(used);
    EXPECT_EQ(errorOf([&] { EXPECT_FALSE(wglShareLists(legacy, used)); }), ERROR_INVALID_HANDLE);
    wglDeleteContext(fresh);
}

// Each character's list draws its glyph at the raster position: 'W' leaves white pixels on black.
TEST_F(WglContract, MakesDisplayListsOfTheSystemFontsGlyphs) {
    const GLuint base = glGenLists(256);
    ASSERT_TRUE(wglUseFontBitmapsA(deviceContext, 0, 256, base));
    EXPECT_TRUE(glIsList(base + 'W') && glIsList(base + 0xFE));
    glViewport(0, 0, 64, 64);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1, 1, 1);
    glRasterPos2f(-0.5f, -0.5f);
    glCallList(base + 'W');
    GLubyte pixels[64 * 64 * 4] = {};
    glReadPixels(0, 0, 64, 64, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    int lit = 0;
    for (int i = 0; i < 64 * 64; ++i)
        lit += pixels[i * 4] > 128;
    EXPECT_GT(lit, 10);
    // GDI may keep a released device context (Windows caches them): a made-up one is none.
    const HDC madeUp = reinterpret_cast<HDC>(0xDEAD);
    EXPECT_EQ(errorOf([&] { EXPECT_FALSE(wglUseFontBitmapsA(madeUp, 'A', 1, base)); }),
              ERROR_INVALID_HANDLE);
}

} // namespace

// A modern GL program as Win32 programs are written, in one source for Windows and for Linux: a
// first window with a plain context, only to find the WGL extensions; then the program's window,
// with a multisampled sRGB pixel format chosen through wglChoosePixelFormatARB, and a GL 3.3 core
// context from wglCreateContextAttribsARB. It draws a turning triangle with a vertex array, a
// buffer and shaders, and its title tells the version, profile and samples it got. Escape closes
// it.
#include <windows.h>
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/wglext.h>

#include <cmath>
#include <cstdio>

namespace {

const char className[] = "ModernTriangle";
const char title[] = "Modern triangle";
const double turnsPerSecond = 0.25;

int clientWidth = 640, clientHeight = 480;

template <typename Function> bool lookUp(Function& function, const char* name) {
    function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(wglGetProcAddress(name)));
    return function != nullptr;
}

struct WglExtensions {
    PFNWGLCHOOSEPIXELFORMATARBPROC choosePixelFormat;
    PFNWGLCREATECONTEXTATTRIBSARBPROC createContext;
};

// The functions past GL 1.1 that the program calls.
struct GlFunctions {
    PFNGLCREATESHADERPROC createShader;
    PFNGLSHADERSOURCEPROC shaderSource;
    PFNGLCOMPILESHADERPROC compileShader;
    PFNGLCREATEPROGRAMPROC createProgram;
    PFNGLATTACHSHADERPROC attachShader;
    PFNGLLINKPROGRAMPROC linkProgram;
    PFNGLGETPROGRAMIVPROC getProgram;
    PFNGLUSEPROGRAMPROC useProgram;
    PFNGLGETUNIFORMLOCATIONPROC uniformLocation;
    PFNGLUNIFORM2FPROC uniform2f;
    PFNGLGENVERTEXARRAYSPROC genVertexArrays;
    PFNGLBINDVERTEXARRAYPROC bindVertexArray;
    PFNGLGENBUFFERSPROC genBuffers;
    PFNGLBINDBUFFERPROC bindBuffer;
    PFNGLBUFFERDATAPROC bufferData;
    PFNGLVERTEXATTRIBPOINTERPROC vertexAttribPointer;
    PFNGLENABLEVERTEXATTRIBARRAYPROC enableVertexAttribArray;
    PFNGLGETFRAMEBUFFERATTACHMENTPARAMETERIVPROC framebufferAttachmentParameter;

    bool lookedUp() {
        return lookUp(createShader, "glCreateShader") && lookUp(shaderSource, "glShaderSource") &&
               lookUp(compileShader, "glCompileShader") &&
               lookUp(createProgram, "glCreateProgram") && lookUp(attachShader, "glAttachShader") &&
               lookUp(linkProgram, "glLinkProgram") && lookUp(getProgram, "glGetProgramiv") &&
               lookUp(useProgram, "glUseProgram") &&
               lookUp(uniformLocation, "glGetUniformLocation") &&
               lookUp(uniform2f, "glUniform2f") && lookUp(genVertexArrays, "glGenVertexArrays") &&
               lookUp(bindVertexArray, "glBindVertexArray") && lookUp(genBuffers, "glGenBuffers") &&
               lookUp(bindBuffer, "glBindBuffer") && lookUp(bufferData, "glBufferData") &&
               lookUp(vertexAttribPointer, "glVertexAttribPointer") &&
               lookUp(enableVertexAttribArray, "glEnableVertexAttribArray") &&
               lookUp(framebufferAttachmentParameter, "glGetFramebufferAttachmentParameteriv");
    }
};
GlFunctions gl;

const char vertexShader[] = R"(#version 330 core
layout(location = 0) in vec2 position;
layout(location = 1) in vec3 color;
uniform vec2 turn; // the angle's cosine and sine
uniform vec2 scale; // to keep the triangle's shape whatever the window's
out vec3 vertexColor;
void main() {
    vec2 turned = vec2(turn.x * position.x - turn.y * position.y,
                       turn.y * position.x + turn.x * position.y);
    gl_Position = vec4(turned * scale, 0.0, 1.0);
    vertexColor = color;
}
)";

const char fragmentShader[] = R"(#version 330 core
in vec3 vertexColor;
out vec4 fragmentColor;
void main() {
    fragmentColor = vec4(vertexColor, 1.0);
}
)";

// x, y, red, green, blue.
const GLfloat triangle[] = {0.0f,  0.8f,  1, 0, 0, //
                            -0.7f, -0.4f, 0, 1, 0, //
                            0.7f,  -0.4f, 0, 0, 1};

bool fail(const char* what) {
    MessageBoxA(nullptr, what, title, MB_ICONWARNING | MB_OK);
    return false;
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) {
        clientWidth = LOWORD(lParam);
        clientHeight = HIWORD(lParam);
    } else if (message == WM_CLOSE || (message == WM_KEYDOWN && wParam == VK_ESCAPE)) {
        PostQuitMessage(0);
    } else {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return 0;
}

HWND createWindow(HINSTANCE instance) {
    return CreateWindowExA(0, className, title, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 640,
                           480, nullptr, nullptr, instance, nullptr);
}

// The recipe's first step: the WGL extensions are functions of a context, so a window with a plain
// pixel format and context is made for finding them, and destroyed.
bool findWglExtensions(HINSTANCE instance, WglExtensions& wgl) {
    HWND window = createWindow(instance);
    HDC deviceContext = GetDC(window);
    PIXELFORMATDESCRIPTOR request = {};
    request.nSize = sizeof request;
    request.nVersion = 1;
    request.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    request.iPixelType = PFD_TYPE_RGBA;
    request.cColorBits = 24;
    SetPixelFormat(deviceContext, ChoosePixelFormat(deviceContext, &request), &request);
    HGLRC context = wglCreateContext(deviceContext);
    const bool found = wglMakeCurrent(deviceContext, context) &&
                       lookUp(wgl.choosePixelFormat, "wglChoosePixelFormatARB") &&
                       lookUp(wgl.createContext, "wglCreateContextAttribsARB");
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(context);
    ReleaseDC(window, deviceContext);
    DestroyWindow(window);
    return found;
}

// The second step: a multisampled sRGB pixel format, and a GL 3.3 core context on it.
bool makeModernContext(HDC deviceContext, const WglExtensions& wgl) {
    // clang-format off
    const int request[] = {WGL_DRAW_TO_WINDOW_ARB,           TRUE,
                           WGL_SUPPORT_OPENGL_ARB,           TRUE,
                           WGL_DOUBLE_BUFFER_ARB,            TRUE,
                           WGL_PIXEL_TYPE_ARB,               WGL_TYPE_RGBA_ARB,
                           WGL_ACCELERATION_ARB,             WGL_FULL_ACCELERATION_ARB,
                           WGL_COLOR_BITS_ARB,               24,
                           WGL_DEPTH_BITS_ARB,               24,
                           WGL_SAMPLE_BUFFERS_ARB,           1,
                           WGL_SAMPLES_ARB,                  4,
                           WGL_FRAMEBUFFER_SRGB_CAPABLE_ARB, TRUE,
                           0};
    // clang-format on
    int format = 0;
    UINT found = 0;
    if (!wgl.choosePixelFormat(deviceContext, request, nullptr, 1, &format, &found) || !found)
        return fail("No multisampled sRGB pixel format.");
    PIXELFORMATDESCRIPTOR described = {};
    DescribePixelFormat(deviceContext, format, sizeof described, &described);
    if (!SetPixelFormat(deviceContext, format, &described))
        return fail("The pixel format could not be set.");
    // clang-format off
    const int attributes[] = {WGL_CONTEXT_MAJOR_VERSION_ARB, 3,
                              WGL_CONTEXT_MINOR_VERSION_ARB, 3,
                              WGL_CONTEXT_PROFILE_MASK_ARB,  WGL_CONTEXT_CORE_PROFILE_BIT_ARB,
                              0};
    // clang-format on
    HGLRC context = wgl.createContext(deviceContext, nullptr, attributes);
    if (!context || !wglMakeCurrent(deviceContext, context))
        return fail("No GL 3.3 core context.");
    return true;
}

GLuint compiled(GLenum kind, const char* source) {
    const GLuint shader = gl.createShader(kind);
    gl.shaderSource(shader, 1, &source, nullptr);
    gl.compileShader(shader);
    return shader;
}

// The shaders, and the triangle in a buffer of a vertex array; the program in use, or 0.
GLuint setUpTriangle() {
    const GLuint program = gl.createProgram();
    gl.attachShader(program, compiled(GL_VERTEX_SHADER, vertexShader));
    gl.attachShader(program, compiled(GL_FRAGMENT_SHADER, fragmentShader));
    gl.linkProgram(program);
    GLint linked = GL_FALSE;
    gl.getProgram(program, GL_LINK_STATUS, &linked);
    if (!linked)
        return 0;
    gl.useProgram(program);
    GLuint vertexArray = 0, buffer = 0;
    gl.genVertexArrays(1, &vertexArray);
    gl.bindVertexArray(vertexArray);
    gl.genBuffers(1, &buffer);
    gl.bindBuffer(GL_ARRAY_BUFFER, buffer);
    gl.bufferData(GL_ARRAY_BUFFER, sizeof triangle, triangle, GL_STATIC_DRAW);
    const GLsizei stride = 5 * sizeof(GLfloat);
    gl.vertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, stride, nullptr);
    gl.vertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, stride,
                           reinterpret_cast<const void*>(2 * sizeof(GLfloat)));
    gl.enableVertexAttribArray(0);
    gl.enableVertexAttribArray(1);
    glEnable(GL_FRAMEBUFFER_SRGB); // the shaders' linear colours, written as sRGB
    return program;
}

GLint integer(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

// "Modern triangle - OpenGL 4.5 Core Profile - 4 samples - sRGB": what the context turned out to
// be.
void showWhatWasGot(HWND window) {
    const bool core = integer(GL_CONTEXT_PROFILE_MASK) & GL_CONTEXT_CORE_PROFILE_BIT;
    GLint encoding = GL_LINEAR;
    gl.framebufferAttachmentParameter(GL_DRAW_FRAMEBUFFER, GL_BACK_LEFT,
                                      GL_FRAMEBUFFER_ATTACHMENT_COLOR_ENCODING, &encoding);
    char text[128];
    std::snprintf(text, sizeof text, "%s - OpenGL %d.%d %s Profile - %d samples - %s", title,
                  integer(GL_MAJOR_VERSION), integer(GL_MINOR_VERSION),
                  core ? "Core" : "Compatibility", integer(GL_SAMPLES),
                  encoding == GL_SRGB ? "sRGB" : "linear");
    SetWindowTextA(window, text);
}

double secondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

void drawFrame(GLuint program, double seconds) {
    const double angle = 2 * 3.14159265358979 * turnsPerSecond * seconds;
    const float width = float(clientWidth > 0 ? clientWidth : 1);
    const float height = float(clientHeight > 0 ? clientHeight : 1);
    glViewport(0, 0, clientWidth, clientHeight);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    gl.uniform2f(gl.uniformLocation(program, "turn"), float(std::cos(angle)),
                 float(std::sin(angle)));
    gl.uniform2f(gl.uniformLocation(program, "scale"), width < height ? 1 : height / width,
                 width < height ? width / height : 1);
    glDrawArrays(GL_TRIANGLES, 0, 3);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    WglExtensions wgl = {};
    if (!RegisterClassExA(&windowClass) || !findWglExtensions(instance, wgl)) {
        fail("No WGL_ARB_pixel_format and WGL_ARB_create_context.");
        return 1;
    }
    HWND window = createWindow(instance);
    HDC deviceContext = GetDC(window);
    if (!makeModernContext(deviceContext, wgl))
        return 1;
    GLuint program = 0;
    if (!gl.lookedUp() || !(program = setUpTriangle())) {
        fail("The shaders could not be set up.");
        return 1;
    }
    showWhatWasGot(window);
    ShowWindow(window, showCommand);
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    MSG message = {};
    while (message.message != WM_QUIT) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
            continue;
        }
        drawFrame(program, secondsSince(start));
        SwapBuffers(deviceContext);
    }
    DestroyWindow(window);
    return 0;
}

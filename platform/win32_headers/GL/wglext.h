/* The WGL extensions of the Linux layer, as Khronos' <GL/wglext.h> declares them on Windows: the
 * function types wglGetProcAddress answers with. Needs <windows.h> first, as there. */
#ifndef TALVO_WIN32_GL_WGLEXT_H
#define TALVO_WIN32_GL_WGLEXT_H

#ifdef __cplusplus
extern "C" {
#endif

/* WGL_EXT_extensions_string */
typedef const char*(WINAPI* PFNWGLGETEXTENSIONSSTRINGEXTPROC)(void);

/* WGL_EXT_swap_control */
typedef BOOL(WINAPI* PFNWGLSWAPINTERVALEXTPROC)(int interval);
typedef int(WINAPI* PFNWGLGETSWAPINTERVALEXTPROC)(void);

#ifdef __cplusplus
}
#endif

#endif

// A real GL context, current for the lifetime of the object: a window of its own on the X
// display named by DISPLAY, with a double-buffered RGBA visual and a depth buffer.
#ifndef TALVO_TESTS_SUPPORT_GLX_CONTEXT_H
#define TALVO_TESTS_SUPPORT_GLX_CONTEXT_H

class GlxContext {
  public:
    GlxContext(int width, int height);
    ~GlxContext();
    GlxContext(const GlxContext&) = delete;
    GlxContext& operator=(const GlxContext&) = delete;

    bool isCurrent() const;

  private:
    struct Resources; // the X and GLX objects, kept out of this header (X's macros clash)
    Resources* resources;
};

#endif

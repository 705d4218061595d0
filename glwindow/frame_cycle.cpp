// The frame cycle and the frame timing a scene reads.
#include "glwindow/gl_window.h"

namespace {

const std::uint64_t sampleIntervalMilliseconds = 1000;

// Seconds from milliseconds, by the single-precision constant 0.001 widened to double.
double secondsFrom(std::uint64_t milliseconds) {
    const float secondsPerMillisecond = 0.001f;
    return static_cast<double>(milliseconds) * static_cast<double>(secondsPerMillisecond);
}

} // namespace

void GlWindow::beginFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity(); // the model-view matrix, which resize leaves current
}

void GlWindow::endFrame() {
    SwapBuffers(deviceContext);
    updateTiming();
}

// Differences are taken between exact millisecond counts, never between stored floats: a float
// holds a day of uptime only to 8 ms. The 32-bit clock wraps every 49.7 days; the unsigned
// difference of two readings is still the time that passed, so the extended count runs on.
void GlWindow::updateTiming() {
    const DWORD reading = timeGetTime();
    if (!frameClock.started) {
        // The first frame has no previous one: it takes no time, and starts the first sample.
        frameClock.started = true;
        frameClock.lastReading = reading;
        frameClock.milliseconds = reading;
        frameClock.sampleMilliseconds = reading;
        fpsTime = static_cast<float>(secondsFrom(reading));
    }
    const DWORD elapsed = reading - frameClock.lastReading;
    frameClock.lastReading = reading;
    frameClock.milliseconds += elapsed;

    const double now = secondsFrom(frameClock.milliseconds);
    currentTime = static_cast<float>(now);
    deltaTime = static_cast<float>(secondsFrom(elapsed));
    lastFrameTime = currentTime;
    frameCount += 1;

    if (frameClock.milliseconds - frameClock.sampleMilliseconds > sampleIntervalMilliseconds) {
        frameClock.sampleMilliseconds = frameClock.milliseconds;
        fpsTime = currentTime;
        fps = frameCount; // the frame that crosses the mark is counted
        frameCount = 0;
    }
}

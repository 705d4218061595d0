// One measured run of one program: start it, find its window, bring the window to the size of
// the run, mark a span of frames, close it through the window manager, and collect the figures.
#ifndef TALVO_BENCH_PROGRAM_RUN_H
#define TALVO_BENCH_PROGRAM_RUN_H

#include <optional>
#include <string>

#include "window_manager.h"

struct BenchProgram {
    const char* name;
    const char* path;
    bool preloadFrameCounter; // it calls libGL's glXSwapBuffers itself
};

struct RunSettings {
    Display* display; // the driver's connection to the display the programs run on
    std::string frameCounterLibrary;
    double spanSeconds;
    bool maximised;        // maximise the window to fill the screen before measuring
    ClientSize screenSize; // the client size a maximised window gets
};

struct RunSample {
    double framesPerSecond;
    double startupMs; // from the driver's fork to the first presented frame
    double closeMs;   // from the close request to the process's exit
    double peakResidentMiB;
    double cpuMicrosPerFrame; // all of the program's threads, over the measured span
    ClientSize clientSize;    // of the window while it was measured
    int colorBits = 0;        // of the frame buffer drawn into: red, green and blue together
    int depthBits = 0;
};

// The run's figures, or nothing with the reason in `error`; the program is gone either way.
std::optional<RunSample> runProgram(const BenchProgram& program, const RunSettings& settings,
                                    std::string& error);

#endif

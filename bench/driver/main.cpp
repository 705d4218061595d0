// The benchmark driver. On the display it is given (a 1920 x 1080 virtual one with openbox,
// from bench/run.sh), it runs each program in turn, round after round, at two client sizes, and
// prints what it measured:
//   talvo_bench [--rounds N] [--seconds S]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "program_run.h"
#include "results_table.h"

namespace {

const BenchProgram programs[] = {
#include "bench_programs.inc"
};

const ClientSize screenSize = {1920, 1080};

struct ClientSetting {
    const char* title;
    bool maximised;
};

const ClientSetting clientSettings[] = {
    {"640x480 client", false},
    {"1920x1080 client (maximised)", true},
};

struct Options {
    int rounds = 7;
    double seconds = 2.0;
};

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--rounds") == 0)
            options.rounds = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--seconds") == 0)
            options.seconds = std::atof(argv[i + 1]);
        else
            return false;
    }
    return argc % 2 == 1 && options.rounds > 0 && options.seconds > 0;
}

// results[setting][program]: runs interleave, so a slow spell of the machine touches every
// program alike instead of one program's runs.
using AllResults = std::vector<std::vector<ProgramResults>>;

AllResults emptyResults() {
    AllResults results(std::size(clientSettings));
    for (std::vector<ProgramResults>& setting : results)
        for (const BenchProgram& program : programs)
            setting.push_back({program.name, {}});
    return results;
}

// A run, or nothing after saying on standard error why there is none.
std::optional<RunSample> runOrSay(const BenchProgram& program, const RunSettings& settings) {
    std::string error;
    const std::optional<RunSample> sample = runProgram(program, settings, error);
    if (!sample)
        std::fprintf(stderr, "%s: %s\n", program.name, error.c_str());
    return sample;
}

// One unrecorded run of each program first: the first start on a fresh display pays for cold
// disk caches and Mesa's shader cache, which would otherwise fall on whichever program is first.
bool warmUp(Display* display) {
    const RunSettings settings = {display, FRAME_COUNTER_PRELOAD, 0.2, false, screenSize};
    std::fprintf(stderr, "warming up\n");
    for (const BenchProgram& program : programs) {
        if (!runOrSay(program, settings))
            return false;
    }
    return true;
}

bool runRounds(const Options& options, Display* display, AllResults& results) {
    RunSettings settings = {display, FRAME_COUNTER_PRELOAD, options.seconds, false, screenSize};
    for (int round = 1; round <= options.rounds; ++round) {
        // Each round starts one program further on, so that no program always follows the same
        // one (a large-frame run leaves the machine busier than a small one).
        const std::size_t first = static_cast<std::size_t>(round - 1) % std::size(programs);
        for (std::size_t s = 0; s < std::size(clientSettings); ++s) {
            settings.maximised = clientSettings[s].maximised;
            for (std::size_t i = 0; i < std::size(programs); ++i) {
                const std::size_t p = (first + i) % std::size(programs);
                std::fprintf(stderr, "round %d/%d, %s: %s\n", round, options.rounds,
                             clientSettings[s].title, programs[p].name);
                const std::optional<RunSample> sample = runOrSay(programs[p], settings);
                if (!sample)
                    return false;
                results[s][p].samples.push_back(*sample);
            }
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--rounds N] [--seconds S]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no display: run the driver through bench/run.sh\n");
        return 1;
    }
    prepareConnection(display);
    AllResults results = emptyResults();
    const bool measured = warmUp(display) && runRounds(options, display, results);
    XCloseDisplay(display);
    if (!measured)
        return 1;
    std::printf("%d rounds; each run measures %.1f s of frames\n", options.rounds, options.seconds);
    for (std::size_t s = 0; s < std::size(clientSettings); ++s)
        printResultsTable(stdout, clientSettings[s].title, results[s]);
    return 0;
}

// The benchmark's output: for one client size, each program's figures as median [min-max], then
// the first program's medians divided by each other program's.
#ifndef TALVO_BENCH_RESULTS_TABLE_H
#define TALVO_BENCH_RESULTS_TABLE_H

#include <cstdio>
#include <string>
#include <vector>

#include "program_run.h"

struct ProgramResults {
    std::string name;
    std::vector<RunSample> samples; // at least one
};

// The ratios are left out when there is only one program.
void printResultsTable(std::FILE* out, const std::string& title,
                       const std::vector<ProgramResults>& results);

#endif

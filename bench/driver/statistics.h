// What the runs of one program add up to: the median, which one disturbed run cannot move, and
// the range, which shows how much the runs disagreed.
#ifndef TALVO_BENCH_STATISTICS_H
#define TALVO_BENCH_STATISTICS_H

#include <vector>

struct Spread {
    double median;
    double min;
    double max;
};

// `values` must not be empty. An even count takes the mean of the middle two.
Spread spreadOf(std::vector<double> values);

#endif

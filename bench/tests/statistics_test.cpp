#include "driver/statistics.h"

#include <gtest/gtest.h>

namespace {

TEST(StatisticsTest, MedianOfAnOddCountIsTheMiddleValueWhateverTheOrder) {
    const Spread spread = spreadOf({9.0, 1.0, 5.0, 7.0, 3.0});
    EXPECT_DOUBLE_EQ(spread.median, 5.0);
    EXPECT_DOUBLE_EQ(spread.min, 1.0);
    EXPECT_DOUBLE_EQ(spread.max, 9.0);
}

TEST(StatisticsTest, MedianOfAnEvenCountIsTheMeanOfTheMiddleTwo) {
    EXPECT_DOUBLE_EQ(spreadOf({4.0, 1.0, 10.0, 2.0}).median, 3.0);
}

TEST(StatisticsTest, OneValueIsItsOwnMedianAndRange) {
    const Spread spread = spreadOf({42.0});
    EXPECT_DOUBLE_EQ(spread.median, 42.0);
    EXPECT_DOUBLE_EQ(spread.min, 42.0);
    EXPECT_DOUBLE_EQ(spread.max, 42.0);
}

} // namespace

#include "EventPump.h"

#include <gtest/gtest.h>

namespace qingtan {
namespace {

TEST(ThrottledEventPump, RunsTheFirstCallThenAtMostOncePerInterval) {
    using namespace std::chrono_literals;
    std::chrono::steady_clock::time_point now{};
    int runs = 0;
    ThrottledEventPump pump(
        16ms, [&runs] { ++runs; }, [&now] { return now; });
    pump();
    EXPECT_EQ(runs, 1);
    for (int call = 0; call < 1000; ++call) {
        now += 10us;
        pump();
    }
    EXPECT_EQ(runs, 1); // 10 ms passed in all
    now += 6ms;
    pump();
    EXPECT_EQ(runs, 2);
    pump();
    EXPECT_EQ(runs, 2);
}

} // namespace
} // namespace qingtan

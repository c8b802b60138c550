#include "refresh_timer.h"

#include <gtest/gtest.h>

#include <vector>

namespace lomvex {
namespace {

std::vector<long> ReloadTicks(std::int32_t rate, long ticks) {
  RefreshTimer timer;
  std::vector<long> reloads;
  for (long tick = 1; tick <= ticks; ++tick) {
    if (timer.Tick(rate)) {
      reloads.push_back(tick);
      timer.ReloadStarted();
      timer.ReloadFinished();
    }
  }
  return reloads;
}

TEST(RefreshTimerTest, ReloadsEveryRateMinutes) {
  const struct {
    std::int32_t rate;
    long ticks;
    std::vector<long> reloads;
  } cases[] = {
      {5, 700, {300, 600}},
      {1, 130, {60, 120}},
      {0, 3, {1, 2, 3}},
      {-1, 5000, {}},
      {32767, 32767L * 60 + 10, {32767L * 60}},  // the largest rate
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReloadTicks(c.rate, c.ticks), c.reloads) << "rate " << c.rate;
  }
}

TEST(RefreshTimerTest, MinuteCounterHoldsAtItsLargestValue) {
  RefreshTimer timer;
  const long ticks = 32767L * 60 + 600;
  for (long tick = 0; tick < ticks; ++tick) ASSERT_FALSE(timer.Tick(40000));
  EXPECT_EQ(timer.ElapsedMinutes(), 32767);
  EXPECT_GE(timer.ElapsedSeconds(), 0);
  EXPECT_LT(timer.ElapsedSeconds(), 60);
}

}  // namespace
}  // namespace lomvex

#include "refresh_timer.h"

#include <gtest/gtest.h>

#include <tuple>
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
  const std::tuple<std::int32_t, long, std::vector<long>> cases[] = {
      {1, 130, {60, 120}},
      {-1, 5000, {}},
      {32767, 32767L * 60 + 10, {32767L * 60}}};  // the largest rate
  for (const auto& [rate, ticks, reloads] : cases) EXPECT_EQ(ReloadTicks(rate, ticks), reloads);
}

TEST(RefreshTimerTest, MinuteCounterHoldsAtItsLargestValue) {
  RefreshTimer timer;
  for (long tick = 0; tick < 32767L * 60 + 600; ++tick) ASSERT_FALSE(timer.Tick(40000));
  EXPECT_EQ(timer.ElapsedMinutes(), 32767);
  EXPECT_TRUE(timer.ElapsedSeconds() >= 0 && timer.ElapsedSeconds() < 60);
}

}  // namespace
}  // namespace lomvex

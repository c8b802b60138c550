#include "refresh_timer.h"

#include <limits>

namespace lomvex {

bool RefreshTimer::Tick(std::int32_t RefreshRate) {
  // A rate that the minute counter can never reach leaves the counter held at
  // its largest value instead of overflowing.
  if (++elapsed_seconds_ == 60) {
    elapsed_seconds_ = 0;
    if (elapsed_minutes_ < std::numeric_limits<std::int16_t>::max()) ++elapsed_minutes_;
  }
  return elapsed_minutes_ == RefreshRate && !reload_running_;
}

void RefreshTimer::ReloadFinished() {
  reload_running_ = false;
  elapsed_seconds_ = 0;
  elapsed_minutes_ = 0;
}

}  // namespace lomvex

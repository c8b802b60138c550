// The one-second tick's counters: seconds since the last full minute and full
// minutes since start-up or the last automatic reload.
#pragma once

#include <cstdint>

namespace lomvex {

class RefreshTimer {
 public:
  // Counts one tick. True when the automatic reload is due on this tick and
  // none is running already (a reload's failure message may still be open
  // while ticks go on; those ticks start no second reload).
  bool Tick(std::int32_t RefreshRate);

  // Brackets the automatic reload; the end resets both counters, whatever the
  // reload's outcome.
  void ReloadStarted() { reload_running_ = true; }
  void ReloadFinished();

  std::int16_t ElapsedSeconds() const { return elapsed_seconds_; }
  std::int16_t ElapsedMinutes() const { return elapsed_minutes_; }
  bool ReloadRunning() const { return reload_running_; }

 private:
  std::int16_t elapsed_seconds_ = 0;
  std::int16_t elapsed_minutes_ = 0;
  bool reload_running_ = false;
};

}  // namespace lomvex

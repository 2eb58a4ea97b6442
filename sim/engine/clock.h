// Simulated time: real time plus an offset kept in the state; it can be
// advanced, and frozen at one instant.
#ifndef QX_SIM_ENGINE_CLOCK_H
#define QX_SIM_ENGINE_CLOCK_H

#include <cstdint>

#include "sim/store/db.h"

namespace qx::sim {

// Simulated times and offsets stay within this many milliseconds of the
// epoch either way (about 35,000 years): what a scenario may give, so that
// every state exports to a scenario that loads back.
inline constexpr int64_t kClockLimitMs = int64_t{1} << 50;

struct Clock {
  int64_t offset_ms = 0;  // simulated minus real time, while running
  bool frozen = false;
  int64_t frozen_at_ms = 0;  // simulated time while frozen

  int64_t now_ms() const;
  void advance(int64_t ms);
  void freeze();
  void resume();
  void set(int64_t sim_ms);  // jumps to `sim_ms`, keeping frozen or running
  bool in_range() const;     // offset and frozen time within kClockLimitMs
};

int64_t real_time_ms();
Clock read_clock(Db& db);
void write_clock(Db& db, const Clock& clock);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_CLOCK_H

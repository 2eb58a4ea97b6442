// Simulated time: real time plus an offset kept in the state; it can be
// advanced, and frozen at one instant.
#ifndef QX_SIM_ENGINE_CLOCK_H
#define QX_SIM_ENGINE_CLOCK_H

#include <cstdint>

#include "sim/store/db.h"

namespace qx::sim {

struct Clock {
  int64_t offset_ms = 0;  // simulated minus real time, while running
  bool frozen = false;
  int64_t frozen_at_ms = 0;  // simulated time while frozen

  int64_t now_ms() const;
  void advance(int64_t ms);
  void freeze();
  void resume();
  void set(int64_t sim_ms);  // jumps to `sim_ms`, keeping frozen or running
};

int64_t real_time_ms();
Clock read_clock(Db& db);
void write_clock(Db& db, const Clock& clock);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_CLOCK_H

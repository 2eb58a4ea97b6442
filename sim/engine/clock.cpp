#include "sim/engine/clock.h"

#include <chrono>

#include "sim/store/schema.h"

namespace qx::sim {

int64_t real_time_ms() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

int64_t Clock::now_ms() const {
  return frozen ? frozen_at_ms : real_time_ms() + offset_ms;
}

void Clock::advance(int64_t ms) {
  if (frozen)
    frozen_at_ms += ms;
  else
    offset_ms += ms;
}

void Clock::freeze() {
  if (frozen) return;
  frozen_at_ms = now_ms();
  frozen = true;
}

void Clock::resume() {
  if (!frozen) return;
  offset_ms = frozen_at_ms - real_time_ms();
  frozen = false;
}

void Clock::set(int64_t sim_ms) {
  if (frozen)
    frozen_at_ms = sim_ms;
  else
    offset_ms = sim_ms - real_time_ms();
}

bool Clock::in_range() const {
  auto within = [](int64_t ms) { return ms >= -kClockLimitMs && ms <= kClockLimitMs; };
  return within(offset_ms) && within(frozen_at_ms);
}

Clock read_clock(Db& db) {
  Clock clock;
  clock.offset_ms = meta_int(db, "clock_offset_ms", 0);
  clock.frozen = meta_int(db, "clock_frozen", 0) != 0;
  clock.frozen_at_ms = meta_int(db, "clock_frozen_at_ms", 0);
  return clock;
}

void write_clock(Db& db, const Clock& clock) {
  set_meta_int(db, "clock_offset_ms", clock.offset_ms);
  set_meta_int(db, "clock_frozen", clock.frozen ? 1 : 0);
  set_meta_int(db, "clock_frozen_at_ms", clock.frozen_at_ms);
}

}  // namespace qx::sim

#include "sim/engine/events.h"

#include <algorithm>

#include "sim/engine/debug_dump.h"
#include "sim/model/adapter.h"
#include "sim/store/table.h"

namespace qx::sim {

uint32_t event_time(const Session& s, int64_t at_ms) {
  int64_t seconds = at_ms / 1000;
  if (!s.adapter().time_synced) seconds = std::max<int64_t>(0, seconds - s.adapter().booted_at);
  return static_cast<uint32_t>(seconds);
}

uint32_t log_event(const Session& s, const NewEvent& e) { return log_event(s, e, s.now_ms()); }

uint32_t log_event(const Session& s, const NewEvent& e, int64_t at_ms) {
  Event row;
  row.event_class = e.event_class;
  row.code = e.code;
  row.time = event_time(s, at_ms);
  row.device_id = e.device_id;
  row.severity = e.severity;
  row.params = e.params;
  return append_event(s, row);
}

uint32_t append_event(const Session& s, Event row) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  Stmt last = db.prepare("SELECT COALESCE(MAX(seq), 0) FROM events WHERE adapter = ?1");
  last.bind(1, int64_t{adapter});
  last.step();
  const int64_t seq = last.column_int(0) + 1;
  row.seq = static_cast<uint32_t>(seq);
  row.adapter_number = static_cast<uint8_t>(adapter);
  insert_row(db, event_model(), adapter, row);

  Stmt trim = db.prepare("DELETE FROM events WHERE adapter = ?1 AND seq <= ?2");
  trim.bind(1, int64_t{adapter}).bind(2, seq - kEventLogCapacity);
  trim.run();
  dump_event(s, row);
  return row.seq;
}

}  // namespace qx::sim

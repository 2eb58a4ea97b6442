#include "sim/engine/debug_dump.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "api/event_catalogue.h"
#include "api/status.h"
#include "sim/model/adapter.h"
#include "sim/model/dump.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

// "[1765000000.250] ": the simulated time of the call.
std::string stamp(const Session& s) {
  char text[48];
  std::snprintf(text, sizeof text, "[%" PRId64 ".%03" PRId64 "] ", s.now_ms() / 1000, s.now_ms() % 1000);
  return text;
}

int64_t ring_bytes(const Adapter& a) { return int64_t{a.dump_buffer_kb} * 1024; }

void set_flags(const Session& s, bool enabled, bool started) {
  Stmt update = s.db().prepare("UPDATE adapters SET dump_enabled = ?1, dump_started = ?2 WHERE id = ?3");
  update.bind(1, int64_t{enabled}).bind(2, int64_t{started}).bind(3, int64_t{s.adapter_id()});
  update.run();
}

}  // namespace

void dump_message(const Session& s, std::string_view text) {
  if (!s.adapter().dump_started) return;
  Db& db = s.db();
  const int adapter = s.adapter_id();
  Stmt last = db.prepare("SELECT COALESCE(MAX(seq), 0) FROM dump_messages WHERE adapter = ?1");
  last.bind(1, int64_t{adapter});
  last.step();
  DumpMessage message;
  message.seq = static_cast<uint32_t>(last.column_int(0) + 1);
  message.text = std::string(text.substr(0, kDumpMessageMax));
  insert_row(db, dump_message_model(), adapter, message);
  // The newest messages whose bytes (each with its NUL) fit the ring stay.
  Stmt trim = db.prepare(
      "DELETE FROM dump_messages WHERE adapter = ?1 AND seq <= (SELECT COALESCE(MAX(seq), 0) FROM "
      "(SELECT seq, SUM(LENGTH(CAST(text AS BLOB)) + 1) OVER (ORDER BY seq DESC) AS kept "
      "FROM dump_messages WHERE adapter = ?1) WHERE kept > ?2)");
  trim.bind(1, int64_t{adapter}).bind(2, ring_bytes(s.adapter()));
  trim.run();
}

void dump_event(const Session& s, const Event& e) {
  if (!s.adapter().dump_started) return;
  const EventKind* kind = find_event(e.event_class, e.code);
  char text[160];
  std::snprintf(text, sizeof text, "event %" PRIu32 " %s device %u params %" PRIx32 " %" PRIx32 " %" PRIx32
                " %" PRIx32 "\n", e.seq, kind != nullptr ? kind->name : "unknown", unsigned{e.device_id},
                e.params[0], e.params[1], e.params[2], e.params[3]);
  dump_message(s, stamp(s) + text);
}

void dump_call(const Session& s, const char* function) {
  if (!s.adapter().dump_started) return;
  dump_message(s, stamp(s) + "call " + function + "\n");
}

uint8_t set_dump(const Session& s, uint8_t value) {
  if (value != QX_DUMP_ENABLE && value != QX_DUMP_DISABLE) return kInvalidParameter;
  const bool on = value == QX_DUMP_ENABLE;
  set_flags(s, on, on);
  if (!on) return kOk;
  Stmt clear = s.db().prepare("DELETE FROM dump_messages WHERE adapter = ?1");
  clear.bind(1, int64_t{s.adapter_id()});
  clear.run();
  // The session's record predates the change: the first message goes in directly.
  DumpMessage first;
  first.seq = 1;
  first.text = stamp(s) + "debug dump started, ring of " + std::to_string(s.adapter().dump_buffer_kb) + " KB\n";
  insert_row(s.db(), dump_message_model(), s.adapter_id(), first);
  return kOk;
}

QX_DUMP_STATUS dump_status(const Session& s) {
  QX_DUMP_STATUS status{};
  status.buffer_size = static_cast<int32_t>(ring_bytes(s.adapter()));
  Stmt pending = s.db().prepare(
      "SELECT COALESCE(SUM(LENGTH(CAST(text AS BLOB)) + 1), 0) FROM dump_messages WHERE adapter = ?1");
  pending.bind(1, int64_t{s.adapter_id()});
  pending.step();
  status.pending = static_cast<uint32_t>(pending.column_int(0));
  return status;
}

uint8_t take_dump_chunk(const Session& s, QX_DUMP_CHUNK& chunk, int32_t buffer_size) {
  if (int64_t{buffer_size} != ring_bytes(s.adapter())) return kInvalidParameter;
  std::memset(&chunk, 0, sizeof chunk);
  // A chunk holds at most as many messages as could fit; fetch no more rows than that.
  const int64_t most = static_cast<int64_t>(sizeof chunk.data) / 2;
  uint32_t last_taken = 0;
  for (const DumpMessage& m :
       select_rows(s.db(), dump_message_model(), s.adapter_id(), "1", {}, "seq", most)) {
    if (chunk.length + m.text.size() + 1 > sizeof chunk.data) break;
    std::memcpy(chunk.data + chunk.length, m.text.data(), m.text.size());
    chunk.length += static_cast<uint32_t>(m.text.size() + 1);  // its NUL is already there
    last_taken = m.seq;
  }
  if (last_taken != 0) {
    Stmt taken = s.db().prepare("DELETE FROM dump_messages WHERE adapter = ?1 AND seq <= ?2");
    taken.bind(1, int64_t{s.adapter_id()}).bind(2, int64_t{last_taken});
    taken.run();
  }
  return kOk;
}

}  // namespace qx::sim

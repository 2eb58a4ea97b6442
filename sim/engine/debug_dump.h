// The adapter firmware's debug-message dump: while started, a ring of
// messages, one per event logged and one per changing call that succeeded,
// which the host reads (and so consumes) in chunks of whole messages.
// Messages are text lines; each is handed out with a NUL after it.
#ifndef QX_SIM_ENGINE_DEBUG_DUMP_H
#define QX_SIM_ENGINE_DEBUG_DUMP_H

#include <cstdint>
#include <string>
#include <string_view>

#include "api/records.h"
#include "sim/engine/session.h"
#include "sim/model/event.h"

namespace qx::sim {

// Adds a message to the ring of the call's adapter, dropping the oldest
// messages that no longer fit; nothing while the dump is stopped. A message
// is cut to what one chunk holds.
void dump_message(const Session& s, std::string_view text);

// The messages for an event just logged and for a changing call that
// succeeded; cheap (a flag test) while the dump is stopped.
void dump_event(const Session& s, const Event& event);
void dump_call(const Session& s, const char* function);

// The changes of qx_dump_dbg_msg_handle_set_cfg: 1 enables and starts the
// dump with an empty ring and a first message, 0 disables and stops it; any
// other value answers 7.
uint8_t set_dump(const Session& s, uint8_t value);

// Size of the ring and message bytes waiting (NULs counted).
QX_DUMP_STATUS dump_status(const Session& s);

// Moves the oldest whole messages that fit into `chunk` and removes them
// from the ring; a length of 0 when none waits. `buffer_size` must be the
// ring's size as dump_status gives it (7 otherwise).
uint8_t take_dump_chunk(const Session& s, QX_DUMP_CHUNK& chunk, int32_t buffer_size);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_DEBUG_DUMP_H

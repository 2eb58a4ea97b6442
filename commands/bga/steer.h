// What the background-activity commands share: reading a VD's activity
// status, and steering an activity (pause, resume, stop) by the state it is
// in, each command with its own messages and control call.
#ifndef QX_COMMANDS_BGA_STEER_H
#define QX_COMMANDS_BGA_STEER_H

#include <cstdint>

#include "api/records.h"

namespace qx::commands {

// Reads an -a value into `action` (start, pause, resume, stop, exactly);
// any other word prints "-a : invalid action '%s'\n" and answers false.
bool read_bga_action(const char* value, uint8_t& action);

// Whether an -o value is "vd" in any case; otherwise prints `message` with
// the value and answers false.
bool names_vd(const char* value, const char* message);

// Reads the status of VD `id` on the current adapter. On failure prints
// "\nUnable to get status of VD %d (error %d: %s).\n" and answers the status.
uint8_t read_vd_status(uint16_t id, QX_VD_STATUS& out);

// Prints a message of a command's table with its arguments (the id first,
// then a status and its text where the message has them).
void print_message(const char* message, ...);

// Reads the free space of disk `pd` on the current adapter. On failure
// prints "Unable to get size of PD %d (error %d: %s).\n" and answers false.
bool read_free_space(uint16_t pd, QX_FREE_SPACE& out);

// Reports the result of a start call: `failed` with the object id, the
// status and its text, answering the status; or `started`, answering 0.
uint32_t report_start(uint8_t result, uint16_t id, const char* failed, const char* started);

// A library call that steers the activity of one object (VD, array, disk).
using ControlCall = uint8_t (*)(uint8_t adapter, uint16_t id, uint8_t action);

// What the message for another activity shows after the object id: the
// activity's type and state, or status 0 and its text.
enum class NotThisShows : uint8_t { kTypeAndState, kStatusZero };

// One command's messages for steering its activity. Each takes the object id
// first; the "failed" ones then the status and its text.
struct SteerMessages {
  const char* not_this_activity;  // the object runs none of this command's kind (see NotThisShows)
  const char* pause_failed;
  const char* resume_failed;
  const char* stop_failed;        // nullptr: the command has no stop
  const char* already_running;    // resume of a running activity
  const char* paused;             // pause (or stop) of a paused activity
  const char* no_activity;        // aborted, interrupted or no known state
};

// The activity kinds (BGA type values) a command steers, its messages and
// its control call.
struct SteerTable {
  bool (*owns)(uint8_t bga_type);
  SteerMessages messages;
  ControlCall control;
  // Successes that print nothing, as bits 1 << QX_BGA_ACTION_...: of an
  // action sent to a running activity, and to a paused one.
  uint8_t silent_running = 0;
  uint8_t silent_paused = 0;
  // Non-null: stop is sent to a paused activity too, failing with this.
  const char* stop_paused_failed = nullptr;
  // What a refusal for another activity, a running or a paused one answers
  // (a missing activity always answers 0).
  uint32_t refusal_result = 0;
  NotThisShows not_this_shows = NotThisShows::kTypeAndState;
};

inline constexpr uint8_t silent(uint8_t action) { return static_cast<uint8_t>(1u << action); }

// Pause, resume or stop (QX_BGA_ACTION_...) the activity of object `id`,
// whose status shows `bga_type` and `bga_state`: the action is sent only in
// a state that allows it, else the refusal is printed and the table's
// refusal result answered. A failed control call answers its status.
uint32_t steer_bga(const SteerTable& table, uint16_t id, uint8_t bga_type, uint8_t bga_state, uint8_t action);

}  // namespace qx::commands

#endif  // QX_COMMANDS_BGA_STEER_H

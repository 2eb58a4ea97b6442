#include "commands/bga/steer.h"

#include <cstdarg>

#include "api/qx_api.h"
#include "api/status.h"
#include "shell/list_query.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {

namespace {

bool is_paused(uint8_t state) { return state == QX_BGA_PAUSED || state == QX_BGA_AUTO_PAUSED; }

uint32_t send(const SteerTable& table, uint16_t id, uint8_t action, const char* failed, uint8_t silent_actions) {
  const uint8_t result = table.control(shell::state().current_adapter, id, action);
  if (result != kOk) {
    print_message(failed, id, result, status_text(result));
    return result;
  }
  if (silent_actions & silent(action)) return kOk;
  switch (action) {
    case QX_BGA_ACTION_PAUSE: shell::print_text("Pause successfully\n"); break;
    case QX_BGA_ACTION_RESUME: shell::print_text("Resume successfully\n"); break;
    default: shell::print_text("Abort successfully\n"); break;
  }
  return kOk;
}

}  // namespace

void print_message(const char* message, ...) {
  va_list args;
  va_start(args, message);
  shell::vprint(message, args);
  va_end(args);
}

bool read_free_space(uint16_t pd, QX_FREE_SPACE& out) {
  const uint8_t read = shell::query_one(QX_PD_GetFreeSpaceInfo, shell::state().current_adapter, pd, out);
  if (read != kOk) shell::print("Unable to get size of PD %d (error %d: %s).\n", pd, read, status_text(read));
  return read == kOk;
}

uint32_t report_start(uint8_t result, uint16_t id, const char* failed, const char* started) {
  if (result != kOk) {
    print_message(failed, id, result, status_text(result));
    return result;
  }
  shell::print_text(started);
  return 0;
}

bool read_bga_action(const char* value, uint8_t& action) {
  action = shell::bga_action_code(value);
  if (action != shell::kNoCode) return true;
  shell::print("-a : invalid action '%s'\n", value);
  return false;
}

bool names_vd(const char* value, const char* message) {
  if (shell::equals_ignoring_case(value, "vd")) return true;
  print_message(message, value);
  return false;
}

uint8_t read_vd_status(uint16_t id, QX_VD_STATUS& out) {
  const uint8_t result = shell::query_one(QX_LD_GetStatus, shell::state().current_adapter, id, out);
  if (result != kOk) shell::print("\nUnable to get status of VD %d (error %d: %s).\n", id, result, status_text(result));
  return result;
}

uint32_t steer_bga(const SteerTable& table, uint16_t id, uint8_t bga_type, uint8_t bga_state, uint8_t action) {
  const SteerMessages& m = table.messages;
  if (!table.owns(bga_type)) {
    if (table.not_this_shows == NotThisShows::kStatusZero)
      print_message(m.not_this_activity, id, kOk, status_text(kOk));
    else
      print_message(m.not_this_activity, id, bga_type, bga_state);
    return table.refusal_result;
  }
  if (bga_state == QX_BGA_RUNNING) {
    switch (action) {
      case QX_BGA_ACTION_PAUSE: return send(table, id, action, m.pause_failed, table.silent_running);
      case QX_BGA_ACTION_STOP: return send(table, id, action, m.stop_failed, table.silent_running);
      default: print_message(m.already_running, id); return table.refusal_result;
    }
  }
  if (is_paused(bga_state)) {
    if (action == QX_BGA_ACTION_RESUME) return send(table, id, action, m.resume_failed, table.silent_paused);
    if (action == QX_BGA_ACTION_STOP && table.stop_paused_failed)
      return send(table, id, action, table.stop_paused_failed, table.silent_paused);
    print_message(m.paused, id);
    return table.refusal_result;
  }
  print_message(m.no_activity, id);
  return 0;
}

}  // namespace qx::commands

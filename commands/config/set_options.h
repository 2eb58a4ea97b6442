// What the two `set` handlers share: the option state, switches declared as
// data, the readers of option arguments and the steps both take on a PD, a
// VD, the adapter and a link.
#ifndef QX_COMMANDS_CONFIG_SET_OPTIONS_H
#define QX_COMMANDS_CONFIG_SET_OPTIONS_H

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>

#include "api/records.h"
#include "platform/format.h"
#include "shell/option_table.h"

namespace qx::commands {

inline constexpr int kNotGiven = -1;
inline constexpr uint16_t kNoSetId = 255;
inline constexpr uint16_t kNoLinkId = 0xFFFF;
inline constexpr size_t kSetNameLength = 10;
inline constexpr size_t kSetTextLength = 20;  // serial number, model

struct SetOptions {
  // Switches: kNotGiven until given, then the value of the last one given.
  int read_ahead = kNotGiven;
  int cache_policy = kNotGiven;  // QX_VD_CACHE_ code
  int cache = kNotGiven;         // 1 on, 0 off
  int restore = kNotGiven;
  int locate = kNotGiven;
  int pd_state = kNotGiven;  // 0 online, 1 offline, 2 forced offline
  int auto_rebuild = kNotGiven;
  int smart = kNotGiven;
  int buzzer = kNotGiven;
  int copy_back = kNotGiven;
  int optimize = kNotGiven;
  int driver_mode = kNotGiven;
  int virtual_atapi = kNotGiven;
  int module_consolidation = kNotGiven;
  int raw_update = kNotGiven;  // as stored: 0 on, 1 off
  int battery_action = kNotGiven;
  int clear = 0;
  // Rates as the adapter stores them (0..250); kNotGiven until given.
  int bga_rate = kNotGiven;
  int sync_rate = kNotGiven;
  int init_rate = kNotGiven;
  int rebuild_rate = kNotGiven;
  int migration_rate = kNotGiven;
  int copy_back_rate = kNotGiven;
  int media_patrol_rate = kNotGiven;
  // Values of options with an argument.
  uint16_t id = kNoSetId;
  uint16_t link_pd = kNoLinkId;
  int schedule_mode = kNotGiven;
  int schedule_days = kNotGiven;
  char name[kSetNameLength + 2] = {};    // room for the quoted form's copy
  char serial[kSetTextLength + 2] = {};  // blank-padded to 20 once read
  char model[kSetTextLength + 2] = {};
};

// A long option without argument that sets one setting to a value.
struct SwitchSpec {
  const char* long_name;
  int SetOptions::*setting;
  int value;
};

// A handler's option table: its own entries, then one entry per switch, the
// shared switches first and then `switches` (with the codes from
// shell::kFirstLongOnlyCode on, in that order), then the output and help
// entries. Codes from kFirstLongOnlyCode + kSwitchCodeRoom on are free for a
// handler's long-only options with an argument.
inline constexpr int kSwitchCodeRoom = 0x80;
shell::OptionTable set_option_table(std::initializer_list<shell::OptionSpec> own, std::span<const SwitchSpec> switches);

// Applies the switch a parser code names, shared or in `switches`; false
// when the code names none.
bool apply_switch(int code, std::span<const SwitchSpec> switches, SetOptions& options);

// Prints a capability refusal (a format with the adapter's number) and
// answers false.
bool refuse_capability(const char* fmt, ...) QX_PRINTF_FORMAT(1, 2);

// Readers of option arguments: each prints its refusal and answers false.
// A percentage of at most 100, stored scaled; its messages name the option
// by `letter` and the rate as "-r : invalid BGA rate '%s'" and "-r : BGA rate
// out of range (0~100)" do.
struct RateNames {
  char letter;
  const char* invalid;
  const char* range;
};
bool read_rate(const char* arg, const RateNames& names, int& stored);
bool read_set_name(const char* arg, SetOptions& options);
// Serial number: at most 20 characters, padded with blanks.
bool read_serial(const char* arg, SetOptions& options);
// Reads an option both handlers give the same meaning (-i, -d, -n, -s):
// none when `option` is another one, else whether its argument was good.
std::optional<bool> read_shared_set_option(int option, const char* arg, SetOptions& options);

// Steps both handlers take, each printing its own failure. They answer the
// command's result, or kContinue when the command goes on.
inline constexpr uint32_t kContinue = 0xFFFFFFFFu;
// Reads the PD's configuration record and sets its write cache to `on`
// unless it already has that value.
uint32_t set_pd_cache(uint16_t pd_id, int on, const QX_PD_CONFIG* already_read);
// Sets the PD's state (0 online, 1 offline, 2 forced offline).
uint32_t set_pd_state(uint16_t pd_id, int state);
uint8_t read_pd_config(uint16_t pd_id, QX_PD_CONFIG& record);
// Reads the VD's configuration record.
uint32_t read_vd_config(uint16_t vd_id, QX_VD_CONFIG& record);
// Writes the VD's configuration record.
uint32_t write_vd_config(uint16_t vd_id, const QX_VD_CONFIG& record);
// Links a VD to a PD (kNoLinkId unlinks).
uint32_t set_link(uint16_t vd_id, uint16_t pd_id);
// The cache-policy code the options ask for: the write policy, else the
// cache switch; kNotGiven for neither.
int requested_cache_code(const SetOptions& options);

}  // namespace qx::commands

#endif  // QX_COMMANDS_CONFIG_SET_OPTIONS_H

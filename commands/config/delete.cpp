// `delete -o vd|ld|array|spare|packagevd -i ID [-f] [--waiveconfirmation]`:
// removes one object from the current adapter; a spare becomes a free disk.
#include <cstdio>
#include <optional>

#include "api/qx_api.h"
#include "api/status.h"
#include "commands/config/delete_vd.h"
#include "commands/handlers.h"
#include "shell/confirm.h"
#include "shell/handler_support.h"
#include "shell/list_query.h"
#include "shell/option_table.h"
#include "shell/output.h"
#include "shell/state.h"
#include "shell/values.h"

namespace qx::commands {
namespace {

constexpr long kFirstInvalidId = 255;
constexpr int kWaiveConfirmation = shell::kFirstLongOnlyCode;
constexpr uint8_t kPackageDeleteFlag = 1;

using shell::Arg;
const shell::OptionTable kOptions{
    {'o', "object", Arg::kRequired, shell::kOnce, shell::kMustGive},
    {'i', "id", Arg::kRequired, shell::kOnce, shell::kMustGive},
    {'f', "force", Arg::kNone, shell::kOnce},
    {kWaiveConfirmation, "waiveconfirmation", Arg::kNone, shell::kRepeats},
    shell::kOutputEntry,
    shell::kHelpEntry,
};

enum class Object { kNone, kVd, kArray, kSpare, kPackageVd };

// The object an -o argument names; kNone (with the message printed) for
// one this adapter cannot have or that does not exist.
Object object_named(const char* name) {
  auto same = [name](const char* word) { return shell::equals_ignoring_case(name, word); };
  if (same("vd") || same("ld")) return Object::kVd;
  if (same("spare")) return Object::kSpare;
  if (same("packagevd")) return Object::kPackageVd;
  if (same("array")) {
    if (shell::state().array_capable) return Object::kArray;
    shell::print("-o : array is not supported on this adapter\n");
    return Object::kNone;
  }
  shell::print("-o : invalid object '%s'\n", name);
  return Object::kNone;
}

uint32_t delete_array(uint16_t id, bool waive_confirmation) {
  const uint8_t adapter = shell::state().current_adapter;
  QX_ARRAY_INFO array{};
  const uint8_t read = shell::query_one(QX_DG_GetInfo, adapter, id, array);
  if (read != kOk) {
    shell::print("\nUnable to get info of array %d %s.\n", id, error_report(read).c_str());
    return 1;
  }
  if (!waive_confirmation && !shell::ask_yes_no("Are you sure you want to delete this array? (y or n)\n")) return 0;
  const uint8_t result = QX_DG_Delete(adapter, id);
  if (result == kOk) {
    shell::print("Delete array %d successfully.\n", id);
  } else {
    shell::print("Failed to delete array %d %s.\n", id, error_report(result).c_str());
  }
  return result;
}

uint32_t delete_spare(uint16_t id, bool waive_confirmation) {
  const uint8_t adapter = shell::state().current_adapter;
  // Read directly: an answer without the disk is "not a spare", not a failure.
  shell::OneQuery<QX_PD_RAID_STATUS> query{};
  query.header.query_type = QX_QUERY_ONE;
  query.header.start_id = id;
  query.header.requested = 1;
  const uint8_t read = QX_PD_GetHDRaidStatus(adapter, &query.header);
  if (read != kOk) {
    shell::print("\nUnable to get info of spare %d %s\n", id, error_report(read).c_str());
    return read;
  }
  const uint8_t flags = query.record.flags;
  if (query.header.returned != 1 || (flags & QX_PD_RAID_ANY_SPARE) == 0) {
    shell::print("PD %d is not spare disk.\n", id);
    return 0;
  }
  if (flags & QX_PD_RAID_SPARE_IN_USE) {
    shell::print("Unable to delete spare disk %d  %s\n", id, error_report(kSpareInUse).c_str());
    return kResultSpareInUse;
  }
  if (!waive_confirmation && (flags & QX_PD_RAID_MEDIA_PATROL) != 0) {
    char question[96];
    std::snprintf(question, sizeof question,
                  "Use spare disk will stop Media patrol on PD %d. Do you want to continue?(y or n)\n", id);
    if (!shell::ask_yes_no(question)) return kResultMediaPatrolDeclined;
  }
  const uint8_t result = QX_PD_Spare2FreeHD(adapter, id);
  if (result == kOk) {
    shell::print("Delete the spare disk %d successfully.\n", id);
  } else {
    shell::print("Failed to delete spare disk %d %s.\n", id, error_report(result).c_str());
  }
  return result;
}

uint32_t delete_package_vd(uint16_t id, bool waive_confirmation) {
  if (!waive_confirmation && !shell::ask_yes_no("Are you sure you want to delete this PackageVD? (y or n)\n"))
    return 0;
  const uint8_t result = QX_PackageVD_Delete(shell::state().current_adapter, id, kPackageDeleteFlag);
  if (result == kOk) {
    shell::print("Delete PackageVD %d successfully.\n", id);
  } else {
    shell::print("Failed to delete PackageVD %d %s.\n", id, error_report(result).c_str());
  }
  return result;
}

}  // namespace

uint32_t cmd_delete(int argc, char** argv, const CommandEntry& self) {
  Object object = Object::kNone;
  long id = 0;
  shell::OptionScan scan(kOptions, argc, argv);
  for (int option; (option = scan.next()) != -1;) {
    switch (option) {
      case shell::kOutputOption:
      case 'f':
      case kWaiveConfirmation:
        break;
      case 'o':
        object = object_named(scan.arg());
        if (object == Object::kNone) return 1;
        break;
      case 'i':
        if (!shell::require_decimal(scan.arg(), "-i : invalid id '%s'\n", scan.arg())) return 1;
        id = shell::decimal_value(scan.arg());
        break;
      default:
        return shell::other_option(option, self);
    }
  }
  if (scan.duplicated()) return shell::duplicated_option();
  // The whole number is judged, so that no id wraps round to a valid one.
  if (id >= kFirstInvalidId) {
    shell::print("-i : invalid id %ld\n", id);
    return 1;
  }
  if (scan.report_missing(self)) return 1;

  const auto target = static_cast<uint16_t>(id);
  const bool waive_confirmation = scan.given(kWaiveConfirmation);
  switch (object) {
    case Object::kVd:
      return delete_vd(target, {waive_confirmation, scan.given('f')});
    case Object::kArray:
      return delete_array(target, waive_confirmation);
    case Object::kSpare:
      return delete_spare(target, waive_confirmation);
    case Object::kPackageVd:
      return delete_package_vd(target, waive_confirmation);
    case Object::kNone:
      break;
  }
  return 1;
}

}  // namespace qx::commands

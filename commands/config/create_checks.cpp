#include "commands/config/create_checks.h"

#include <algorithm>
#include <string>

#include "api/qx_api.h"
#include "api/raid_levels.h"
#include "api/status.h"
#include "shell/confirm.h"
#include "shell/list_query.h"
#include "shell/output.h"
#include "shell/state.h"

namespace qx::commands {

namespace {

// Where the rules for an array or a size query differ from those for a VD:
// a larger least count with its own message, or (message nullptr) no count
// rule at all.
struct CountRule {
  Building what;
  uint8_t level;
  uint8_t min_disks;
  const char* message;
};
constexpr CountRule kCountRules[] = {
    {Building::kArray, QX_RAID6, 4, "RAID6 needs least 4 or more number of PDs.\n"},
    {Building::kArray, QX_RAID60, 8, "RAID60 needs least 8 or more even number of PDs.\n"},
    {Building::kSizeQuery, QX_RAID0, 0, nullptr},
};

bool count_fits(Building what, const RaidLevel& level, int n) {
  for (const CountRule& rule : kCountRules) {
    if (rule.what != what || rule.level != level.code) continue;
    if (rule.message == nullptr || (n >= rule.min_disks && disk_count_fits(level, n))) return true;
    shell::print("%s", rule.message);
    return false;
  }
  if (level.count_message == nullptr || disk_count_fits(level, n)) return true;
  shell::print("%s", level.count_message);
  return false;
}

// Parity disks given with -q, against the adapter's RAID6 limit `most`.
bool parity_fits(Building what, const RaidLevel& level, int n, int q, int most) {
  const bool sub_vds = level.sub_vds != 0;
  switch (what) {
    case Building::kVd:
      if (!sub_vds) {
        if (q >= 2 && q <= most && q < n) return true;
        shell::print("Number of parity disks should be at least 2 and less than %d.\n", most);
        return false;
      }
      if (q < 4 || q > 2 * most || q % 2 != 0) {
        shell::print("RAID60 need even number of parity disks between 4 and %d.\n", 2 * most);
        return false;
      }
      break;
    case Building::kSizeQuery:
      if (!sub_vds) {
        if (q >= 2 && q < n) return true;
        shell::print("Number of parity disks should be at least 2 and less than %d.\n", n);
        return false;
      }
      if (q < 4 || q % 2 != 0) {
        shell::print("RAID60 need at least 4 even number of parity disks.\n");
        return false;
      }
      break;
    case Building::kArray:
      return true;  // judged with the default parity too, below
  }
  if (q >= n) {
    shell::print("# of parity disks (%d) should be less than # of total disks (%d).\n", q, n);
    return false;
  }
  return true;
}

// An array's parity, given or defaulted: within the adapter's limit when
// given, and never more than half its disks.
bool array_parity_fits(const RaidLevel& level, int n, int q, int most, bool given) {
  const bool sub_vds = level.sub_vds != 0;
  if (given && !sub_vds && (q < 2 || q > most)) {
    shell::print("Number of parity disks for RAID6 should be between 2 & %d\n", most);
    return false;
  }
  if (given && sub_vds && (q < 4 || q > 2 * most || q % 2 != 0)) {
    shell::print("Number of parity disks for RAID60 should be even and between 4 & %d\n", 2 * most);
    return false;
  }
  if (q > n / 2) {
    shell::print(sub_vds ? "Number of parity disks for RAID60 can not exceed half of total disks\n"
                         : "Number of parity disks for RAID6 can not exceed half of total disks\n");
    return false;
  }
  return true;
}

template <class Record, class Fetch>
std::optional<long> count_records(Fetch fetch) {
  using Buffer = shell::ListBuffer<Record>;
  const uint16_t page = Buffer::page_size(shell::current_adapter_info().max_buffer_kb);
  Buffer buffer;
  if (!buffer.allocate(page)) {
    shell::print("Unable to allocate buffer for %d bytes.\n", static_cast<int>(Buffer::bytes_for(page)));
    return std::nullopt;
  }
  const uint8_t adapter = shell::state().current_adapter;
  long count = 0;
  shell::page_through<Record>(
      buffer, std::nullopt, [adapter, fetch](QX_QUERY_HEADER* query) { return fetch(adapter, query); },
      [&count](const Buffer& answer, bool) {
        count += answer.returned();
        return shell::kNextPage;
      });
  return count;
}

}  // namespace

bool count_rules_met(Building what, uint8_t level_code, int n, uint8_t& parity, bool parity_given) {
  const RaidLevel& level = *find_raid_level(level_code);
  if (!count_fits(what, level, n)) return false;
  if (level.default_parity == 0) return true;
  const int most = shell::current_adapter_info().max_raid6_parity;
  if (!parity_given) parity = level.default_parity;
  if (what == Building::kArray) return array_parity_fits(level, n, parity, most, parity_given);
  return !parity_given || parity_fits(what, level, n, parity, most);
}

bool disk_flags_refused(Building what, uint16_t pd, uint8_t flags) {
  const bool exact = what == Building::kSizeQuery;
  const auto has = [flags, exact](uint8_t bit) { return exact ? flags == bit : (flags & bit) != 0; };
  const bool array = what == Building::kArray;
  if (has(QX_PD_RAID_OFFLINE)) {
    shell::print(array ? "Offline disk %d can not be used to create arrray.\n"
                       : "Offline disk %d can not be used to create VD.\n",
                 pd);
    return true;
  }
  if (has(QX_PD_RAID_GLOBAL_SPARE) || has(QX_PD_RAID_DEDICATED_SPARE)) {
    shell::print(array ? "Spare disk %d can not be used to create array.\n"
                       : "Spare disk %d can not be used to create VD.\n",
                 pd);
    return true;
  }
  if (!exact && has(QX_PD_RAID_FOREIGN)) {
    shell::print(array ? "Foreign disk %d can not be used to create array.\n"
                       : "Foreign disk %d can not be used to create VD.\n",
                 pd);
    return true;
  }
  return false;
}

std::optional<uint32_t> confirm_file_systems(std::span<const uint16_t> pds, const char* object) {
  QX_MBR_INFO mbr{};
  mbr.count = static_cast<uint8_t>(pds.size());
  std::copy(pds.begin(), pds.end(), mbr.pd_ids);
  const uint8_t result = QX_PD_GetMBRInfo(shell::state().current_adapter, &mbr);
  if (result != kOk) {
    shell::print("\nFailed to create virtual disk %s.\n", error_report(result).c_str());
    return 1;
  }
  std::string disks;
  int count = 0;
  for (size_t i = 0; i < pds.size(); ++i) {
    if (mbr.has_file_system[i] == 0) continue;
    disks += std::to_string(mbr.pd_ids[i]) + " ";
    ++count;
  }
  if (count == 0) return std::nullopt;
  if (count == 1) {
    shell::print("PD %shas file system on it. Data will be lost if it is used to create %s.\n", disks.c_str(), object);
  } else {
    shell::print("PD %shave file system on them. Data will be lost if they are used to create %s.\n", disks.c_str(),
                 object);
  }
  if (!shell::ask_unless_declined("Do you still want to create the VD? (y or n)\n")) return 0;
  return std::nullopt;
}

std::optional<long> count_vds() { return count_records<QX_VD_INFO>(QX_LD_GetInfo); }
std::optional<long> count_arrays() { return count_records<QX_ARRAY_INFO>(QX_DG_GetInfo); }

}  // namespace qx::commands

#include "shell/gating.h"

#include <cstring>
#include <initializer_list>
#include <string>

#include "shell/state.h"
#include "shell/values.h"

namespace qx::shell {
namespace {

// Gating goes by position, so that one set of rows serves both main tables.
// The tables hold the same commands up to 17; from 18 on the array-capable
// table is shifted by devmap, so a row there reaches a different command in
// each. The names below say both.
enum Position : int {
  kAssign = 2,
  kInit = 3,
  kCc = 4,
  kRebuild = 5,
  kMigrate = 6,
  kCopyback = 7,
  kMp = 8,
  kSmart = 9,
  kSat = 10,
  kFlash = 11,
  kEnc = 12,
  kAesop = 13,
  kAesentry = 14,
  kAesport = 15,
  kLocate = 16,
  kForceonline = 17,
  kAdapterOrDevmap = 18,
  kCreateOrAdapter = 19,
  kDeleteOrCreate = 20,
  kEventOrDelete = 21,
  kGetOrEvent = 22,
  kSetOrInfo = 24,
  kImportOrSet = 25,
  kDevmapOrImport = 26,
};

const char* const kOemModels[] = {"KITE-S2", "KITE-S1", "RX-Boot"};

void set_flags(CommandTable& table, std::initializer_list<int> positions, uint32_t flag) {
  for (int position : positions) {
    if (position < table.count) table.entries[position].visibility = flag;
  }
}

}  // namespace

void select_command_tables() {
  ShellState& s = state();
  if (current_adapter_info().max_arrays == 0) {
    s.array_capable = 0;
    s.main_table = arrayless_main_table();
    s.hidden_table = arrayless_hidden_table();
  } else {
    s.array_capable = 1;
    s.main_table = array_main_table();
    s.hidden_table = array_hidden_table();
  }
}

bool is_oem_adapter(const QX_ADAPTER_INFO& adapter) {
  const std::string model = printable_text(adapter.model, sizeof adapter.model);
  for (const char* oem : kOemModels) {
    if (model.compare(0, std::strlen(oem), oem) == 0) return true;
  }
  return false;
}

// Later rows may undo earlier ones (an OEM model lists again what a missing
// feature withdrew), so their order is part of the result.
void gate_commands(const QX_ADAPTER_INFO& adapter) {
  CommandTable& t = state().main_table;
  const uint8_t feature = adapter.features;
  const uint32_t adv = adapter.adv_features;
  const uint32_t adv2 = adapter.adv_features2;
  const bool oem = is_oem_adapter(adapter);

  if ((feature & QX_FEATURE_REBUILD) == 0) set_flags(t, {kAssign, kRebuild}, kWithdrawn);
  if (adv & QX_ADV_NO_SPARE) set_flags(t, {kAssign}, kWithdrawn);
  if ((feature & QX_FEATURE_BACKGROUND_INIT) == 0) set_flags(t, {kInit}, kWithdrawn);
  if ((feature & QX_FEATURE_SYNCHRONIZE) == 0) set_flags(t, {kCc}, kWithdrawn);
  if ((feature & QX_FEATURE_MIGRATION) == 0) set_flags(t, {kMigrate}, kWithdrawn);
  if ((feature & QX_FEATURE_COPY_BACK) == 0) set_flags(t, {kCopyback}, kWithdrawn);
  if ((adv & QX_ADV_ATA_PASSTHROUGH) == 0 && (adv2 & QX_ADV2_SCSI_PASSTHROUGH) == 0) {
    set_flags(t, {kSmart}, kWithdrawn);
  }
  if ((adv2 & QX_ADV2_SCSI_PASSTHROUGH) == 0) set_flags(t, {kSat}, kWithdrawn);
  set_flags(t, {kFlash}, kWithdrawn);
  set_flags(t, {kMp}, kWithdrawn);
  if (oem) {
    set_flags(t, {kAssign, kSat, kEnc, kLocate}, kWithdrawn);
    set_flags(t, {kFlash, kEventOrDelete}, kListed);
    set_flags(t,
              {kRebuild, kGetOrEvent, kSetOrInfo, kImportOrSet, kDevmapOrImport, kAdapterOrDevmap,
               kCreateOrAdapter, kDeleteOrCreate, kMp, kSat},
              kUnlisted);
  }
  if ((adv & QX_ADV_ENCLOSURE) == 0) set_flags(t, {kEnc, kLocate}, kWithdrawn);
  if ((adv & QX_ADV_AES_PARTITION) == 0) set_flags(t, {kAesop, kAesentry, kAesport, kForceonline}, kWithdrawn);
}

}  // namespace qx::shell

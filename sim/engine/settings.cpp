#include "sim/engine/settings.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "api/event_catalogue.h"
#include "api/status.h"
#include "sim/engine/control.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/vd_health.h"
#include "sim/model/record_text.h"
#include "sim/model/fault.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

// Adapters of these device ids have no auto-rebuild switch.
constexpr uint16_t kNoAutoRebuildFirst = 0x6001;
constexpr uint16_t kNoAutoRebuildLast = 0x6400;
constexpr uint8_t kAnyRateFeature = 0x5F;

// A text of a fixed-width field: up to the first NUL, without trailing blanks.
std::string field_text(const char* field, size_t width) {
  size_t length = 0;
  while (length < width && field[length] != '\0') ++length;
  while (length > 0 && field[length - 1] == ' ') --length;
  return std::string(field, length);
}

void pad_text(char* field, size_t width, const std::string& text) {
  std::memset(field, ' ', width);
  std::memcpy(field, text.data(), std::min(width, text.size()));
}

uint8_t percent(uint8_t stored) { return static_cast<uint8_t>(stored * 100 / QX_RATE_SCALE); }

// Walks the fields of a changed adapter record: each switch and rate is
// checked, taken over and, when it changed, logged.
class AdapterEdit {
 public:
  explicit AdapterEdit(const Adapter& before) : before_(before) {
    change_.adapter = before;
  }

  // A switch: `on` and `off` are logged when it turns on or off.
  void toggle(bool Adapter::*member, uint8_t value, bool supported, const EventKind* on, const EventKind* off) {
    if (change_.status != kOk) return;
    if (value > 1) {
      change_.status = kInvalidParameter;
      return;
    }
    if ((value == 1) == before_.*member) return;
    if (!supported) {
      change_.status = kNotSupported;
      return;
    }
    change_.adapter.*member = value == 1;
    if (const EventKind* kind = value == 1 ? on : off) change_.events.emplace_back(*kind, before_.id);
  }

  // A rate on the 0..250 scale; its event carries the new percentage.
  void rate(uint8_t Adapter::*member, uint8_t value, bool supported, const EventKind& changed) {
    if (change_.status != kOk) return;
    if (value > QX_RATE_SCALE) {
      change_.status = kOutOfRange;
      return;
    }
    if (value == before_.*member) return;
    if (!supported) {
      change_.status = kNotSupported;
      return;
    }
    change_.adapter.*member = value;
    NewEvent event(changed, before_.id);
    event.params[0] = percent(value);
    change_.events.push_back(event);
  }

  AdapterChange result() {
    if (change_.status != kOk) change_.events.clear();
    return change_;
  }

 private:
  const Adapter& before_;
  AdapterChange change_;
};

}  // namespace

void save_adapter(Db& db, const Adapter& adapter) { update_row(db, adapter_model(), kAnyAdapter, adapter); }

QX_ADAPTER_CONFIG adapter_config_record(const Adapter& a) {
  QX_ADAPTER_CONFIG r{};
  r.buzzer = a.buzzer_on ? 1 : 0;
  r.auto_rebuild = a.auto_rebuild ? 1 : 0;
  r.bga_rate = a.bga_rate;
  r.smart_polling = a.smart_polling ? 1 : 0;
  r.media_patrol_rate = a.media_patrol_rate;
  r.copy_back = a.copy_back ? 1 : 0;
  r.sync_rate = a.sync_rate;
  r.init_rate = a.init_rate;
  r.rebuild_rate = a.rebuild_rate;
  r.migration_rate = a.migration_rate;
  r.copy_back_rate = a.copy_back_rate;
  r.cpu_optimization = a.cpu_optimization ? 1 : 0;
  r.module_consolidation = a.module_consolidation ? 1 : 0;
  r.virtual_atapi = a.virtual_atapi ? 1 : 0;
  r.raw_update = a.raw_update ? 0 : 1;
  pad_text(r.serial, sizeof r.serial, a.serial);
  pad_text(r.model, sizeof r.model, a.model);
  return r;
}

AdapterChange change_adapter_config(const Adapter& a, const QX_ADAPTER_CONFIG& r) {
  namespace ev = events;
  const auto feature = [&](uint8_t bit) { return (a.features & bit) != 0; };
  const auto advanced = [&](uint32_t bit) { return (a.adv_features & bit) != 0; };
  const bool auto_rebuild_switch =
      !(a.device_id >= kNoAutoRebuildFirst && a.device_id <= kNoAutoRebuildLast) && feature(QX_FEATURE_REBUILD);

  AdapterEdit edit(a);
  edit.toggle(&Adapter::buzzer_on, r.buzzer, a.buzzer != 0, &ev::kAdapterBuzzerEnabled, &ev::kAdapterBuzzerDisabled);
  edit.toggle(&Adapter::auto_rebuild, r.auto_rebuild, auto_rebuild_switch, &ev::kAdapterAutoRebuildEnabled,
              &ev::kAdapterAutoRebuildDisabled);
  edit.toggle(&Adapter::smart_polling, r.smart_polling, advanced(QX_ADV_SMART_POLL), &ev::kAdapterSmartEnabled,
              &ev::kAdapterSmartDisabled);
  edit.toggle(&Adapter::copy_back, r.copy_back, feature(QX_FEATURE_COPY_BACK), &ev::kAdapterCopyBackEnabled,
              &ev::kAdapterCopyBackDisabled);
  edit.toggle(&Adapter::cpu_optimization, r.cpu_optimization, advanced(QX_ADV_CPU_EFFICIENCY), nullptr, nullptr);
  edit.toggle(&Adapter::module_consolidation, r.module_consolidation, advanced(QX_ADV_MODULE_CONSOLIDATE), nullptr,
              nullptr);
  edit.toggle(&Adapter::virtual_atapi, r.virtual_atapi, advanced(QX_ADV_VIRTUAL_ATAPI), nullptr, nullptr);
  // The record says 0 for "raw update on".
  edit.toggle(&Adapter::raw_update, r.raw_update > 1 ? r.raw_update : static_cast<uint8_t>(r.raw_update == 0),
              advanced(QX_ADV_RAW_UPDATE), nullptr, nullptr);
  edit.rate(&Adapter::bga_rate, r.bga_rate, (a.features & kAnyRateFeature) != 0, ev::kMiscRateChanged);
  edit.rate(&Adapter::media_patrol_rate, r.media_patrol_rate, feature(QX_FEATURE_PD_BGA_STATUS),
            ev::kMiscMediaPatrolRateChanged);
  edit.rate(&Adapter::sync_rate, r.sync_rate, feature(QX_FEATURE_SYNCHRONIZE), ev::kMiscSynchronizationRateChanged);
  edit.rate(&Adapter::init_rate, r.init_rate, feature(QX_FEATURE_BACKGROUND_INIT), ev::kMiscInitializationRateChanged);
  edit.rate(&Adapter::rebuild_rate, r.rebuild_rate, feature(QX_FEATURE_REBUILD), ev::kMiscRebuildRateChanged);
  edit.rate(&Adapter::migration_rate, r.migration_rate, feature(QX_FEATURE_MIGRATION), ev::kMiscMigrationRateChanged);
  edit.rate(&Adapter::copy_back_rate, r.copy_back_rate, feature(QX_FEATURE_COPY_BACK), ev::kMiscCopyBackRateChanged);
  AdapterChange change = edit.result();
  if (change.status == kOk) {
    if (change.adapter.buzzer_on && !a.buzzer_on) change.adapter.alarm_muted = false;
    change.adapter.serial = field_text(r.serial, sizeof r.serial);
    change.adapter.model = field_text(r.model, sizeof r.model);
  }
  return change;
}

QX_VD_CONFIG vd_config_record(const Vd& vd) {
  QX_VD_CONFIG r{};
  r.cache_flags = vd.cache_flags;
  r.vd_id = vd.id;
  r.restore_companion = vd.restore_flag;
  copy_text(r.name, vd.name);
  return r;
}

VdChange change_vd_config(const Adapter& adapter, const Vd& before, const QX_VD_CONFIG& r) {
  VdChange change{kOk, before, false};
  const uint8_t code = r.cache_flags & QX_VD_CACHE_POLICY_MASK;
  if (code != QX_VD_CACHE_WRITE_BACK && code != QX_VD_CACHE_WRITE_THROUGH && code != QX_VD_CACHE_AUTO) {
    change.status = kInvalidParameter;
    return change;
  }
  const uint32_t adv = adapter.adv_features;
  const bool hybrid = (adv & QX_ADV_HYBRID_SWITCH) != 0;
  const bool code_changed = code != (before.cache_flags & QX_VD_CACHE_POLICY_MASK);
  const bool read_ahead_changed = ((r.cache_flags ^ before.cache_flags) & QX_VD_CACHE_READ_AHEAD) != 0;
  // On a hybrid-switch adapter the code is the restore option, which needs
  // the write cache to be absent; elsewhere it is the write cache itself.
  const bool code_refused = hybrid ? (code == QX_VD_CACHE_AUTO || !(adv & QX_ADV_NO_VD_WRITE_CACHE))
                                   : ((adv & QX_ADV_NO_VD_WRITE_CACHE) != 0 ||
                                      (code == QX_VD_CACHE_AUTO && !(adv & QX_ADV_BBU)));
  if ((code_changed && code_refused) || (read_ahead_changed && (adv & QX_ADV_NO_VD_READ_CACHE))) {
    change.status = kNotSupported;
    return change;
  }
  const size_t name_length = strnlen(r.name, sizeof r.name);
  const bool name_ok = name_length < sizeof r.name &&
                       std::all_of(r.name, r.name + name_length, [](char c) {
                         return c == ' ' || c == '_' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') ||
                                (c >= 'A' && c <= 'Z');
                       });
  if (!name_ok) {
    change.status = kVdNameInvalid;
    return change;
  }
  change.vd.cache_flags = static_cast<uint8_t>(r.cache_flags & (QX_VD_CACHE_POLICY_MASK | QX_VD_CACHE_READ_AHEAD));
  change.vd.restore_flag = r.restore_companion;
  change.vd.name.assign(r.name, name_length);
  change.policy_changed = code_changed || read_ahead_changed;
  return change;
}

QX_ARRAY_CONFIG array_config_record(const Array& array) {
  QX_ARRAY_CONFIG r{};
  r.array_id = array.id;
  r.write_cache = array.write_cache ? 1 : 0;
  copy_text(r.name, array.name);
  return r;
}

uint8_t check_pd_config(const Disk& disk, const QX_PD_CONFIG& r) {
  if (r.write_cache > 1 || r.smart != (disk.smart ? 1 : 0) || r.link_speed != disk.link_speed)
    return kInvalidParameter;
  if ((r.write_cache == 1) != disk.write_cache && !(disk.capabilities & QX_PD_CAP_WRITE_CACHE)) return kNotSupported;
  return kOk;
}

bool has_locate_led(const Disk& disk) {
  return (disk.link_bits & QX_PD_LINK_LOCATE_LED) != 0 || disk.link_kind == QX_LINK_ENCLOSURE ||
         disk.link_kind == QX_LINK_EXPANDER || disk.link_kind == QX_LINK_ENCLOSURE_HBA_PORT;
}

uint8_t set_locate_led(const Session& s, uint16_t pd, uint8_t on) {
  std::optional<Disk> disk = present_disk(s, pd);
  if (!disk) return kPdMissing;
  if (!has_locate_led(*disk)) return kNotSupported;
  if (on > 1) return kInvalidParameter;
  disk->locate_led = on == 1;
  update_row(s.db(), disk_model(), s.adapter_id(), *disk);
  return kOk;
}

uint8_t locate_device(const Session& s, uint8_t kind, uint16_t id, uint8_t led) {
  if (kind != QX_LOCATE_PD) return kInvalidParameter;
  if (!(s.adapter().adv_features & QX_ADV_ENCLOSURE)) return kNotSupported;
  return set_locate_led(s, id, led);
}

uint8_t force_disk_online(const Session& s, const QX_FORCE_ONLINE& request, uint8_t pd, uint8_t code) {
  if (!(s.adapter().adv_features & QX_ADV_AES_PARTITION)) return kNotSupported;
  if (request.command != QX_FORCE_ONLINE_COMMAND) return kInvalidParameter;
  if (code > 10 && code != QX_FORCE_ONLINE_NO_PERCENTAGE) return kInvalidParameter;
  std::optional<Disk> disk = present_disk(s, pd);
  if (!disk) return kPdMissing;
  if (!disk->offline) return kNotOfflineDisk;
  NewEvent up(events::kPdLinkUp, pd);
  up.params[0] = code;
  regain_disk(s, *disk, up);
  return kOk;
}

namespace {

// Whether taking the disk out of its VDs leaves one of them offline.
bool takes_a_vd_offline(const Session& s, uint16_t pd) {
  for (const Block& own : select_rows(s.db(), block_model(), s.adapter_id(), "pd = ?1", {json(pd)})) {
    if (own.vd == kNoId) continue;
    std::optional<Vd> vd = select_by_id(s.db(), vd_model(), s.adapter_id(), own.vd);
    if (!vd || vd->state == QX_VD_OFFLINE) continue;
    std::vector<uint8_t> missing = missing_slots(s, *vd);
    if (std::find(missing.begin(), missing.end(), own.member) == missing.end()) missing.push_back(own.member);
    if (state_with_missing(*vd, missing) == QX_VD_OFFLINE) return true;
  }
  return false;
}

}  // namespace

uint8_t set_disk_state(const Session& s, uint16_t pd, uint8_t state) {
  if (s.adapter().adv_features & QX_ADV_NO_SET_FREE) return kNotSupported;
  if (state > 2) return kInvalidParameter;
  std::optional<Disk> disk = select_by_id(s.db(), disk_model(), s.adapter_id(), pd);
  if (!disk || !disk->present) return kPdMissing;
  if (state == 0) {
    if (!disk->offline) return kPdNotOffline;
    regain_disk(s, *disk, NewEvent(events::kPdSetFree, pd));
    return kOk;
  }
  if (disk->offline) return kOk;
  if (state == 1 && takes_a_vd_offline(s, pd)) return kPdCannotGoDown;
  fail_disk(s, pd);
  return kOk;
}

}  // namespace qx::sim

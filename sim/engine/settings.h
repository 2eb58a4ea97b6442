// The settings an administrator changes: the adapter, VD, PD and array
// configuration records as the controller answers them, and the rules by
// which it accepts a changed record. A refused change touches nothing.
#ifndef QX_SIM_ENGINE_SETTINGS_H
#define QX_SIM_ENGINE_SETTINGS_H

#include <cstdint>
#include <vector>

#include "api/records.h"
#include "sim/engine/call.h"
#include "sim/engine/events.h"
#include "sim/model/array.h"
#include "sim/model/disk.h"
#include "sim/model/vd.h"

namespace qx::sim {

// Stores a changed adapter row.
void save_adapter(Db& db, const Adapter& adapter);

QX_ADAPTER_CONFIG adapter_config_record(const Adapter& adapter);

// The adapter as `record` leaves it, with the events that log what changed;
// a status other than 0 when the record is refused: 5 for a rate above the
// scale, 7 for a switch other than 0 or 1, 19 for a changed setting the
// adapter lacks the capability for. Fields the adapter does not keep are
// ignored.
struct AdapterChange {
  uint8_t status = 0;
  Adapter adapter;
  std::vector<NewEvent> events;
};
AdapterChange change_adapter_config(const Adapter& before, const QX_ADAPTER_CONFIG& record);

QX_VD_CONFIG vd_config_record(const Vd& vd);

// The VD as `record` leaves it on `adapter`, and whether its cache policy
// changed; a status for a refused record (see QX_LD_SetConfig).
struct VdChange {
  uint8_t status = 0;
  Vd vd;
  bool policy_changed = false;
};
VdChange change_vd_config(const Adapter& adapter, const Vd& before, const QX_VD_CONFIG& record);

QX_ARRAY_CONFIG array_config_record(const Array& array);

// Status of a PD write-cache change (0, 7 or 19); the disk's own SMART and
// link speed must come back unchanged.
uint8_t check_pd_config(const Disk& disk, const QX_PD_CONFIG& record);

// Sets a disk online (0), offline (1) or offline by force (2), as
// QX_PD_SetHDStatus does; answers its status.
uint8_t set_disk_state(const Session& s, uint16_t pd, uint8_t state);

// Whether a disk shows a locate LED (its own, or one of its enclosure).
bool has_locate_led(const Disk& disk);

// Switches the locate LED of disk `pd` on (1) or off (0). Answers 0; 55 for
// a disk that is not there; 19 for one without a locate LED; 7 for another
// value.
uint8_t set_locate_led(const Session& s, uint16_t pd, uint8_t on);

// QX_LocateArrayDevice: kind 1, a PD (else 7); the adapter's enclosure
// support (19); then set_locate_led().
uint8_t locate_device(const Session& s, uint8_t kind, uint16_t id, uint8_t led);

// QX_AES_ForcePDOnline: the adapter's AES partition support (19); the
// request's command byte (7); a percentage code 0-10 or 100 (7); the disk is
// there (55) and offline (246). It comes online as with the online switch,
// and logs PD event 1 with the code in parameter 0.
uint8_t force_disk_online(const Session& s, const QX_FORCE_ONLINE& request, uint8_t pd, uint8_t code);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_SETTINGS_H

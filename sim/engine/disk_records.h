// Physical disks as the library reports them: which disks the adapter sees,
// and the information, configuration, free-space and activity records of one.
#ifndef QX_SIM_ENGINE_DISK_RECORDS_H
#define QX_SIM_ENGINE_DISK_RECORDS_H

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <vector>

#include "api/records.h"
#include "sim/engine/session.h"
#include "sim/model/activity.h"
#include "sim/model/disk.h"
#include "sim/model/vd.h"

namespace qx::sim {

// Up to `limit` disks the adapter sees (pulled disks are gone), ids from
// `start` on, in id order; one query. In a read-only call the blocks and
// activities of the page's disks are read along (one query each) and kept
// with the page, for the per-disk calls that follow a listing.
std::vector<Disk> present_disks(const Session& s, int64_t start, int64_t limit);
std::optional<Disk> present_disk(const Session& s, int64_t id);

// The disks the adapter sees with ids from `first` to `last`; one query (the
// one present_disk() makes, so a process prepares it once).
std::vector<Disk> present_disks_between(const Session& s, int64_t first, int64_t last);

// The disks of the call's adapter that run a media patrol; one query, kept
// for the calls that follow while the state stays the same.
std::set<uint16_t> disks_under_patrol(const Session& s);

// The media patrol or data scrub of a disk, if it has one.
std::optional<Activity> disk_activity(const Session& s, uint16_t pd);

// The two forms of the PD information record. The extended form carries
// every field; the plain form lacks the link bits and the device type,
// which only the extended form has.
enum class PdForm { kPlain, kExtended };
QX_PD_INFO pd_info_record(const Disk& disk, uint8_t adapter_id, PdForm form,
                          const std::array<uint8_t, 8>& parent_address);

QX_PD_CONFIG pd_config_record(const Disk& disk);

// Space of the disk a new VD or a rebuild can use: its size less the
// adapter's reserved area and its blocks. An offline disk and a device that
// is no disk have none.
uint64_t usable_kb(const Disk& disk, uint64_t reserved_kb, const std::vector<Block>& blocks_on_disk);
QX_FREE_SPACE free_space_record(const Disk& disk, uint64_t usable);

// The media patrol or data scrub of a disk at simulated time `now_ms`; all
// zero (state none) without one.
QX_PD_BGA_STATUS pd_bga_status_record(uint16_t pd, const std::optional<Activity>& activity, int64_t now_ms);

// Whether the running operating system is on the disk: on the disk itself,
// or on a VD that has a block on it.
bool disk_carries_os(const Session& s, const Disk& disk);

// The VDs that carry the running operating system.
std::set<uint16_t> vds_with_os(const Session& s);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_DISK_RECORDS_H

// The activities that run on one disk: media patrol, which reads a member or
// spare disk end to end, and data scrub, which checks a spare that stands in
// for nothing. Their starts, and their ends when the disk is taken away.
#ifndef QX_SIM_ENGINE_DISK_ACTIVITIES_H
#define QX_SIM_ENGINE_DISK_ACTIVITIES_H

#include <cstdint>

#include "sim/engine/session.h"

namespace qx::sim {

// QX_PD_StartMediaPatrol. Checks in order: the adapter runs disk activities (19); the disk is there (55), a
// disk (65), online (9), a member or a spare (53), with nothing active on it
// (63); no other disk of its VDs or of its array patrols (88). The patrol
// covers the disk's size at the media patrol rate; PD event 17.
uint8_t start_media_patrol(const Session& s, uint16_t pd);

// Begins a patrol on disk `pd` without the checks, for the adapter's own
// schedule, which patrols every member at once: replaces the record of an
// ended activity and logs PD event 17 at the session's time. Nothing for a
// disk that is not there.
void begin_media_patrol(const Session& s, uint16_t pd);

// QX_PD_StartDataScrub: 19, 55, 65, 9 as a patrol; a spare (53) that stands
// in for no member (89), with nothing active on it (63). No event.
uint8_t start_data_scrub(const Session& s, uint16_t pd);

// Ends the patrol or scrub of disk `pd`, if it has one: the disk was pulled,
// taken as a rebuild target or freed, or a VD on it starts an activity. A
// patrol that was running or paused logs PD event 21 (aborted).
void end_disk_activity(const Session& s, uint16_t pd);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_DISK_ACTIVITIES_H

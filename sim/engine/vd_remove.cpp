#include "sim/engine/vd_remove.h"

#include "api/records.h"
#include "api/status.h"
#include "sim/engine/activities.h"
#include "sim/engine/allocate.h"
#include "sim/engine/bga_control.h"
#include "sim/engine/tier_tables.h"
#include "sim/engine/vd_events.h"
#include "sim/model/activity.h"
#include "sim/model/vd.h"
#include "sim/store/table.h"

namespace qx::sim {

void remove_vd(const Session& s, uint16_t vd) {
  Db& db = s.db();
  const int adapter = s.adapter_id();
  // The row goes first, so that VDs naming each other as targets end too.
  Stmt stmt = db.prepare("DELETE FROM vds WHERE adapter = ?1 AND id = ?2");
  stmt.bind(1, int64_t{adapter}).bind(2, int64_t{vd});
  stmt.run();
  for (const Activity& a : select_rows(db, activity_model(), adapter, "vd = ?1", {json(vd)}))
    delete_row(db, activity_model(), adapter, a);
  release_blocks(s, vd);
  forget_tier_tables(s, vd);
  for (const Vd& target : select_rows(db, vd_model(), adapter, "target_of = ?1", {json(vd)}))
    remove_vd(s, target.id);
}

bool is_offline_or_foreign(uint8_t state) {
  return state == QX_VD_OFFLINE || state == QX_VD_FOREIGN || state == QX_VD_IMPORTABLE_FOREIGN ||
         state == QX_VD_NOT_IMPORTABLE_FOREIGN;
}

uint8_t delete_vd(const Session& s, uint16_t id, uint8_t flag) {
  std::optional<Vd> vd = select_by_id(s.db(), vd_model(), s.adapter_id(), id);
  if (!vd || vd->target_of != kNoId) return kVdMissing;
  if (flag != QX_DELETE_LIVE && flag != QX_DELETE_OFFLINE_OR_FOREIGN) return kInvalidParameter;
  const bool dormant = is_offline_or_foreign(vd->state);
  if (flag == QX_DELETE_OFFLINE_OR_FOREIGN && !dormant) return kVdStateWrong;
  if (!dormant) {
    if (std::optional<Activity> a = vd_activity(s, id); a && is_active(*a)) return kVdHasBga;
    if (vd->has_os) return kVdHasOs;
  }
  log_vd_deleted(s, *vd);
  remove_vd(s, id);
  return kOk;
}

}  // namespace qx::sim

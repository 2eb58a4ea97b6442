#include "sim/engine/pass_through.h"

#include <algorithm>
#include <optional>
#include <span>

#include "api/crc32.h"
#include "api/status.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/events.h"
#include "sim/engine/media.h"
#include "sim/engine/scsi_target.h"
#include "sim/engine/wipe.h"

namespace qx::sim {

uint8_t pass_through_scsi(const Session& s, uint16_t pd_id, QX_SCSI_REQUEST& request) {
  std::optional<Disk> disk = present_disk(s, pd_id);
  if (!disk) return kPdMissing;
  if (request.cdb_length != QX_SCSI_CDB_SIZE || request.direction > QX_SCSI_TO_DEVICE) return kInvalidParameter;
  uint8_t* data = reinterpret_cast<uint8_t*>(&request) + QX_SCSI_DATA_OFFSET;
  const std::span<uint8_t> area(data, request.data_size);
  if (request.direction == QX_SCSI_TO_DEVICE && request.checksum != QX_SCSI_NO_CHECKSUM &&
      request.checksum != data_checksum(data, request.data_size))
    return kWrongData;
  if (wipe_running(s, pd_id)) return kPassThroughBusy;

  std::fill(std::begin(request.sense), std::end(request.sense), uint8_t{0});
  const std::optional<ScsiSense> sense =
      run_scsi_command(s, *disk, request.cdb, request.direction, area);
  if (!sense) return kOk;
  put_fixed_sense(*sense, request.sense);
  NewEvent failed(events::kPdCommandFailed, pd_id);
  failed.params = {request.cdb[0], sense->key, sense->asc, sense->ascq};
  log_event(s, failed);
  s.keep_changes();  // the command ran: what it recorded stays
  return kLinkTimeOut;
}

uint8_t pass_through_ecc(const Session& s, QX_ECC_REQUEST& request) {
  std::optional<Disk> disk = present_disk(s, request.pd_id);
  if (!disk) return kPdMissing;
  if ((disk->type_bits & QX_PD_TYPE_SAS) == 0) return kNotSupported;
  const uint32_t block = disk->sector_size + disk->ecc_bytes;
  switch (request.operation) {
    case QX_ECC_GET_SIZE: request.size = static_cast<uint16_t>(block); return kOk;
    case QX_ECC_INDUCE:
      if (request.size != block) return kInvalidParameter;
      if (request.lba >= disk_sectors(*disk)) return kOutOfRange;
      return mark_ecc(s, *disk, request.lba) ? kOk : kNoResource;
    default: return kInvalidParameter;
  }
}

}  // namespace qx::sim

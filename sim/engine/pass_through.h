// The two pass-through calls: a command descriptor block sent to a disk as
// it is, and an ECC error induced in a sector of a SAS disk (or the disk's
// block size with its ECC bytes).
#ifndef QX_SIM_ENGINE_PASS_THROUGH_H
#define QX_SIM_ENGINE_PASS_THROUGH_H

#include <cstdint>

#include "api/records.h"
#include "sim/engine/session.h"

namespace qx::sim {

// `request` is followed by its data area (data_size bytes from
// QX_SCSI_DATA_OFFSET). A command that ends in a check condition answers 20
// with the sense filled in, and keeps what it recorded (error table, log).
uint8_t pass_through_scsi(const Session& s, uint16_t pd, QX_SCSI_REQUEST& request);
uint8_t pass_through_ecc(const Session& s, QX_ECC_REQUEST& request);

}  // namespace qx::sim

#endif  // QX_SIM_ENGINE_PASS_THROUGH_H

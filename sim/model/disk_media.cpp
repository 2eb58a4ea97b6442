#include "sim/model/disk_media.h"

namespace qx::sim {

namespace {
constexpr int64_t kMaxLba = (int64_t{1} << 48) - 1;
}  // namespace

const Model<ErrorEntry>& error_entry_model() {
  using E = ErrorEntry;
  static const Model<ErrorEntry> model = [] {
    Model<E> m;
    m.table = "error_table";
    m.doc =
        "Disks' error tables: ranges of sectors a disk failed to read or write. Each disk holds at most "
        "the adapter's `rct_capacity` entries; writing over a range removes its entry.";
    m.key = {"pd", "lba"};
    m.fields = {
        integer_field<E>("pd", &E::pd, 0, "error table", "disk the entry belongs to"),
        integer_field<E>("lba", &E::lba, 0, "LBA (0)", "first sector of the range", 0, kMaxLba),
        integer_field<E>("sectors", &E::sectors, 1, "sectors (8)", "number of sectors", 1, INT32_MAX),
        integer_field<E>("kinds", &E::kinds, 1, "error kinds (12)",
                         "bit 0 read error, 1 write error, 3 media error, 4 logical error", 0, 0x1B),
    };
    return m;
  }();
  return model;
}

const Model<WrittenSector>& written_sector_model() {
  using W = WrittenSector;
  static const Model<WrittenSector> model = [] {
    Model<W> m;
    m.table = "written_sectors";
    m.doc = "Sectors written through SCSI pass-through commands; every other sector reads as zeros.";
    m.key = {"pd", "lba"};
    m.fields = {
        integer_field<W>("pd", &W::pd, 0, "SCSI reads", "disk the sector belongs to"),
        integer_field<W>("lba", &W::lba, 0, "SCSI reads", "the sector's address", 0, kMaxLba),
        bytes_field<W>("data", &W::data, kMaxSectorBytes, "SCSI reads",
                       "the sector's bytes, two hexadecimal digits each, as many as the disk's sector size"),
    };
    return m;
  }();
  return model;
}

}  // namespace qx::sim

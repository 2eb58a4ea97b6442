#include "sim/model/vd.h"

namespace qx::sim {

const Model<Vd>& vd_model() {
  using V = Vd;
  static const Model<Vd> model = [] {
    Model<V> m;
    m.table = "vds";
    m.doc =
        "Virtual disks of an adapter. The member disks, block ids and disk count come from the blocks "
        "the VD owns; the background activity from the activities list.";
    m.key = {"id"};
    m.fields = {
        integer_field<V>("id", &V::id, 0, "VD id (0)", "VD id, unique on the adapter", 0, 0xFFFE),
        text_field<V>("name", &V::name, 16, "", "name (32)", "VD name, up to 16 characters"),
        integer_field<V>("state", &V::state, QX_VD_FUNCTIONAL, "state (2)",
                         "0 functional, 1 degraded, 2 deleted, 4 offline, 5 partially optimal, 6 foreign, "
                         "7 importable foreign, 8 not importable foreign, 11 conflicted, 12 plugin conflicted, "
                         "14 using table, 15 functional and initialized"),
        integer_field<V>("raid_level", &V::raid_level, QX_RAID0, "RAID level (6)",
                         "0, 1, 5, 6, 10 tier capacity, 11 tier safe, 12 tier hybrid, 15 JBOD, 16 RAID10, "
                         "17 RAID1E, 80 RAID50, 96 RAID60"),
        integer_field<V>("stripe_kb", &V::stripe_kb, 64, "stripe size (4)", "stripe size in KB"),
        integer_field<V>("cache_flags", &V::cache_flags, 0, "cache flags (8)",
                         "policy code in bits 0, 1 and 3 (0 write-back, 1 write-through, 8 auto; on hybrid-switch "
                         "adapters 1 = restore on), bit 2 read ahead"),
        integer_field<V>("restore_flag", &V::restore_flag, 0, "VD configuration (6)",
                         "companion flag of the restore option"),
        bool_field<V>("has_key", &V::has_key, false, "VD key OEM data", "an encryption key is bound to the VD"),
        list_field<V>("key", &V::key, json::array({0, 0, 0}), "VD key OEM data",
                      "the three words of the VD's key, shown as word 1_word 0:word 2"),
        integer_field<V>("linked_pd", &V::linked_pd, kNoId, "VD-PD link",
                         "the PD a hybrid-tier VD is linked to; 65535 = none"),
        integer_field<V>("size_kb", &V::size_kb, 0, "size (24)", "usable capacity in KB", 0, int64_t{1} << 56),
        integer_field<V>("array_id", &V::array_id, 0, "array id (22)", "array the VD lies on"),
        integer_field<V>("parity_disks", &V::parity_disks, 0, "parity disks (305)",
                         "RAID6 redundancy or RAID60 parity disks"),
        integer_field<V>("sub_vd_count", &V::sub_vd_count, 0, "sub-VD count (304)", "sub-VDs of RAID50 and RAID60"),
        integer_field<V>("members", &V::members, 0, "number of PDs (7)",
                         "member slots, including slots whose disk is gone; 0 = one per block the VD owns"),
        integer_field<V>("last_write_time", &V::last_write_time, 0, "last write time (20, 306)",
                         "seconds since 1970; shown for conflicted VDs", INT32_MIN, INT32_MAX),
        bool_field<V>("has_os", &V::has_os, false, "running-OS query", "the running operating system is on it"),
        integer_field<V>("target_of", &V::target_of, kNoId, "migration target",
                         "id of the VD whose migration builds this VD; 65535 = an ordinary VD"),
    };
    return m;
  }();
  return model;
}

const Model<Block>& block_model() {
  using B = Block;
  static const Model<Block> model = [] {
    Model<B> m;
    m.table = "blocks";
    m.doc =
        "Blocks carved from disks. A VD owns its blocks in member order; a block of no VD is listed on "
        "its disk but belongs to nothing.";
    m.key = {"id"};
    m.fields = {
        integer_field<B>("id", &B::id, 0, "block id", "block id, unique on the adapter", 0, 0xFFFE),
        integer_field<B>("pd", &B::pd, 0, "PD id (2)", "disk the block lies on"),
        integer_field<B>("vd", &B::vd, kNoId, "VD id (6)", "VD that owns the block; 65535 = none"),
        integer_field<B>("member", &B::member, 0, "VD block ids (48)", "position among the VD's blocks"),
        integer_field<B>("start_kb", &B::start_kb, 0, "block offset", "offset on the disk in KB", 0, int64_t{1} << 50),
        integer_field<B>("size_kb", &B::size_kb, 0, "block size", "length in KB", 0, int64_t{1} << 50),
        bool_field<B>("rebuilding", &B::rebuilding, false, "VD state (2)",
                      "a rebuild is writing it: its slot counts as missing until the rebuild completes"),
        integer_field<B>("target_member", &B::target_member, kNoSlot, "migration target block ids (48)",
                         "position in the VD that the migration of its VD builds; 255 = none"),
    };
    return m;
  }();
  return model;
}

}  // namespace qx::sim

#include "sim/model/array.h"

namespace qx::sim {

const Model<Array>& array_model() {
  using R = Array;
  static const Model<Array> model = [] {
    Model<R> m;
    m.table = "arrays";
    m.doc = "Arrays of an array-capable adapter: member disks and the geometry their VDs share.";
    m.key = {"id"};
    m.fields = {
        integer_field<R>("id", &R::id, 0, "array id", "array id, unique on the adapter", 0, 0xFFFE),
        integer_field<R>("raid_level", &R::raid_level, 5, "array RAID level", "RAID level code"),
        integer_field<R>("parity_disks", &R::parity_disks, 0, "array parity disks", "parity disks"),
        integer_field<R>("stripe_kb", &R::stripe_kb, 64, "array stripe size", "stripe size in KB"),
        integer_field<R>("sector_size", &R::sector_size, 512, "array sector size", "sector size in bytes"),
        integer_field<R>("size_kb", &R::size_kb, 0, "array slots and free capacity (40)",
                         "usable capacity in KB, fixed when the array is built; 0: all its members' space", 0,
                         int64_t{1} << 56),
        vector_field<R>("pds", &R::pds, 128, "array member disks", "member disk ids in order"),
        bool_field<R>("package", &R::package, false, "package VD delete",
                      "the array and its VD were created as one unit (a package VD, deleted as one by its array id)"),
        text_field<R>("name", &R::name, 16, "", "array configuration (4)", "array name, up to 16 characters"),
        bool_field<R>("write_cache", &R::write_cache, true, "array configuration (2)",
                      "write cache of the array, which its member disks follow"),
    };
    return m;
  }();
  return model;
}

}  // namespace qx::sim

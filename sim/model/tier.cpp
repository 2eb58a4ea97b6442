#include "sim/model/tier.h"

namespace qx::sim {

const Model<TierEntry>& tier_entry_model() {
  using T = TierEntry;
  static const Model<TierEntry> model = [] {
    Model<T> m;
    m.table = "tier_entries";
    m.doc = "File-system entries of the hybrid-tier VDs' entry tables; entries of one VD never overlap.";
    m.key = {"vd", "start"};
    m.fields = {
        integer_field<T>("vd", &T::vd, 0, "", "the tier VD"),
        integer_field<T>("start", &T::start, 0, "entry start (16)", "first byte of the entry in the VD", 0,
                         INT64_MAX),
        integer_field<T>("length", &T::length, 1, "entry length (24)", "bytes", 1),
    };
    return m;
  }();
  return model;
}

const Model<SsdSegment>& ssd_segment_model() {
  using S = SsdSegment;
  static const Model<SsdSegment> model = [] {
    Model<S> m;
    m.table = "ssd_segments";
    m.doc = "SSD segments of the adapter's hybrid-tier VDs; segments of one VD never overlap.";
    m.key = {"number"};
    m.fields = {
        integer_field<S>("number", &S::number, 0, "segment number (2)", "segment number, from 0"),
        integer_field<S>("vd", &S::vd, 0, "", "the tier VD"),
        integer_field<S>("start", &S::start, 0, "segment start (8)", "first sector in the VD", 0, INT64_MAX),
        integer_field<S>("length", &S::length, 1, "segment length (16)", "sectors", 1, INT64_MAX),
    };
    return m;
  }();
  return model;
}

}  // namespace qx::sim

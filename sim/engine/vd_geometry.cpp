#include "sim/engine/vd_geometry.h"

#include <algorithm>

namespace qx::sim {

namespace {

// A striped group's shape: its members and its place in the VD.
struct Group {
  int first = 0;  // slot of its first member
  int size = 0;   // members in it
};

int group_size(const VdGeometry& g) { return static_cast<int>(g.members.size()) / g.groups; }

// The member (counted within its group) that holds the first parity strip of
// `row`: the last members on row 0, one member to the left on each next row.
int parity_start(const VdGeometry& g, uint64_t row, int size) {
  const int shift = static_cast<int>(row % static_cast<uint64_t>(size));
  return ((size - g.parity_per_group - shift) % size + size) % size;
}

// Row of a group's member that holds the group's strip `s`, or nothing when
// the member holds none of it.
std::optional<uint64_t> striped_row(const VdGeometry& g, uint64_t s, int member_in_group, int size) {
  if (g.parity_per_group > 0) {
    const uint64_t data = static_cast<uint64_t>(size - g.parity_per_group);
    const uint64_t row = s / data;
    const int first = parity_start(g, row, size);
    const int holder = (first + g.parity_per_group + static_cast<int>(s % data)) % size;
    if (holder != member_in_group) return std::nullopt;
    return row;
  }
  const uint64_t copies = g.level->copies;
  for (uint64_t k = 0; k < copies; ++k) {
    const uint64_t place = copies * s + k;  // copies of a strip lie side by side
    if (place % static_cast<uint64_t>(size) == static_cast<uint64_t>(member_in_group))
      return place / static_cast<uint64_t>(size);
  }
  return std::nullopt;
}

bool striped_shape_ok(const VdGeometry& g) {
  return g.groups >= 1 && !g.members.empty() && g.members.size() % static_cast<size_t>(g.groups) == 0 &&
         group_size(g) > g.parity_per_group;
}

bool inside_block(const MemberExtent& m, uint64_t pd_lba) {
  return m.present && pd_lba >= m.start && pd_lba - m.start < m.sectors;
}

std::optional<uint64_t> striped_to_member(const VdGeometry& g, uint64_t vd_lba, int member) {
  if (!striped_shape_ok(g)) return std::nullopt;
  const uint64_t strip = vd_lba / g.strip;
  const int size = group_size(g);
  const int group = static_cast<int>(strip % static_cast<uint64_t>(g.groups));
  if (member / size != group) return std::nullopt;
  const std::optional<uint64_t> row = striped_row(g, strip / static_cast<uint64_t>(g.groups), member % size, size);
  const MemberExtent& m = g.members[static_cast<size_t>(member)];
  if (!row || !m.present) return std::nullopt;
  const uint64_t offset = *row * g.strip + vd_lba % g.strip;
  if (offset >= m.sectors) return std::nullopt;
  return m.start + offset;
}

std::optional<VdAddress> striped_to_vd(const VdGeometry& g, int member, uint64_t pd_lba) {
  if (!striped_shape_ok(g)) return std::nullopt;
  const MemberExtent& m = g.members[static_cast<size_t>(member)];
  if (!inside_block(m, pd_lba)) return std::nullopt;
  const int size = group_size(g);
  const int in_group = member % size;
  const uint64_t row = (pd_lba - m.start) / g.strip;
  VdAddress answer;
  uint64_t s = 0;  // the group's strip
  if (g.parity_per_group > 0) {
    const uint64_t data = static_cast<uint64_t>(size - g.parity_per_group);
    const int pos = (in_group - parity_start(g, row, size) + size) % size;
    answer.parity = pos < g.parity_per_group;
    s = row * data + (answer.parity ? 0 : static_cast<uint64_t>(pos - g.parity_per_group));
  } else {
    s = (row * static_cast<uint64_t>(size) + static_cast<uint64_t>(in_group)) / g.level->copies;
  }
  const uint64_t strip = s * static_cast<uint64_t>(g.groups) + static_cast<uint64_t>(member / size);
  answer.lba = strip * g.strip + (pd_lba - m.start) % g.strip;
  if (answer.lba >= g.vd_sectors) return std::nullopt;
  return answer;
}

// The VD address where the data of `member` begins; nothing when the member
// holds no share, or when a slot before it is missing (its size is gone
// with it).
std::optional<uint64_t> concatenated_base(const VdGeometry& g, int member) {
  uint64_t base = 0;
  for (int i = 0; i < member; ++i) {
    const MemberExtent& m = g.members[static_cast<size_t>(i)];
    if (!m.present) return std::nullopt;
    if (m.holds_data) base += m.sectors;
  }
  const MemberExtent& m = g.members[static_cast<size_t>(member)];
  if (!m.present || !m.holds_data) return std::nullopt;
  return base;
}

std::optional<uint64_t> concatenated_to_member(const VdGeometry& g, uint64_t vd_lba, int member) {
  const std::optional<uint64_t> base = concatenated_base(g, member);
  if (!base || vd_lba < *base) return std::nullopt;
  const MemberExtent& m = g.members[static_cast<size_t>(member)];
  if (vd_lba - *base >= m.sectors) return std::nullopt;
  return m.start + (vd_lba - *base);
}

std::optional<VdAddress> concatenated_to_vd(const VdGeometry& g, int member, uint64_t pd_lba) {
  const MemberExtent& m = g.members[static_cast<size_t>(member)];
  if (!inside_block(m, pd_lba)) return std::nullopt;
  const std::optional<uint64_t> base = concatenated_base(g, member);
  if (!base) return std::nullopt;
  const uint64_t lba = *base + (pd_lba - m.start);
  if (lba >= g.vd_sectors) return std::nullopt;
  return VdAddress{lba, false};
}

bool valid_member(const VdGeometry& g, int member) {
  return g.level != nullptr && member >= 0 && static_cast<size_t>(member) < g.members.size();
}

}  // namespace

VdGeometry make_geometry(const RaidLevel& level, uint16_t stripe_kb, uint8_t parity_disks, uint8_t sub_vd_count,
                         uint64_t size_kb, std::vector<MemberExtent> members) {
  VdGeometry g;
  g.level = &level;
  g.strip = std::max<uint64_t>(1, uint64_t{stripe_kb} * kSectorsPerKb);
  g.groups = level.sub_vds == 0 ? 1 : (sub_vd_count != 0 ? sub_vd_count : level.sub_vds);
  // Levels that take a parity setting (RAID6, RAID60) spread it over their
  // groups; the others have their fixed parity, also spread.
  const int parity = level.fixed_parity + (level.default_parity == 0 ? 0
                                           : parity_disks != 0        ? parity_disks
                                                                      : level.default_parity);
  g.parity_per_group = parity / g.groups;
  g.vd_sectors = size_kb * kSectorsPerKb;
  g.members = std::move(members);
  return g;
}

std::optional<uint64_t> vd_to_member(const VdGeometry& g, uint64_t vd_lba, int member) {
  if (!valid_member(g, member) || vd_lba >= g.vd_sectors) return std::nullopt;
  return g.level->concatenated ? concatenated_to_member(g, vd_lba, member) : striped_to_member(g, vd_lba, member);
}

std::optional<VdAddress> member_to_vd(const VdGeometry& g, int member, uint64_t pd_lba) {
  if (!valid_member(g, member)) return std::nullopt;
  return g.level->concatenated ? concatenated_to_vd(g, member, pd_lba) : striped_to_vd(g, member, pd_lba);
}

}  // namespace qx::sim

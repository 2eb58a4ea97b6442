#include "sim/engine/smart_records.h"

#include <gtest/gtest.h>

namespace qx::sim {
namespace {

SmartAttribute attribute(uint8_t id, uint8_t current, uint8_t threshold, uint64_t raw = 0) {
  return {0, id, "Attribute", current, current, threshold, raw, 0};
}

TEST(Smart, AnAttributeAtItsThresholdTripsAndNoThresholdNeverDoes) {
  EXPECT_TRUE(smart_healthy({attribute(5, 37, 36), attribute(9, 0, 0)}));
  EXPECT_FALSE(smart_healthy({attribute(5, 36, 36)}));
  EXPECT_FALSE(smart_healthy({attribute(1, 100, 16), attribute(5, 20, 36)}));
  EXPECT_EQ(smart_record({attribute(5, 36, 36)}, 30, 0).status, 0);
  EXPECT_EQ(smart_record({attribute(5, 37, 36)}, 30, 0).status, QX_SMART_STATUS_OK);
}

TEST(Smart, RecordCarriesRawLeastSignificantFirstAndCountsHoursOn) {
  SmartAttribute hours = attribute(kPowerOnHoursAttribute, 98, 0, 0x060504030201);
  hours.since_ms = 1000;
  QX_SMART_INFO r = smart_record({hours}, 30, 1000 + 3 * kMsPerHour + kMsPerHour / 2);
  ASSERT_EQ(r.attribute_count, 1);
  const uint8_t expected[] = {0x04, 0x02, 0x03, 0x04, 0x05, 0x06};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(r.attributes[0].raw[i], expected[i]) << i;
  // Other attributes keep their raw value, however much time passes.
  SmartAttribute other = attribute(5, 100, 36, 7);
  EXPECT_EQ(smart_record({other}, 30, 100 * kMsPerHour).attributes[0].raw[0], 7);
}

TEST(Smart, RecordHoldsNoMoreThanAskedFor) {
  std::vector<SmartAttribute> all;
  for (uint8_t id = 1; id <= 30; ++id) all.push_back(attribute(id, 100, 0));
  EXPECT_EQ(smart_record(all, 4, 0).attribute_count, 4);
  EXPECT_EQ(smart_record(all, 255, 0).attribute_count, 30);
  EXPECT_EQ(smart_record(all, 255, 0).attributes[29].id, 30);
}

TEST(Smart, OnlyASataDiskWithSmartOnReportsIt) {
  Disk d;
  d.type_bits = QX_PD_TYPE_SATA;
  d.capabilities = QX_PD_CAP_SMART;
  d.smart = true;
  EXPECT_TRUE(reports_smart(d));
  d.smart = false;
  EXPECT_FALSE(reports_smart(d));
  d.smart = true;
  d.capabilities = 0;
  EXPECT_FALSE(reports_smart(d));
  d.capabilities = QX_PD_CAP_SMART;
  d.type_bits = QX_PD_TYPE_SAS;
  EXPECT_FALSE(reports_smart(d));
  d.type_bits = QX_PD_TYPE_SATA | QX_PD_TYPE_ATAPI_CDDVD;
  EXPECT_FALSE(reports_smart(d));
}

}  // namespace
}  // namespace qx::sim

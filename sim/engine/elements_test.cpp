#include "sim/engine/elements.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

Element sensor(ElementKind kind, int32_t high_critical, int32_t high_warning, int32_t low_critical,
               int32_t low_warning) {
  Element e;
  e.kind = kind;
  e.high_critical = high_critical;
  e.high_warning = high_warning;
  e.low_critical = low_critical;
  e.low_warning = low_warning;
  return e;
}

QX_ENC_ELEMENT temperature(int16_t celsius) {
  Element e = sensor(ElementKind::kTemperature, 60, 50, 5, 10);
  e.celsius = celsius;
  return element_status_record(e, std::nullopt);
}

TEST(ElementStatus, TemperatureIsCriticalAtItsLimitAndNonCriticalOnlyPastAWarning) {
  struct Case {
    int16_t celsius;
    uint8_t status;
    uint8_t bits;  // over failure 0x1, over warning 0x2, under failure 0x4, under warning 0x8
  } cases[] = {{30, QX_ELEMENT_OK, 0},         {50, QX_ELEMENT_OK, 0},        {51, QX_ELEMENT_NON_CRITICAL, 0x2},
               {59, QX_ELEMENT_NON_CRITICAL, 0x2}, {60, QX_ELEMENT_CRITICAL, 0x1}, {10, QX_ELEMENT_OK, 0},
               {9, QX_ELEMENT_NON_CRITICAL, 0x8},  {5, QX_ELEMENT_CRITICAL, 0x4},  {-19, QX_ELEMENT_CRITICAL, 0x4}};
  for (const Case& c : cases) {
    QX_ENC_ELEMENT r = temperature(c.celsius);
    EXPECT_EQ(r.status_code, c.status) << c.celsius;
    EXPECT_EQ(r.status[1], c.bits) << c.celsius;
    EXPECT_EQ(r.status[0], c.celsius + 20) << c.celsius;
  }
  // A threshold of 0 is none: 0 degrees and below trip nothing without one.
  Element bare = sensor(ElementKind::kTemperature, 0, 0, 0, 0);
  bare.celsius = -5;
  EXPECT_EQ(element_status_record(bare, std::nullopt).status_code, QX_ELEMENT_OK);
  bare.has_reading = false;
  EXPECT_EQ(element_status_record(bare, std::nullopt).status[0], 0) << "no reading reads as 0";
}

TEST(ElementStatus, VoltageCarriesItsSignAndItsOwnBits) {
  Element e = sensor(ElementKind::kVoltage, 1320, 1260, 1080, 1140);
  e.millivolts = 1200;
  QX_ENC_ELEMENT r = element_status_record(e, std::nullopt);
  EXPECT_EQ(r.value, 120);
  EXPECT_EQ(r.status_code, QX_ELEMENT_OK);
  e.millivolts = 1330;
  r = element_status_record(e, std::nullopt);
  EXPECT_EQ(r.status_code, QX_ELEMENT_CRITICAL);
  EXPECT_EQ(r.status[2], 0x4);
  e.millivolts = 1100;
  EXPECT_EQ(element_status_record(e, std::nullopt).status[2], 0x2);
  e.millivolts = -1000;
  r = element_status_record(e, std::nullopt);
  EXPECT_EQ(r.value, 0x8000 | 100);
  EXPECT_EQ(r.status_code, QX_ELEMENT_CRITICAL);
  EXPECT_EQ(r.status[2], 0x8);
}

TEST(ElementStatus, FanSpeedCodesAndAStoppedFan) {
  EXPECT_EQ(fan_speed_code(0, 9000), 0);
  EXPECT_EQ(fan_speed_code(1, 9000), 1) << "a turning fan is never stopped";
  EXPECT_EQ(fan_speed_code(4500, 9000), 4);
  EXPECT_EQ(fan_speed_code(9000, 9000), 7);
  EXPECT_EQ(fan_speed_code(9500, 9000), 7);
  EXPECT_EQ(fan_speed_code(100, 0), 7);
  Element fan;
  fan.kind = ElementKind::kCooling;
  fan.max_rpm = 9000;
  EXPECT_EQ(element_status_record(fan, std::nullopt).status_code, QX_ELEMENT_CRITICAL);
  fan.rpm = 5400;
  QX_ENC_ELEMENT r = element_status_record(fan, std::nullopt);
  EXPECT_EQ(r.status_code, QX_ELEMENT_OK);
  EXPECT_EQ(r.value, 5400);
  EXPECT_EQ(r.status[2], 5);
}

TEST(ElementStatus, SlotsFollowTheirDiskAndAStatusSetByHandWins) {
  Element slot;
  slot.kind = ElementKind::kArrayDevice;
  slot.number = 3;
  EXPECT_EQ(element_status_record(slot, std::nullopt).status_code, QX_ELEMENT_NOT_INSTALLED);
  Disk disk;
  disk.locate_led = true;
  disk.spare = SpareKind::kGlobal;
  QX_ENC_ELEMENT r = element_status_record(slot, disk);
  EXPECT_EQ(r.status_code, QX_ELEMENT_OK);
  EXPECT_EQ(r.status[0], 0x20) << "hot spare";
  EXPECT_EQ(r.status[1], 0x2) << "locate";
  disk.offline = true;
  EXPECT_EQ(element_status_record(slot, disk).status_code, QX_ELEMENT_CRITICAL);
  disk.present = false;
  EXPECT_EQ(element_status_record(slot, disk).status_code, QX_ELEMENT_NOT_INSTALLED);
  slot.status = QX_ELEMENT_UNRECOVERABLE;
  EXPECT_EQ(element_status_record(slot, disk).status_code, QX_ELEMENT_UNRECOVERABLE);
  EXPECT_TRUE(makes_enclosure_unstable(QX_ELEMENT_UNRECOVERABLE));
  EXPECT_FALSE(makes_enclosure_unstable(QX_ELEMENT_NON_CRITICAL));
}

TEST(ElementConfig, ThresholdsTravelInTheirTypesUnits) {
  Element t = sensor(ElementKind::kTemperature, 60, 50, -19, 0);
  QX_ENC_ELEMENT_CONFIG c = element_config_record(t, QX_ELEMENT_OK);
  EXPECT_EQ(c.high_critical, 80);
  EXPECT_EQ(c.high_warning, 70);
  EXPECT_EQ(c.low_critical, 1);
  EXPECT_EQ(c.low_warning, 0) << "none stays none";
  Element v = sensor(ElementKind::kVoltage, 2550, 1260, 1080, 1140);
  c = element_config_record(v, QX_ELEMENT_OK);
  EXPECT_EQ(c.high_critical, 255);
  EXPECT_EQ(c.low_critical, 108);
  Element raw = sensor(ElementKind::kPowerSupply, 200, 0, 0, 7);
  c = element_config_record(raw, QX_ELEMENT_OK);
  EXPECT_EQ(c.high_critical, 200);
  EXPECT_EQ(c.low_warning, 7);
}

// The enclosure status read on its own agrees with the one the element
// records give, through each way an element turns Critical or back.
TEST(EnclosureStatus, AgreesWithTheElementRecords) {
  testing::TempState state("default");
  std::unique_ptr<Db> db = state.open();
  Transaction txn(*db, Transaction::Kind::kWrite);
  const Session s(*db, 1, 0);
  auto from_records = [&] {
    std::set<uint16_t> out;
    for (const ElementState& e : element_states(s, QX_ALL_ENCLOSURES))
      if (makes_enclosure_unstable(e.record.status_code)) out.insert(e.element.enclosure);
    return out;
  };
  auto disk = [&](uint16_t id) { return select_by_id(*db, disk_model(), 1, id).value(); };
  auto element = [&](const char* type, uint8_t number) {
    return select_rows(*db, element_model(), 1, "type = ?1 AND number = ?2", {json(type), json(number)}).at(0);
  };
  auto expect = [&](bool unstable, const char* step) {
    EXPECT_EQ(unstable_enclosures(s), from_records()) << step;
    EXPECT_EQ(unstable_enclosures(s).count(0), unstable ? 1u : 0u) << step;
  };
  expect(false, "as loaded");
  Disk d3 = disk(3);
  d3.offline = true;
  update_row(*db, disk_model(), 1, d3);
  expect(true, "a slot's disk offline");
  Disk d2 = disk(2);
  d2.slot = 3;
  update_row(*db, disk_model(), 1, d2);
  expect(false, "the slot shows the first disk in it, online");
  Element slot = element("dev", 5);
  slot.status = QX_ELEMENT_UNRECOVERABLE;
  update_row(*db, element_model(), 1, slot);
  expect(true, "a slot's status set by hand");
  slot.status = kStatusFromReadings;
  update_row(*db, element_model(), 1, slot);
  Element fan = element("fan", 1);
  fan.rpm = 0;
  update_row(*db, element_model(), 1, fan);
  expect(true, "a stopped fan");
}

}  // namespace
}  // namespace qx::sim

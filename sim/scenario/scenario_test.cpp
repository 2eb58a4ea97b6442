#include "sim/scenario/scenario.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "sim/engine/activities.h"
#include "sim/engine/disk_records.h"
#include "sim/engine/vd_records.h"
#include "sim/model/adapter.h"
#include "sim/model/fault.h"
#include "sim/model/smart.h"
#include "sim/scenario/builtin.h"
#include "sim/store/table.h"
#include "sim/testing/temp_state.h"

namespace qx::sim {
namespace {

using testing::TempState;

json roundtrip(TempState& state, const json& doc) {
  std::unique_ptr<Db> db = state.open();
  Transaction txn(*db, Transaction::Kind::kWrite);
  load_scenario(*db, doc);
  txn.commit();
  return export_scenario(*db);
}

// The message a scenario is refused with, or "" when it loads.
std::string refusal(const std::string& text) {
  TempState state("empty");
  std::unique_ptr<Db> db = state.open();
  try {
    Transaction txn(*db, Transaction::Kind::kWrite);
    load_scenario(*db, parse_scenario(text));
    txn.commit();
  } catch (const ScenarioError& e) {
    return e.what();
  }
  return "";
}

TEST(Scenario, ShowInitShowReproducesTheState) {
  for (const char* name : {"default", "empty", "large"}) {
    TempState state(name);
    json first = export_scenario(*state.open());
    json second = roundtrip(state, first);
    EXPECT_EQ(first, second) << name;
    EXPECT_EQ(first.dump(), second.dump()) << name << ": the same keys in the same order";
  }
}

TEST(Scenario, RoundTripKeepsActivitiesFaultsAndAFrozenClock) {
  TempState state("empty");
  json doc = parse_scenario(R"({
    "clock": {"frozen": true, "time_ms": 1767225600000},
    "adapters": [{
      "disks": [{"id": 4, "size_kb": 1000000}, {"id": 5, "size_kb": 1000000}],
      "vds": [{"id": 2, "raid_level": 1, "size_kb": 400000}],
      "blocks": [{"id": 0, "pd": 4, "vd": 2, "member": 0, "start_kb": 262144, "size_kb": 400000},
                 {"id": 1, "pd": 5, "vd": 2, "member": 1, "start_kb": 262144, "size_kb": 400000}],
      "activities": [{"kind": "init_background", "vd": 2, "progress": 2500, "duration_s": 100},
                     {"kind": "media_patrol", "pd": 5, "state": "paused", "progress": 10}]
    }],
    "faults": [{"function": "QX_LD_GetInfo", "adapter": 0, "status": 6, "remaining": 2}]
  })");
  json first = roundtrip(state, doc);
  EXPECT_EQ(first["clock"]["time_ms"], 1767225600000);
  EXPECT_EQ(first["adapters"][0]["activities"][0]["progress"], 2500);
  EXPECT_EQ(first["adapters"][0]["activities"][1]["id"], 1) << "ids default to the position";
  EXPECT_EQ(first["adapters"][0]["vds"][0]["members"], 2) << "member slots default to the blocks";
  EXPECT_EQ(first["faults"][0]["remaining"], 2);
  EXPECT_EQ(roundtrip(state, first), first);
}

TEST(Scenario, DefaultsFillWhatIsLeftOut) {
  TempState state("empty");
  json out = roundtrip(state, parse_scenario(R"({"adapters": [{"disks": [{}, {"serial": "X1"}]}]})"));
  const json& disk = out["adapters"][0]["disks"][1];
  EXPECT_EQ(disk["id"], 1);
  EXPECT_EQ(disk["serial"], "X1");
  EXPECT_EQ(disk["sector_size"], 512);
  EXPECT_EQ(disk["link_kind"], 255);
  EXPECT_EQ(out["adapters"][0]["id"], 0);
}

TEST(Scenario, RefusalsNameTheKeyAndTheValue) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {R"({"adapters": [}")", "line 1, column 15: not valid JSON"},
      {R"({"adapters": [{"port_count": 1e999}]})", "not valid JSON: a number is too large"},
      {R"({"adapter": []})", "scenario: unknown key 'adapter'"},
      {R"({"adapters": [{"disks": [{"sizekb": 1}]}]})", "adapters[0].disks[0]: unknown key 'sizekb'"},
      {R"({"adapters": [{"disks": [{"size_kb": "big"}]}]})",
       "adapters[0].disks[0].size_kb: expected an integer, got \"big\""},
      {R"({"adapters": [{"port_count": 300}]})", "adapters[0].port_count: value 300 is out of range 0..16"},
      {R"({"adapters": [{"model": "a model name that is far too long"}]})",
       "adapters[0].model: \"a model name that is far too long\" is longer than 20 characters"},
      {R"({"adapters": [{"buzzer": true}]})", "adapters[0].buzzer: expected an integer, got true"},
      {R"({"adapters": [{"disks": [{"offline": 1}]}]})", "adapters[0].disks[0].offline: expected true or false, got 1"},
      {R"({"adapters": [{"disks": [{"spare": "hot"}]}]})",
       "adapters[0].disks[0].spare: \"hot\" is not one of: none, global, dedicated"},
      {R"({"adapters": [{"driver_version": "1.2.3"}]})",
       "adapters[0].driver_version: \"1.2.3\" is not a version of four numbers like \"1.2.3.4\""},
      {R"({"adapters": [{"id": 1}]})", "adapters[0].id: value 1, expected 0 (adapters are numbered in order)"},
      {R"({"adapters": [{"disks": [{"id": 3}, {"id": 3}]}]})", "adapters[0].disks[1].id: value 3 is used twice"},
      {R"({"adapters": [{"disks": [{"size_kb": 100}], "vds": [{}],
           "blocks": [{"pd": 0, "vd": 0, "size_kb": 200}]}]})",
       "adapters[0].blocks[0].size_kb: value 200 runs past the end of disk 0"},
      {R"({"adapters": [{"disks": [{"size_kb": 1000}], "vds": [{}],
           "blocks": [{"pd": 0, "vd": 0, "size_kb": 200}, {"pd": 0, "vd": 0, "member": 1, "start_kb": 100, "size_kb": 50}]}]})",
       "adapters[0].blocks[1].start_kb: value 100 overlaps block 0"},
      {R"({"adapters": [{"vds": [{"raid_level": 3}]}]})", "adapters[0].vds[0].raid_level: value 3 is not a RAID level"},
      {R"({"adapters": [{"activities": [{"kind": "rebuild", "vd": 9}]}]})",
       "adapters[0].activities[0].vd: value 9 names no VD"},
      {R"({"faults": [{"function": "GetInfo"}]})",
       "scenario.faults[0].function: value \"GetInfo\" is not the name of a library function"},
      {R"({"clock": {"frozen": true, "offset_ms": 5}})", "clock.offset_ms: a frozen clock takes time_ms"},
      {R"({"adapters": [{"disks": [{"id": 1, "size_kb": 5, "id": 2}]}]})", "adapters[0].disks[0].id: the key is given twice"},
      {R"({"adapters": [{"vds": [{"id": 0, "target_of": 1}, {"id": 1, "target_of": 0}]}]})",
       "adapters[0].vds[0].target_of: value 1 leads round a cycle of migration targets"},
      {R"({"adapters": [{"vds": [{"id": 0, "target_of": 0}]}]})",
       "adapters[0].vds[0].target_of: value 0 names no other VD"},
      {R"({"adapters": [{"vds": [{"id": 0}], "activities": [{"kind": "migration", "vd": 0}]}]})",
       "adapters[0].activities[0].vd: value 0 has no VD for its migration to build (target_of)"},
      {R"({"adapters": [{"max_arrays": 4, "disks": [{}, {}], "arrays": [{"pds": [0, 1, 0]}]}]})",
       "adapters[0].arrays[0].pds: value 0 is listed twice"},
      {R"({"adapters": [{"max_arrays": 4, "disks": [{"spare": "dedicated", "spare_array": 3}], "arrays": [{"pds": []}]}]})",
       "adapters[0].disks[0].spare_array: value 3 names no array"},
      {R"({"adapters": [{"max_arrays": 4, "disks": [{}], "arrays": [{"id": 2, "pds": [0]}],
           "vds": [{"array_id": 5}], "blocks": [{"pd": 0, "vd": 0, "size_kb": 8}]}]})",
       "adapters[0].vds[0].array_id: value 5 names no array"},
  };
  for (const Case& c : cases) EXPECT_EQ(refusal(c.text), c.message) << c.text;
}

TEST(Scenario, DevicesMustBeCabledToSomethingThatExists) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {R"({"adapters": [{"expander_support": 1, "enclosures": [{}], "expanders": [
           {"id": 0, "parent_kind": 3, "parent_id": 1, "parent_phys": [0]},
           {"id": 1, "parent_kind": 3, "parent_id": 0, "parent_phys": [0]}]}]})",
       "adapters[0].expanders[0].parent_id: value 1 leads round a cycle of expanders"},
      {R"({"adapters": [{"expander_support": 1, "enclosures": [{}],
           "expanders": [{"parent_kind": 3, "parent_id": 4, "parent_phys": [0]}]}]})",
       "adapters[0].expanders[0].parent_id: value 4 names no expander"},
      {R"({"adapters": [{"expander_support": 1, "expanders": [{"parent_phys": [0], "enclosure_id": 2}]}]})",
       "adapters[0].expanders[0].enclosure_id: value 2 names no enclosure"},
      {R"({"adapters": [{"enclosures": [{}], "expanders": [{"parent_phys": [0]}]}]})",
       "adapters[0].expanders: the adapter does not support expanders (expander_support is 0)"},
      {R"({"adapters": [{"pm_support": 1, "pms": [{"parent_kind": 3, "parent_phys": [0]}]}]})",
       "adapters[0].pms[0].parent_kind: value 3: a port multiplier hangs on 255 (a port) or 2 (another port multiplier)"},
      {R"({"adapters": [{"disks": [{"link_kind": 2, "parent_id": 0}]}]})",
       "adapters[0].disks[0].parent_id: value 0 names no port multiplier"},
      {R"({"adapters": [{"elements": [{"enclosure": 1, "type": "fan"}]}]})",
       "adapters[0].elements[0].enclosure: value 1 names no enclosure"},
      {R"({"adapters": [{"enclosures": [{}], "elements": [{"type": "fan"}, {"type": "fan"}]}]})",
       "adapters[0].elements[1].number: value 0 is used twice for this type in the enclosure"},
      {R"({"adapters": [{"disks": [{"type_bits": 4}], "smart_attributes": [{"pd": 0, "id": 5}]}]})",
       "adapters[0].smart_attributes[0].pd: disk 0 is no SATA disk: only SATA disks report SMART attributes"},
      {R"({"adapters": [{"disks": [{"smart_set": "hdd"}], "smart_attributes": [{"pd": 0, "id": 5, "worst": 101}]}]})",
       "adapters[0].smart_attributes[0].worst: value 101 is above the current value 100"},
  };
  for (const Case& c : cases) EXPECT_EQ(refusal(c.text), c.message) << c.text;

  std::string expanders;
  for (int i = 0; i < 21; ++i)
    expanders += (i ? ", " : "") + std::string(R"({"id": )") + std::to_string(i) + R"(, "parent_phys": [0]})";
  EXPECT_EQ(refusal(R"({"adapters": [{"expander_support": 1, "enclosures": [{}], "expanders": [)" + expanders + "]}]}"),
            "adapters[0].expanders[20].enclosure_id: enclosure 0 holds at most 20 expanders");
}

TEST(Scenario, ADiskSitsInTheSlotOfItsPortAndKeepsTheSmartItListsOverItsSet) {
  TempState state("empty");
  json doc = roundtrip(state, parse_scenario(R"({"adapters": [{"disks": [
      {"id": 0, "port": 6, "smart_set": "hdd"}, {"id": 1, "parent_phys": [3, 4], "slot": 9}],
      "smart_attributes": [{"pd": 0, "id": 5, "name": "Reallocated", "current": 40, "worst": 30, "threshold": 36}]}]})"));
  const json& disks = doc["adapters"][0]["disks"];
  EXPECT_EQ(disks[0]["slot"], 6);
  EXPECT_EQ(disks[1]["port"], 3) << "the first parent PHY is the port";
  EXPECT_EQ(disks[1]["slot"], 9);
  const json& smart = doc["adapters"][0]["smart_attributes"];
  EXPECT_EQ(smart.size(), smart_set("hdd", 0).size()) << "the listed attribute takes its place in the set";
  for (const json& a : smart)
    if (a["id"] == 5) {
      EXPECT_EQ(a["worst"], 30);
    }
}

TEST(Scenario, LimitsHoldAtTheirEdges) {
  auto adapters = [](int n) {
    std::string text = R"({"adapters": [{})";
    for (int i = 1; i < n; ++i) text += ", {}";
    return text + "]}";
  };
  EXPECT_EQ(refusal(adapters(16)), "");
  EXPECT_EQ(refusal(adapters(17)), "adapters: at most 16 adapters, got 17");

  // Blocks that touch without overlapping, whichever comes first in the list.
  const char* const first = R"({"pd": 0, "vd": 0, "size_kb": 200})";
  const char* const second = R"({"pd": 0, "vd": 0, "member": 1, "start_kb": 200, "size_kb": 50})";
  for (bool reversed : {false, true}) {
    const std::string blocks = reversed ? std::string(second) + ", " + first : std::string(first) + ", " + second;
    EXPECT_EQ(refusal(R"({"adapters": [{"disks": [{"size_kb": 1000}], "vds": [{}], "blocks": [)" + blocks + "]}]}"), "")
        << blocks;
  }
}

// Values the named forms cannot express still reach the records, so that
// every branch of the displays can be set up from a scenario.
TEST(Scenario, RawValuesReachTheRecords) {
  TempState state("empty");
  std::unique_ptr<Db> db = state.open();
  constexpr int64_t kAt = 1'000'000;
  {
    Transaction txn(*db, Transaction::Kind::kWrite);
    load_scenario(*db, parse_scenario(R"({"clock": {"frozen": true, "time_ms": 1000000}, "adapters": [{
        "stripe_sizes": "0x80FF", "disks": [{"id": 0}, {"id": 1}],
        "vds": [{"id": 0, "members": 2}, {"id": 1}],
        "activities": [{"kind": "media_patrol", "pd": 0, "progress": 25500},
                       {"kind": "rebuild", "vd": 0, "bga_type": 3, "bga_state": 9, "progress": 10100}]}]})"));
    txn.commit();
  }
  Transaction txn(*db, Transaction::Kind::kWrite);
  EXPECT_EQ(select_by_id(*db, adapter_model(), kAnyAdapter, 0)->stripe_sizes, 0x80FF);

  // A progress past 100 % is reported as it is, and neither moves nor completes.
  const int64_t later = kAt + 86'400'000;
  complete_due_activities(Session(*db, 0, later));
  const QX_PD_BGA_STATUS patrol = pd_bga_status_record(0, disk_activity(Session(*db, 0, 0), 0), later);
  EXPECT_EQ(patrol.percent, 255);
  EXPECT_EQ(patrol.activity, QX_PD_BGA_MEDIA_PATROL);
  const VdView vd0 = listed_vd(Session(*db, 0, 0), 0).value();
  const QX_VD_STATUS status = vd_status_record(vd0, later, false);
  EXPECT_EQ(status.percent, 101);
  EXPECT_EQ(status.bga_type, 3) << "a raw type code";
  EXPECT_EQ(status.bga_state, 9) << "a raw state code";
  EXPECT_EQ(vd_info_record(vd0).bga_state, 9);

  // VDs without blocks: two empty member slots, or none at all (the fixed table).
  const QX_VD_INFO slots = vd_info_record(vd0);
  EXPECT_EQ(slots.block_count, 2);
  EXPECT_EQ(slots.block_ids[1], QX_VD_BLOCK_EMPTY);
  const QX_VD_INFO none = vd_info_record(listed_vd(Session(*db, 0, 0), 1).value());
  EXPECT_EQ(none.block_count, 0);
  EXPECT_EQ(none.block_ids[QX_VD_FIXED_BLOCK_TABLE - 1], 0xFF);
}

TEST(Scenario, DeepNestingIsRefusedWithItsPathAndLongValuesAreCut) {
  // Deep enough to overflow the stack of anything that walks it recursively.
  const std::string deep = R"({"adapters": [{"disks": )" + std::string(200000, '[') + std::string(200000, ']') + "}]}";
  const std::string message = refusal(deep);
  EXPECT_EQ(message.rfind("adapters[0].disks[0][0]", 0), 0u) << message.substr(0, 200);
  EXPECT_NE(message.find(": nested deeper than 32 levels"), std::string::npos) << message.substr(0, 200);

  // A wide value: the message quotes its start only.
  std::string wide = R"({"adapters": [{"disks": [{"size_kb": [1)";
  for (int i = 0; i < 100000; ++i) wide += ",1";
  wide += "]}]}]}";
  EXPECT_EQ(refusal(wide), "adapters[0].disks[0].size_kb: expected an integer, got [1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,...");
}

TEST(Scenario, EventsWithoutSequenceNumbersTakeTheirPositions) {
  TempState state("empty");
  json out = roundtrip(state, parse_scenario(R"({"adapters": [{"events": [{"code": 4}, {"code": 5}, {"code": 6}]}]})"));
  ASSERT_EQ(out["adapters"][0]["events"].size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(out["adapters"][0]["events"][i]["seq"], i + 1);
}

#if !defined(_WIN32)  // /dev/zero and the system's own error texts
// The message read_scenario refuses `path` with.
std::string read_refusal(const std::string& path) {
  try {
    read_scenario(path);
  } catch (const ScenarioError& e) {
    return e.what();
  }
  return "";
}

TEST(Scenario, OnlyABoundedRegularFileIsRead) {
  TempState state;
  EXPECT_EQ(read_refusal("/dev/zero"), "/dev/zero: not a regular file");
  EXPECT_EQ(read_refusal(state.dir()), state.dir() + ": not a regular file");
  const std::string big = state.dir() + "/big.json";
  { std::ofstream(big) << "{}"; }
  std::filesystem::resize_file(big, kMaxScenarioBytes + 1);
  EXPECT_EQ(read_refusal(big), big + ": larger than 64 MiB, the most a scenario may hold");
}
#endif

TEST(Scenario, HexadecimalTextIsAcceptedForIntegers) {
  TempState state("empty");
  json out = roundtrip(state, parse_scenario(R"({"adapters": [{"adv_features": "0x08002441"}]})"));
  EXPECT_EQ(out["adapters"][0]["adv_features"], 0x08002441);
}

TEST(Scenario, ARefusedScenarioLeavesTheStateAlone) {
  TempState state("default");
  json before = export_scenario(*state.open());
  EXPECT_THROW(init_state(state.dir(), "/nonexistent/scenario.json", true), ScenarioError);
  EXPECT_THROW(init_state(state.dir(), "nosuchname", true), ScenarioError);
  EXPECT_EQ(export_scenario(*state.open()), before);
  EXPECT_THROW(init_state(state.dir(), "empty", false), StateError) << "an existing state needs --force";
}

TEST(Scenario, BuiltinListNamesEveryScenario) {
  std::vector<std::string> names;
  for (const auto& [name, description] : builtin_scenario_list()) {
    names.push_back(name);
    EXPECT_FALSE(description.empty()) << name;
    EXPECT_TRUE(builtin_scenario(name).has_value()) << name;
  }
  EXPECT_EQ(names, (std::vector<std::string>{"default", "empty", "large"}));
}

}  // namespace
}  // namespace qx::sim

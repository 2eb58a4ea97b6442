#include "commands/events/event_decoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "api/event_catalogue.h"
#include "api/event_formats.h"
#include "shell/state.h"

namespace qx::commands {
namespace {

QX_EVENT record(const EventKind& kind, uint16_t device = 0, std::array<uint32_t, 4> params = {}) {
  QX_EVENT r{};
  r.event_class = kind.event_class;
  r.code = kind.code;
  r.device_id = device;
  r.severity = kind.severity;
  std::memcpy(r.params, params.data(), sizeof r.params);
  return r;
}

QX_EVENT raw(uint16_t event_class, uint16_t code, uint16_t device = 0) {
  QX_EVENT r{};
  r.event_class = event_class;
  r.code = code;
  r.device_id = device;
  return r;
}

std::string describe(const QX_EVENT& r) { return decode_event(r).description; }

// Every catalogued code finds its own words; every other code of a class
// with codes its class's text for unknown codes, which a catalogued one
// never shows. Classes whose unknown codes stay undescribed print nothing.
TEST(EventDecoder, CatalogueCodesAndOnlyThoseAreKnown) {
  for (const EventKind& kind : event_catalogue()) {
    const std::string text = describe(record(kind, 3));
    const bool by_param3 = kind.code >= 62 && kind.code <= 65 && kind.code != 64 && kind.event_class == QX_EVT_CLASS_PD;
    if (by_param3) {
      EXPECT_EQ(text, "") << kind.name;  // none of its variants' values
      continue;
    }
    // The adapter logs enclosure element changes, but decodes none of the class.
    if (kind.event_class == QX_EVT_CLASS_ENCLOSURE) {
      EXPECT_EQ(text, " Unknown Enclosure event class: code = " + std::to_string(kind.code)) << kind.name;
      continue;
    }
    EXPECT_EQ(text.rfind(' ', 0), 0u) << kind.name << ": " << text;
    EXPECT_EQ(text.find("nknown"), std::string::npos) << kind.name << ": " << text;
  }
  // 246 codes, with the variants 263 formats; three codes have only variants.
  size_t formats = 0;
  for (const EventFormat& f : event_formats()) formats += f.format[0] != '\0';
  EXPECT_EQ(event_catalogue().size(), 246u);
  EXPECT_EQ(formats, 263u);
  for (int event_class : {0, 1, 2, 4, 9, 10, 12, 13, 15}) {
    const bool silent = event_class == QX_EVT_CLASS_ARRAY || event_class == QX_EVT_CLASS_ENVIRONMENT;
    for (uint32_t code = 0; code <= 0xFFFF; code += code < 120 ? 1 : 997) {
      if (find_event(static_cast<uint16_t>(event_class), static_cast<uint16_t>(code)) != nullptr) continue;
      const std::string text = describe(raw(static_cast<uint16_t>(event_class), static_cast<uint16_t>(code)));
      if (silent) {
        EXPECT_EQ(text, "") << event_class << "/" << code;
      } else {
        EXPECT_NE(text.find("nknown"), std::string::npos) << event_class << "/" << code << ": " << text;
        EXPECT_NE(text.find(std::to_string(code)), std::string::npos) << event_class << "/" << code;
      }
    }
  }
}

TEST(EventDecoder, UnknownCodeAndClassTextsKeepTheirOwnPrefixes) {
  EXPECT_EQ(describe(raw(1, 21)), "Unknown VD event code 21");
  EXPECT_EQ(describe(raw(10, 2)), " Unknown Flash event class: code = 2");
  EXPECT_EQ(describe(raw(12, 0)), " Unknown miscellaneous event: code = 0");
  EXPECT_EQ(describe(raw(3, 7)), " Unknown PM event class: code = 7");
  EXPECT_EQ(describe(raw(11, 0)), " Unknown Cache event class: code = 0");
  EXPECT_EQ(describe(raw(14, 3)), "WARNING: Unknown event class 14, code 3");
  EXPECT_EQ(describe(raw(65535, 65535)), "WARNING: Unknown event class 65535, code 65535");
  QX_EVENT pd = raw(2, 19, 4);
  pd.params[0] = 1;
  pd.params[3] = 0xABCDEF01u;
  EXPECT_EQ(describe(pd), "Unknown PD event code 19 device 4,param[0] 0x1,param[1] 0x0,param[2] 0x0,param[3] 0xabcdef01");
}

// The object word, the name, the low byte and the variants chosen by a parameter.
TEST(EventDecoder, VariantsFollowTheRecord) {
  EXPECT_EQ(describe(record(events::kVdCreated, 5, {0, 0, 0, QX_EVT_TIER_VD})), " TwinTier 5 is created");
  EXPECT_EQ(describe(record(events::kVdCreated, 5, {0, 0, 0, 2})), " Virtual Disk 5 is created");
  EXPECT_EQ(describe(record(events::kVdRebuildCompleted, 9, {0, 0, 0, 1})),
            " Initialization data on TwinTier 9 completed");
  EXPECT_EQ(describe(record(events::kVdRebuildCompleted, 9)), " Rebuild disk on virtual disk 9 completed");
  EXPECT_EQ(describe(record(events::kVdRebuildPaused, 9, {0, 0, 0, 1})), " Rebuild disk on virtual disk 9 paused");

  QX_EVENT deleted = record(events::kVdDeleted, 4);
  EXPECT_EQ(describe(deleted), " Virtual Disk 4 is deleted");
  std::memcpy(deleted.name, "sixteen-chars-vd", 16);  // no NUL: the name ends with the parameters
  deleted.sense_length = 0;
  EXPECT_EQ(describe(deleted), " Virtual Disk sixteen-chars-vd is deleted");
  std::memset(deleted.name, 0, sizeof deleted.name);
  std::memcpy(deleted.name, "web", 3);
  deleted.params[3] = QX_EVT_TIER_VD;
  EXPECT_EQ(describe(deleted), " TwinTier web is deleted");

  EXPECT_EQ(describe(record(events::kVdInconsistentLba, 2, {0, 0x1000, 0, 0})),
            " Consistency check/fix on virtual disk 2 found inconsistent LBA 0x1000");
  EXPECT_EQ(describe(record(events::kVdInconsistentLba, 2, {3, 0x1000, 0, 0})),
            " Consistency check/fix on virtual disk 2 found inconsistent LBA 0x300001000");
  EXPECT_EQ(describe(record(events::kPdSpareChanged, 1)), " Spare disk information changed");
  EXPECT_EQ(describe(record(events::kPdSpareChanged, 1, {0x1203, 7, 0, 0})), " Spare disk 3 used by disk array 7");
  EXPECT_EQ(describe(record(events::kPdBadSectorOnWrite, 6, {0, 0x20, 8, 0})),
            " Bad Sector is detected on writing disk 6 at LBA 0x000000020, count=8.");
  EXPECT_EQ(describe(record(events::kPdBadSectorOnWrite, 6, {0, 0x20, 8, 0x11})),
            " Bad Sector is detected on writing disk 6 at LBA 0x000000020, count=8(0x00000011).");
  EXPECT_EQ(describe(record(events::kPdUncorrectedWriteError, 6, {0, 1, 2, 512})),
            " Media Patrol is unable to correct Media Error on disk 6 at LBA 0x000000001, count=2.");
  EXPECT_EQ(describe(record(events::kPdMediaErrorCorrected, 6, {0, 1, 2, 2048})),
            " Media Error has been found and corrected on disk 6 at LBA 0x000000001, count=2.");
  EXPECT_EQ(describe(record(events::kPdUncorrectedReadError, 6, {0, 1, 2, 513})), "");
}

// Arguments that are not the device id, and numbers as printf prints them.
TEST(EventDecoder, ArgumentSourcesAndNumberForms) {
  EXPECT_EQ(describe(record(events::kAdapterDirtyDataFlushed, 0, {10, 3, 0, 0})), " Auto dirty data flushed 3/10");
  QX_EVENT lost = record(events::kAdapterEventsLost, 0, {0, 0, 120, 0});
  lost.sequence = 200;
  EXPECT_EQ(describe(lost), " Event(s) lost. Current seqNum 200, last seqNum 120");
  QX_EVENT fan = record(events::kEnvFanDefective, 2);
  fan.adapter_number = 1;
  EXPECT_EQ(describe(fan), " Adapter 1 Defective fan 2 found");
  EXPECT_EQ(describe(record(events::kPdCommandFailed, 4, {0x28, 3, 0x11, 0})),
            " Command [0x28] on physical disk 4 failed. Sense key=0x3, ASC=0x11, ASCQ=0x0");
  EXPECT_EQ(describe(record(events::kVdFixProgress, 1, {42, 0, 0, 0})), " Consistency fix on Virtual Disk 1 is 42% done");
  EXPECT_EQ(describe(record(events::kMiscMultiBitEccError, 0, {0xFFFFFFFFu, 0xbeef, 2, 0})),
            " Multi-bit ECC error: count = -1, address = 0xBEEF, module ID = 2");
  EXPECT_EQ(describe(record(events::kVdImported, 3, {1, 0, 0, 0})), " virtual disk 3 has been imported into disk array 1");
}

TEST(EventDecoder, SerialNumberIsReadToItsEndAndTakesTheSenseLine) {
  QX_EVENT r = record(events::kAdapterDetectedWithSerial, 0);
  EXPECT_EQ(describe(r), " Adapter 0 is detected, serial number not available");
  std::memcpy(r.sense, "QXB-20260101-0042", 17);
  r.sense_length = 17;
  EventBlock block = decode_event(r);
  EXPECT_EQ(block.description, " Adapter 0 with serial number QXB-20260101-0042 is detected");
  EXPECT_EQ(block.sense, "");
  std::memset(r.sense, 'S', sizeof r.sense);  // no NUL anywhere
  EXPECT_EQ(describe(r), " Adapter 0 with serial number " + std::string(30, 'S') + " is detected");
}

TEST(EventDecoder, TimeLevelAndSenseEdges) {
  QX_EVENT r = raw(1, 2);
  r.time = QX_EVT_BOOT_TIME_LIMIT;
  EXPECT_EQ(decode_event(r).time, "157680000 second(s) from the boot time.");
  r.time = QX_EVT_BOOT_TIME_LIMIT + 1;
  EXPECT_EQ(decode_event(r).time, "Tue Dec 31 00:00:01 1974");  // the tests run with TZ=UTC
  r.time = 1600000000;
  EXPECT_EQ(decode_event(r).time, "Sun Sep 13 12:26:40 2020");
  r.time = 0xFFFFFFFFu;
  EXPECT_EQ(decode_event(r).time, "Sun Feb 07 06:28:15 2106");

  r.severity = 3;
  EXPECT_STREQ(decode_event(r).level, "[WARNING]");
  r.severity = 7;
  EXPECT_STREQ(decode_event(r).level, "[FATAL]");
  r.severity = 8;
  EXPECT_STREQ(decode_event(r).level, "[UNKNOWN]");

  EXPECT_EQ(decode_event(r).sense, "");
  for (size_t i = 0; i < sizeof r.sense; ++i) r.sense[i] = static_cast<uint8_t>(0xA0 + i);
  r.sense_length = 2;
  EXPECT_EQ(decode_event(r).sense, "A0 A1 ");
  r.sense_length = 40;
  const std::string thirty = decode_event(r).sense;
  EXPECT_EQ(thirty.size(), 90u);
  EXPECT_EQ(thirty.substr(84), "BC BD ");
  r.sense_length = 30;
  EXPECT_EQ(decode_event(r).sense, thirty);
}

TEST(EventDecoder, PrintsOneLabelledBlock) {
  QX_EVENT r = record(events::kPdRemoved, 7);
  r.sequence = 12;
  r.time = 100;
  r.sense_length = 1;
  r.sense[0] = 0x5A;
  FILE* saved = shell::state().out;
  FILE* out = std::tmpfile();
  shell::state().out = out;
  print_event(decode_event(r));
  shell::state().out = saved;
  std::string text(static_cast<size_t>(std::ftell(out)), '\0');
  std::rewind(out);
  text.resize(std::fread(text.data(), 1, text.size(), out));
  std::fclose(out);
  EXPECT_EQ(text,
            "Sequence:     12\n"
            "Time:         100 second(s) from the boot time.\n"
            "Level:        [WARNING]\n"
            "Class:        2\n"
            "Code:         8\n"
            "Description:  Physical Disk 7 is Removed\n"
            "Sense Code : 5A \n"
            "\n");
}

// The check every format passes at compile time refuses what it should.
TEST(EventFormats, ConversionsMustMatchArgumentsInNumberAndKind) {
  constexpr EventArgs derived = format_args("%s %s %d is %d%% done", {});
  static_assert(derived.count == 4 && derived.items[1] == EventArg::kObjectWord &&
                derived.items[2] == EventArg::kDevice && derived.items[3] == EventArg::kParam0);
  EXPECT_TRUE(format_matches_args("%s Spare disk %d used by disk array %d", format_args("", {EventArg::kPrefix, EventArg::kParam0LowByte, EventArg::kParam1})));
  EXPECT_FALSE(format_matches_args("%s %d", format_args("", {EventArg::kPrefix, EventArg::kName})));
  EXPECT_FALSE(format_matches_args("%s %d %d", format_args("%s %d %d", {})));  // two device ids
  EXPECT_FALSE(format_matches_args("%s %d", format_args("", {EventArg::kPrefix})));
  EXPECT_FALSE(format_matches_args("%s", format_args("", {EventArg::kPrefix, EventArg::kCode})));
}

}  // namespace
}  // namespace qx::commands

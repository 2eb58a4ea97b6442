#include "sim/engine/settings.h"

#include <gtest/gtest.h>

#include <cstring>

#include "api/event_catalogue.h"
#include "api/status.h"

namespace qx::sim {
namespace {

Adapter full_featured() {
  Adapter a;
  a.id = 2;
  a.device_id = 0x3120;
  a.features = 0xFF;
  a.adv_features = QX_ADV_SMART_POLL | QX_ADV_CPU_EFFICIENCY | QX_ADV_MODULE_CONSOLIDATE | QX_ADV_VIRTUAL_ATAPI |
                   QX_ADV_RAW_UPDATE | QX_ADV_BBU;
  a.buzzer = 1;
  a.serial = "QXA-7";
  a.model = "QXR-9";
  return a;
}

TEST(AdapterConfig, RecordRoundTripChangesNothingAndLogsNothing) {
  const Adapter a = full_featured();
  const QX_ADAPTER_CONFIG record = adapter_config_record(a);
  EXPECT_EQ(std::string(record.serial, 20), "QXA-7               ");
  AdapterChange change = change_adapter_config(a, record);
  EXPECT_EQ(change.status, kOk);
  EXPECT_TRUE(change.events.empty());
  EXPECT_EQ(change.adapter.serial, "QXA-7");
  EXPECT_EQ(change.adapter.model, "QXR-9");
  EXPECT_EQ(change.adapter.raw_update, a.raw_update);
}

TEST(AdapterConfig, ChangedFieldsAreTakenAndLoggedWithTheirPercentage) {
  const Adapter a = full_featured();
  QX_ADAPTER_CONFIG record = adapter_config_record(a);
  record.rebuild_rate = 125;
  record.buzzer = 0;
  record.raw_update = 1;  // off
  std::memcpy(record.model, "7\0\0\0", 4);
  AdapterChange change = change_adapter_config(a, record);
  ASSERT_EQ(change.status, kOk);
  EXPECT_EQ(change.adapter.rebuild_rate, 125);
  EXPECT_FALSE(change.adapter.buzzer_on);
  EXPECT_FALSE(change.adapter.raw_update);
  EXPECT_EQ(change.adapter.model, "7");
  ASSERT_EQ(change.events.size(), 2u);
  EXPECT_EQ(change.events[0].code, events::kAdapterBuzzerDisabled.code);
  EXPECT_EQ(change.events[1].code, events::kMiscRebuildRateChanged.code);
  EXPECT_EQ(change.events[1].params[0], 50u);
  EXPECT_EQ(change.events[1].device_id, 2);
}

TEST(AdapterConfig, RefusalsNameTheirReasonAndChangeNothing) {
  Adapter a = full_featured();
  QX_ADAPTER_CONFIG record = adapter_config_record(a);
  record.sync_rate = 251;
  EXPECT_EQ(change_adapter_config(a, record).status, kOutOfRange);
  record = adapter_config_record(a);
  record.copy_back = 2;
  EXPECT_EQ(change_adapter_config(a, record).status, kInvalidParameter);
  // An unchanged setting passes without its capability; a changed one not.
  a.adv_features &= ~QX_ADV_SMART_POLL;
  record = adapter_config_record(a);
  EXPECT_EQ(change_adapter_config(a, record).status, kOk);
  record.smart_polling = 1;
  AdapterChange refused = change_adapter_config(a, record);
  EXPECT_EQ(refused.status, kNotSupported);
  EXPECT_TRUE(refused.events.empty());
  // Auto rebuild has no switch on these device ids, whatever the features say.
  a = full_featured();
  a.device_id = 0x6200;
  record = adapter_config_record(a);
  record.auto_rebuild = 0;
  EXPECT_EQ(change_adapter_config(a, record).status, kNotSupported);
}

TEST(VdConfig, PolicyCodesAndTheCapabilitiesTheyNeed) {
  Adapter a = full_featured();
  Vd vd;
  vd.id = 3;
  vd.cache_flags = QX_VD_CACHE_WRITE_THROUGH | 0x10;  // a bit the record does not name
  QX_VD_CONFIG record = vd_config_record(vd);
  record.cache_flags = QX_VD_CACHE_AUTO | QX_VD_CACHE_READ_AHEAD;
  VdChange change = change_vd_config(a, vd, record);
  ASSERT_EQ(change.status, kOk);
  EXPECT_TRUE(change.policy_changed);
  EXPECT_EQ(change.vd.cache_flags, QX_VD_CACHE_AUTO | QX_VD_CACHE_READ_AHEAD);

  record.cache_flags = 2;
  EXPECT_EQ(change_vd_config(a, vd, record).status, kInvalidParameter);
  a.adv_features &= ~QX_ADV_BBU;
  record.cache_flags = QX_VD_CACHE_AUTO;
  EXPECT_EQ(change_vd_config(a, vd, record).status, kNotSupported);
  // On a hybrid-switch adapter without VD write cache the code is the restore option.
  a.adv_features |= QX_ADV_HYBRID_SWITCH | QX_ADV_NO_VD_WRITE_CACHE;
  record.cache_flags = QX_VD_CACHE_WRITE_BACK;
  EXPECT_EQ(change_vd_config(a, vd, record).status, kOk);
  a.adv_features &= ~QX_ADV_HYBRID_SWITCH;
  EXPECT_EQ(change_vd_config(a, vd, record).status, kNotSupported);
}

TEST(VdConfig, NamesOfAllowedCharactersOnly) {
  const Adapter a = full_featured();
  Vd vd;
  vd.name = "old";
  QX_VD_CONFIG record = vd_config_record(vd);
  std::strcpy(record.name, "new_name 2");
  EXPECT_EQ(change_vd_config(a, vd, record).vd.name, "new_name 2");
  std::strcpy(record.name, "");
  EXPECT_EQ(change_vd_config(a, vd, record).vd.name, "");
  std::strcpy(record.name, "bad.name");
  EXPECT_EQ(change_vd_config(a, vd, record).status, kVdNameInvalid);
  std::memset(record.name, 'a', sizeof record.name);  // no terminating NUL
  EXPECT_EQ(change_vd_config(a, vd, record).status, kVdNameInvalid);
}

}  // namespace
}  // namespace qx::sim

#include "sim/store/schema.h"

#include <map>
#include <vector>

#include "sim/model/activity.h"
#include "sim/model/adapter.h"
#include "sim/model/aes.h"
#include "sim/model/array.h"
#include "sim/model/battery.h"
#include "sim/model/disk.h"
#include "sim/model/disk_media.h"
#include "sim/model/dump.h"
#include "sim/model/element.h"
#include "sim/model/event.h"
#include "sim/model/fault.h"
#include "sim/model/flash_image.h"
#include "sim/model/host.h"
#include "sim/model/register.h"
#include "sim/model/smart.h"
#include "sim/model/tier.h"
#include "sim/model/topology.h"
#include "sim/model/vd.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

struct TableShape {
  std::string name;
  std::string create_sql;
  std::vector<std::pair<std::string, std::string>> indexes;  // name, CREATE INDEX statement
};

template <class T>
TableShape shape_of(const Model<T>& model) {
  return TableShape{model.table, create_table_sql(model), create_index_sql(model)};
}

const std::vector<TableShape>& tables() {
  static const std::vector<TableShape> all = {
      shape_of(adapter_model()), shape_of(disk_model()),    shape_of(vd_model()),
      shape_of(block_model()),   shape_of(array_model()),   shape_of(activity_model()),
      shape_of(event_model()),   shape_of(battery_model()), shape_of(fault_model()),
      shape_of(enclosure_model()), shape_of(expander_model()), shape_of(pm_model()),
      shape_of(element_model()), shape_of(smart_model()), shape_of(aes_entry_model()), shape_of(aes_port_model()),
      shape_of(flash_image_model()),
      shape_of(error_entry_model()), shape_of(written_sector_model()), shape_of(register_model()),
      shape_of(host_model()), shape_of(host_disk_model()),
      shape_of(dump_message_model()), shape_of(tier_entry_model()), shape_of(ssd_segment_model()),
  };
  return all;
}

const char* const kMetaTable = "meta";

}  // namespace

void create_schema(Db& db) {
  db.exec(std::string("CREATE TABLE ") + kMetaTable + " (key TEXT PRIMARY KEY, value INTEGER NOT NULL)");
  for (const TableShape& t : tables()) {
    db.exec(t.create_sql);
    for (const auto& [name, sql] : t.indexes) db.exec(sql);
  }
  set_meta_int(db, "schema_version", kSchemaVersion);
}

std::string check_schema(Db& db) {
  // SQLite keeps each table's and index's CREATE statement as written, so
  // comparing those texts with the ones this build would write checks every
  // column, key and index in one query.
  Stmt tables_stmt = db.prepare("SELECT name, sql FROM sqlite_schema WHERE type IN ('table', 'index') AND sql IS NOT NULL");
  std::map<std::string, std::string> present;
  while (tables_stmt.step()) present.emplace(tables_stmt.column_text(0), tables_stmt.column_text(1));
  if (!present.count(kMetaTable)) return "not a qxraid state (no meta table)";
  int64_t version = meta_int(db, "schema_version", -1);
  if (version != kSchemaVersion)
    return "state schema version " + std::to_string(version) + ", this build expects " + std::to_string(kSchemaVersion);
  for (const TableShape& t : tables()) {
    auto it = present.find(t.name);
    if (it == present.end()) return "table " + t.name + " is missing";
    if (it->second != t.create_sql) return "table " + t.name + " does not have the expected columns";
    for (const auto& [name, sql] : t.indexes) {
      auto index = present.find(name);
      if (index == present.end() || index->second != sql) return "index " + name + " of table " + t.name + " is missing";
    }
  }
  return {};
}

void clear_state(Db& db) {
  for (const TableShape& t : tables()) db.exec("DELETE FROM " + t.name);
  db.exec(std::string("DELETE FROM ") + kMetaTable + " WHERE key <> 'schema_version'");
}

int64_t meta_int(Db& db, const std::string& key, int64_t fallback) {
  Stmt stmt = db.prepare(std::string("SELECT value FROM ") + kMetaTable + " WHERE key = ?1");
  stmt.bind(1, key);
  return stmt.step() ? stmt.column_int(0) : fallback;
}

void set_meta_int(Db& db, const std::string& key, int64_t value) {
  Stmt stmt = db.prepare(std::string("INSERT INTO ") + kMetaTable +
                         " (key, value) VALUES (?1, ?2) ON CONFLICT(key) DO UPDATE SET value = excluded.value");
  stmt.bind(1, key).bind(2, value);
  stmt.run();
}

}  // namespace qx::sim

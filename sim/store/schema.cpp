#include "sim/store/schema.h"

#include <set>
#include <vector>

#include "sim/model/activity.h"
#include "sim/model/adapter.h"
#include "sim/model/array.h"
#include "sim/model/battery.h"
#include "sim/model/disk.h"
#include "sim/model/event.h"
#include "sim/model/fault.h"
#include "sim/model/vd.h"
#include "sim/store/table.h"

namespace qx::sim {

namespace {

struct TableShape {
  std::string name;
  std::string create_sql;
  std::vector<std::string> columns;
};

template <class T>
TableShape shape_of(const Model<T>& model) {
  TableShape shape{model.table, create_table_sql(model), {}};
  if (model.per_adapter) shape.columns.push_back("adapter");
  for (const Field<T>& f : model.fields) shape.columns.push_back(f.name);
  return shape;
}

const std::vector<TableShape>& tables() {
  static const std::vector<TableShape> all = {
      shape_of(adapter_model()), shape_of(disk_model()),  shape_of(vd_model()),    shape_of(block_model()),
      shape_of(array_model()),   shape_of(activity_model()), shape_of(event_model()), shape_of(battery_model()),
      shape_of(fault_model()),
  };
  return all;
}

const char* const kMetaTable = "meta";

}  // namespace

void create_schema(Db& db) {
  db.exec(std::string("CREATE TABLE ") + kMetaTable + " (key TEXT PRIMARY KEY, value INTEGER NOT NULL)");
  for (const TableShape& t : tables()) db.exec(t.create_sql);
  set_meta_int(db, "schema_version", kSchemaVersion);
}

std::string check_schema(Db& db) {
  Stmt tables_stmt = db.prepare("SELECT name FROM sqlite_schema WHERE type = 'table'");
  std::set<std::string> present;
  while (tables_stmt.step()) present.insert(tables_stmt.column_text(0));
  if (!present.count(kMetaTable)) return "not a qxraid state (no meta table)";
  int64_t version = meta_int(db, "schema_version", -1);
  if (version != kSchemaVersion)
    return "state schema version " + std::to_string(version) + ", this build expects " +
           std::to_string(kSchemaVersion);
  for (const TableShape& t : tables()) {
    if (!present.count(t.name)) return "table " + t.name + " is missing";
    Stmt info = db.prepare("SELECT name FROM pragma_table_info(?1) ORDER BY cid");
    info.bind(1, t.name);
    std::vector<std::string> columns;
    while (info.step()) columns.push_back(info.column_text(0));
    if (columns != t.columns) return "table " + t.name + " does not have the expected columns";
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

// Rows of model structs in database tables, driven by the models' field
// descriptions: the columns, the statements and the binding all come from
// the same list of fields.
#ifndef QX_SIM_STORE_TABLE_H
#define QX_SIM_STORE_TABLE_H

#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "sim/model/field.h"
#include "sim/store/db.h"

namespace qx::sim {

// SQL column type of a field kind, and the JSON value of a column.
const char* column_type(FieldKind kind);
json column_value(const Stmt& stmt, int index, FieldKind kind);

// Binds the value of every field of `row` (and the adapter, for per-adapter
// tables) to parameters 1, 2, ... in column order.
template <class T>
void bind_row(Stmt& stmt, const Model<T>& model, int adapter, const T& row) {
  int index = 1;
  if (model.per_adapter) stmt.bind(index++, int64_t{adapter});
  for (const Field<T>& f : model.fields) stmt.bind_json(index++, f.get(row));
}

template <class T>
std::string column_names(const Model<T>& model) {
  std::string out = model.per_adapter ? "adapter" : "";
  for (const Field<T>& f : model.fields) out += (out.empty() ? "\"" : ", \"") + f.name + "\"";
  return out;
}

template <class T>
std::string create_table_sql(const Model<T>& model) {
  std::string sql = "CREATE TABLE " + model.table + " (";
  if (model.per_adapter) sql += "adapter INTEGER NOT NULL, ";
  for (const Field<T>& f : model.fields) sql += "\"" + f.name + "\" " + column_type(f.kind) + " NOT NULL, ";
  sql += "PRIMARY KEY (";
  std::string key = model.per_adapter ? "adapter" : "";
  for (const std::string& k : model.key) key += (key.empty() ? "\"" : ", \"") + k + "\"";
  sql += key + ")) WITHOUT ROWID";
  return sql;
}

// The CREATE INDEX statement of each of the model's indexes, by name.
template <class T>
std::vector<std::pair<std::string, std::string>> create_index_sql(const Model<T>& model) {
  std::vector<std::pair<std::string, std::string>> out;
  for (const typename Model<T>::Index& i : model.indexes)
    out.emplace_back(i.name, "CREATE INDEX " + i.name + " ON " + model.table + " " + i.definition);
  return out;
}

// Reads one column into its field of `row`.
template <class T>
void read_field(const Field<T>& f, T& row, const Stmt& stmt, int index) {
  if (f.set_integer)
    f.set_integer(row, stmt.column_int(index));
  else if (f.set_text)
    f.set_text(row, stmt.column_text(index));
  else
    f.set(row, column_value(stmt, index, f.kind));
}

// Reads the fields of one row whose columns start at `first` in field order.
template <class T>
T read_row(const Model<T>& model, const Stmt& stmt, int first) {
  T row{};
  int index = first;
  for (const Field<T>& f : model.fields) read_field(f, row, stmt, index++);
  return row;
}

template <class T>
void insert_row(Db& db, const Model<T>& model, int adapter, const T& row) {
  size_t columns = model.fields.size() + (model.per_adapter ? 1 : 0);
  std::string params;
  for (size_t i = 1; i <= columns; ++i) params += (i > 1 ? ", ?" : "?") + std::to_string(i);
  Stmt stmt = db.prepare("INSERT INTO " + model.table + " (" + column_names(model) + ") VALUES (" + params + ")");
  bind_row(stmt, model, adapter, row);
  stmt.run();
}

// The WHERE condition that selects one row by its key, with the key values
// bound from parameter `first` on.
template <class T>
std::string key_condition(const Model<T>& model, int first) {
  std::string where = model.per_adapter ? "adapter = ?" + std::to_string(first++) : "";
  for (const std::string& k : model.key)
    where += (where.empty() ? "\"" : " AND \"") + k + "\" = ?" + std::to_string(first++);
  return where.empty() ? "1" : where;
}

template <class T>
void bind_key(Stmt& stmt, const Model<T>& model, int first, int adapter, const T& row) {
  if (model.per_adapter) stmt.bind(first++, int64_t{adapter});
  for (const std::string& k : model.key) stmt.bind_json(first++, model.find(k)->get(row));
}

// Replaces the row with the same key.
template <class T>
void update_row(Db& db, const Model<T>& model, int adapter, const T& row) {
  std::string set;
  int index = 1;
  for (const Field<T>& f : model.fields)
    set += (set.empty() ? "\"" : ", \"") + f.name + "\" = ?" + std::to_string(index++);
  Stmt stmt = db.prepare("UPDATE " + model.table + " SET " + set + " WHERE " + key_condition(model, index));
  index = 1;
  for (const Field<T>& f : model.fields) stmt.bind_json(index++, f.get(row));
  bind_key(stmt, model, index, adapter, row);
  stmt.run();
}

template <class T>
void delete_row(Db& db, const Model<T>& model, int adapter, const T& row) {
  Stmt stmt = db.prepare("DELETE FROM " + model.table + " WHERE " + key_condition(model, 1));
  bind_key(stmt, model, 1, adapter, row);
  stmt.run();
}

// Runs `SELECT columns FROM table WHERE (where) [AND adapter = ?] ORDER BY
// ... [LIMIT ...]` with `binds` as ?1, ?2, ... and hands each result row
// to `each`.
template <class T, class Each>
void select_each(Db& db, const Model<T>& model, int adapter, const std::string& columns, const std::string& where,
                 const std::vector<json>& binds, const std::string& order_by, int64_t limit, Each each) {
  std::string sql = "SELECT " + columns + " FROM " + model.table + " WHERE (" + where + ")";
  int adapter_param = static_cast<int>(binds.size()) + 1;
  if (model.per_adapter) sql += " AND adapter = ?" + std::to_string(adapter_param);
  sql +=
      " ORDER BY " + (order_by.empty() ? std::string(model.key.empty() ? "1" : "\"" + model.key[0] + "\"") : order_by);
  if (limit >= 0) sql += " LIMIT " + std::to_string(limit);
  Stmt stmt = db.prepare(sql);
  for (size_t i = 0; i < binds.size(); ++i) stmt.bind_json(static_cast<int>(i + 1), binds[i]);
  if (model.per_adapter) stmt.bind(adapter_param, int64_t{adapter});
  while (stmt.step()) each(stmt);
}

// The model's first key, when it is an integer field: the one whose ranges
// select_key_range reads.
template <class T>
const Field<T>* integer_first_key(const Model<T>& model) {
  if (model.key.empty()) return nullptr;
  const Field<T>* f = model.find(model.key.front());
  return f != nullptr && f->kind == FieldKind::kInteger ? f : nullptr;
}

// The bound of a key range that leaves the range open upwards.
inline constexpr int64_t kLastKey = std::numeric_limits<int64_t>::max();

// Whole rows of one adapter (or of the whole table) whose first key lies
// between `first` and `last`, in key order, at most `limit` of them (-1: all).
// One row, a page and all rows are the same statement with other bounds.
// Preparing a SELECT of whole rows costs SQLite thousands of instructions per
// column (a column's names and its code), tens of thousands for a wide table,
// and the connection keeps one prepared statement per text: reads of whole
// rows by key share this text, so a run prepares each table's once.
template <class T>
std::vector<T> select_key_range(Db& db, const Model<T>& model, int adapter, int64_t first, int64_t last,
                                int64_t limit = -1) {
  const Field<T>* key = integer_first_key(model);
  if (key == nullptr) throw std::logic_error("no integer key in " + model.table);
  const std::string quoted = "\"" + key->name + "\"";
  std::string sql = "SELECT * FROM " + model.table + " WHERE ";
  int index = 1;
  if (model.per_adapter) sql += "adapter = ?" + std::to_string(index++) + " AND ";
  sql += quoted + " BETWEEN ?" + std::to_string(index) + " AND ?" + std::to_string(index + 1) + " ORDER BY " + quoted +
         " LIMIT ?" + std::to_string(index + 2);
  Stmt stmt = db.prepare(sql);
  index = 1;
  if (model.per_adapter) stmt.bind(index++, int64_t{adapter});
  stmt.bind(index, first).bind(index + 1, last).bind(index + 2, limit);
  std::vector<T> rows;
  const int first_column = model.per_adapter ? 1 : 0;
  while (stmt.step()) rows.push_back(read_row(model, stmt, first_column));
  return rows;
}

// Rows of one adapter (or of the whole table) that satisfy `where` (SQL over
// the field names, ?1, ?2, ... from `binds`) in `order_by` order. "*" reads the
// columns in field order: check_schema() holds each table to its model's text.
// All rows in key order are read as the range of every key.
template <class T>
std::vector<T> select_rows(Db& db, const Model<T>& model, int adapter, const std::string& where = "1",
                           const std::vector<json>& binds = {}, const std::string& order_by = "", int64_t limit = -1) {
  if (const Field<T>* key = integer_first_key(model);
      key != nullptr && where == "1" && binds.empty() &&
      (order_by.empty() || order_by == key->name || order_by == "\"" + key->name + "\""))
    return select_key_range(db, model, adapter, std::numeric_limits<int64_t>::min(), kLastKey, limit);
  std::vector<T> rows;
  const int first = model.per_adapter ? 1 : 0;
  select_each(db, model, adapter, "*", where, binds, order_by, limit,
              [&](const Stmt& stmt) { rows.push_back(read_row(model, stmt, first)); });
  return rows;
}

// Like select_rows, reading only the fields named in `names`; every other
// member of the rows stays as `T{}` leaves it. For a call that needs a few
// columns of many rows (a disk row has dozens, and reading them all is most
// of the cost of a query over a thousand disks).
template <class T>
std::vector<T> select_fields(Db& db, const Model<T>& model, int adapter, const std::vector<std::string>& names,
                             const std::string& where = "1", const std::vector<json>& binds = {},
                             const std::string& order_by = "") {
  std::vector<const Field<T>*> fields;
  std::string columns;
  for (const std::string& name : names) {
    const Field<T>* f = model.find(name);
    if (f == nullptr) throw std::logic_error("no field " + name + " in " + model.table);
    fields.push_back(f);
    columns += (columns.empty() ? "\"" : ", \"") + name + "\"";
  }
  std::vector<T> rows;
  select_each(db, model, adapter, columns, where, binds, order_by, -1, [&](const Stmt& stmt) {
    T& row = rows.emplace_back();
    for (size_t i = 0; i < fields.size(); ++i) read_field(*fields[i], row, stmt, static_cast<int>(i));
  });
  return rows;
}

// The row whose first key is `id`.
template <class T>
std::optional<T> select_by_id(Db& db, const Model<T>& model, int adapter, int64_t id) {
  std::vector<T> rows = select_key_range(db, model, adapter, id, id, 1);
  if (rows.empty()) return std::nullopt;
  return std::move(rows.front());
}

}  // namespace qx::sim

#endif  // QX_SIM_STORE_TABLE_H

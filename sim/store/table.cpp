#include "sim/store/table.h"

namespace qx::sim {

const char* column_type(FieldKind kind) {
  switch (kind) {
    case FieldKind::kInteger:
    case FieldKind::kBool: return "INTEGER";
    case FieldKind::kText:
    case FieldKind::kHex:
    case FieldKind::kVersion:
    case FieldKind::kList:
    case FieldKind::kEnum: return "TEXT";
  }
  return "TEXT";
}

json column_value(const Stmt& stmt, int index, FieldKind kind) {
  switch (kind) {
    case FieldKind::kInteger: return stmt.column_int(index);
    case FieldKind::kBool: return stmt.column_int(index) != 0;
    case FieldKind::kList: return json::parse(stmt.column_text(index));
    case FieldKind::kText:
    case FieldKind::kHex:
    case FieldKind::kVersion:
    case FieldKind::kEnum: return stmt.column_text(index);
  }
  return nullptr;
}

}  // namespace qx::sim

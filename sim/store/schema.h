// The database schema of the simulator's state: one table per model, plus a
// small key/value table for the clock and the schema version.
#ifndef QX_SIM_STORE_SCHEMA_H
#define QX_SIM_STORE_SCHEMA_H

#include <cstdint>
#include <string>

#include "sim/store/db.h"

namespace qx::sim {

inline constexpr int64_t kSchemaVersion = 3;

void create_schema(Db& db);

// Empty when the database holds the tables and columns this build expects;
// otherwise one line saying what is wrong.
std::string check_schema(Db& db);

// Deletes every row of every table except the schema version.
void clear_state(Db& db);

// The key/value table.
int64_t meta_int(Db& db, const std::string& key, int64_t fallback);
void set_meta_int(Db& db, const std::string& key, int64_t value);

}  // namespace qx::sim

#endif  // QX_SIM_STORE_SCHEMA_H

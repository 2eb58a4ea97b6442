// The reference of every scenario key, written from the models' field
// descriptions, so that the docs cannot drift from the code.
#ifndef QX_SIM_SCENARIO_SCHEMA_DOC_H
#define QX_SIM_SCENARIO_SCHEMA_DOC_H

#include <string>

namespace qx::sim {

// Markdown: one table per object kind (key, kind, default, record field it
// feeds, meaning).
std::string schema_markdown();

}  // namespace qx::sim

#endif  // QX_SIM_SCENARIO_SCHEMA_DOC_H

// The lines the PD display prints for one PD.
#ifndef QX_COMMANDS_INVENTORY_PD_LINES_H
#define QX_COMMANDS_INVENTORY_PD_LINES_H

#include <cstdint>

#include "api/records.h"

namespace qx::commands {

inline constexpr int kPdLabelWidth = 20;

// The record's form: which call filled it (shell/values.h kPlainForm,
// kExtendedForm).
struct PdRecord {
  const QX_PD_INFO& info;
  uint8_t form;
  bool is_disk() const;
  bool is_sas() const;
  // Whether it has a SAS address of its own behind an expander (SAS, and
  // SATA through the expander's bridge).
  bool has_address() const;
};

// Identity, link, size, caches, speeds, texts, locate LED, running OS.
void print_pd_lines(const PdRecord& pd);

// "block ids:" and, when any block belongs to a VD, "associated VDs:".
void print_block_lines(const QX_HD_BLOCK& blocks);

// The media patrol or data scrub line; nothing without an activity.
void print_pd_activity_line(const QX_PD_BGA_STATUS& status);

}  // namespace qx::commands

#endif  // QX_COMMANDS_INVENTORY_PD_LINES_H

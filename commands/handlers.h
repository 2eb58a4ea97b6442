// Every command handler, declared once for the command tables.
#ifndef QX_COMMANDS_HANDLERS_H
#define QX_COMMANDS_HANDLERS_H

#include <cstdint>

#include "shell/command_table.h"

namespace qx::commands {

using shell::CommandEntry;

#define QX_HANDLER(name) uint32_t name(int argc, char** argv, const CommandEntry& self)

// shell
QX_HANDLER(cmd_help);            // `?` and `help`
QX_HANDLER(cmd_error);
// inventory
QX_HANDLER(cmd_info);
QX_HANDLER(cmd_adapter);
QX_HANDLER(cmd_version);
QX_HANDLER(cmd_get);
QX_HANDLER(cmd_topology);
QX_HANDLER(cmd_smart);
// configuration
QX_HANDLER(cmd_create);          // arrays-less adapters
QX_HANDLER(cmd_create_array);    // array-capable adapters
QX_HANDLER(cmd_delete);
QX_HANDLER(cmd_assign);
QX_HANDLER(cmd_import);
QX_HANDLER(cmd_maxcreatesize);
QX_HANDLER(cmd_set);             // arrays-less adapters
QX_HANDLER(cmd_set_array);       // array-capable adapters
// background activities
QX_HANDLER(cmd_init);
QX_HANDLER(cmd_cc);
QX_HANDLER(cmd_rebuild);         // arrays-less adapters
QX_HANDLER(cmd_rebuild_array);   // array-capable adapters
QX_HANDLER(cmd_migrate);         // arrays-less adapters
QX_HANDLER(cmd_migrate_array);   // array-capable adapters
QX_HANDLER(cmd_copyback);
QX_HANDLER(cmd_mp);
QX_HANDLER(cmd_scrub);
QX_HANDLER(cmd_locate);
QX_HANDLER(cmd_forceonline);
// events and firmware
QX_HANDLER(cmd_event);
QX_HANDLER(cmd_flash);
// enclosures and encryption
QX_HANDLER(cmd_enc);
QX_HANDLER(cmd_aesop);
QX_HANDLER(cmd_aesentry);
QX_HANDLER(cmd_aesport);
// diagnostics
QX_HANDLER(cmd_sat);
QX_HANDLER(cmd_ecc);
QX_HANDLER(cmd_register);
QX_HANDLER(cmd_wipe);
QX_HANDLER(cmd_map);
QX_HANDLER(cmd_rct);
QX_HANDLER(cmd_diskidofvd);
QX_HANDLER(cmd_diskidofhd);
QX_HANDLER(cmd_devmap);
QX_HANDLER(cmd_tier);
QX_HANDLER(cmd_hl);
QX_HANDLER(cmd_segment);
QX_HANDLER(cmd_dpmsg);

#undef QX_HANDLER

}  // namespace qx::commands

#endif  // QX_COMMANDS_HANDLERS_H

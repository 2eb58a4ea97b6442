// The four command tables. Each command is described once below and placed
// into every table that offers it, so a command shared by several tables has
// the same handler, page and brief everywhere; only the commands with an
// array-capable variant (rebuild, migrate, create, set) have two descriptions.
#include <string>

#include "commands/catalogue/help_pages.h"
#include "commands/handlers.h"
#include "shell/command_table.h"

namespace qx::shell {
namespace {

using namespace qx::commands;

constexpr CommandEntry command(const char* name, Handler handler, const char* help,
                               const char* brief) {
  return {name, std::char_traits<char>::length(name) + 1, handler, help, brief, kListed};
}

// Commands of both adapter kinds.
constexpr CommandEntry kQuestion =
    command("?", cmd_help, kHelpHelp, ":Get brief help for all commands.");
constexpr CommandEntry kHelp =
    command("help", cmd_help, kHelpHelp,
            ":Get brief help for all commands or detail help for one command.");
constexpr CommandEntry kAssign =
    command("assign", cmd_assign, kHelpAssign, ":Assign a disk as spare drive.");
constexpr CommandEntry kInit =
    command("init", cmd_init, kHelpInit, ":Start, stop, pause or resume VD initialization.");
constexpr CommandEntry kCc =
    command("cc", cmd_cc, kHelpCc, ":Start, stop, pause or resume VD Consistency Check.");
constexpr CommandEntry kCopyback =
    command("copyback", cmd_copyback, kHelpCopyback, ":Pause or resume copy back on an array.");
constexpr CommandEntry kMp =
    command("mp", cmd_mp, kHelpMp, ":Start or stop media patrol for a physical disk.");
constexpr CommandEntry kSmart =
    command("smart", cmd_smart, kHelpSmart, ":Display the smart info of physical disk.");
constexpr CommandEntry kSat = command("sat", cmd_sat, kHelpSat, ":Send SCSI command.");
constexpr CommandEntry kFlash =
    command("flash", cmd_flash, kHelpFlash,
            ":Update, backup or erase flash image and erase hba or pd page.");
constexpr CommandEntry kEnc = command(
    "enc", cmd_enc, kHelpEnc, ":Get enclosure, enclosure element or enclosure config information.");
constexpr CommandEntry kAesop = command("aesop", cmd_aesop, kHelpAesop, ":AES operations");
constexpr CommandEntry kAesentry =
    command("aesentry", cmd_aesentry, kHelpAesentry, ":AES operations");
constexpr CommandEntry kAesport = command("aesport", cmd_aesport, kHelpAesport, ":AES operations");
constexpr CommandEntry kLocate =
    command("locate", cmd_locate, kHelpLocate, ":Locate the specified PD.");
constexpr CommandEntry kForceonline =
    command("forceonline", cmd_forceonline, kHelpForceonline, ":Forceonline the physical disk");
constexpr CommandEntry kAdapter = command("adapter", cmd_adapter, kHelpAdapter,
                                          ":Default adapter the following CLI commands refers to.");
constexpr CommandEntry kDelete =
    command("delete", cmd_delete, kHelpDelete, ":Delete virtual disk or spare drive.");
constexpr CommandEntry kEvent = command("event", cmd_event, kHelpEvent, ":Get the current events.");
constexpr CommandEntry kGet = command(
    "get", cmd_get, kHelpGet, ":Get configuration information of VD, PD, Array, HBA or Driver.");
constexpr CommandEntry kInfo =
    command("info", cmd_info, kHelpInfo,
            ":Display adapter(hba), virtual disk(vd) or physical disk(pd) information.");
constexpr CommandEntry kImport =
    command("import", cmd_import, kHelpImport, ":Import a virtual disk.");
constexpr CommandEntry kDevmap =
    command("devmap", cmd_devmap, kHelpDevmap, ":Map device ID to device magic number in the OS.");

// Arrays-less variants.
constexpr CommandEntry kRebuild =
    command("rebuild", cmd_rebuild, kHelpRebuild, ":Start, stop rebuilding VD.");
constexpr CommandEntry kMigrate =
    command("migrate", cmd_migrate, kHelpMigrate, ":Start,pause or resume VD migration.");
constexpr CommandEntry kCreate =
    command("create", cmd_create, kHelpCreate, ":Create virtual disk.");
constexpr CommandEntry kSet =
    command("set", cmd_set, kHelpSet, ":Set configuration parameters of VD, PD or HBA.");

// Array-capable variants.
constexpr CommandEntry kRebuildArray = command("rebuild", cmd_rebuild_array, kHelpRebuildArray,
                                               ":Start, pause or resume rebuilding array.");
constexpr CommandEntry kMigrateArray = command("migrate", cmd_migrate_array, kHelpMigrateArray,
                                               ":Start,pause or resume VD migration.");
constexpr CommandEntry kCreateArray =
    command("create", cmd_create_array, kHelpCreateArray, ":Create virtual disk or array.");
constexpr CommandEntry kSetArray =
    command("set", cmd_set_array, kHelpSetArray,
            ":Set configuration parameters of VD, PD, Array, HBA or BBU.");

// Diagnostics and other commands that only the hidden tables offer.
constexpr CommandEntry kEcc =
    command("ecc", cmd_ecc, kHelpEcc, ":Induce ECC error to a PD (SAS) at specified LBA.");
constexpr CommandEntry kHl = command("hl", cmd_hl, kHelpHl, ":Tier Link Test Command.");
constexpr CommandEntry kSegment =
    command("segment", cmd_segment, kHelpSegment, ":TwinTier segment test command.");
constexpr CommandEntry kRegister =
    command("register", cmd_register, kHelpRegister, ":operation the register on adapter.");
constexpr CommandEntry kDiskidofvd = command("diskidofvd", cmd_diskidofvd, kHelpDiskidofvd,
                                             ":Get Windows disk id by a given VD id.");
constexpr CommandEntry kDiskidofhd = command("diskidofhd", cmd_diskidofhd, kHelpDiskidofhd,
                                             ":Get Windows disk id by a given HD id.");
constexpr CommandEntry kMap =
    command("map", cmd_map, kHelpMap, ":Maps LBA addr from physical LBA to/from logical LBA.");
constexpr CommandEntry kRct = command("rct", cmd_rct, kHelpRct, ":Get the RCT of a given HD.");
constexpr CommandEntry kTopology =
    command("topology", cmd_topology, kHelpTopology, ":Get the SAS topology of current adapter.");
constexpr CommandEntry kScrub =
    command("scrub", cmd_scrub, kHelpScrub,
            ":Start, stop, pause or resume data scrubbing on a physical disk.");
constexpr CommandEntry kMaxcreatesize =
    command("maxcreatesize", cmd_maxcreatesize, kHelpMaxcreatesize,
            ":Get maxsize that vd can create with.");
constexpr CommandEntry kWipe =
    command("wipe", cmd_wipe, kHelpWipe, ":Wipe out disk drive RMD data.");
constexpr CommandEntry kError =
    command("error", cmd_error, kHelpError, ":Translate error code to error description.");
constexpr CommandEntry kVersion =
    command("version", cmd_version, kHelpVersion, ":Get application version.");
constexpr CommandEntry kTier = command("tier", cmd_tier, kHelpTier, ":TwinTier Test Command.");
constexpr CommandEntry kDpmsg = command("dpmsg", cmd_dpmsg, kHelpDpmsg, ":Dump Debug Message.");

// The tables themselves are writable: start-up lowers visibility flags in
// the main table it selects.
CommandEntry arrayless_main[] = {
    kQuestion, kHelp,   kAssign, kInit,  kCc,    kRebuild,  kMigrate, kCopyback, kMp,
    kSmart,    kSat,    kFlash,  kEnc,   kAesop, kAesentry, kAesport, kLocate,   kForceonline,
    kAdapter,  kCreate, kDelete, kEvent, kGet,   kInfo,     kSet,     kImport,   kDevmap,
};

CommandEntry arrayless_hidden[] = {
    kEcc,      kHl,    kSegment,       kMp,   kRegister, kDiskidofvd, kDiskidofhd, kMap,  kRct,
    kTopology, kScrub, kMaxcreatesize, kWipe, kError,    kVersion,    kFlash,      kTier, kDpmsg,
};

CommandEntry array_main[] = {
    kQuestion, kHelp,    kAssign, kInit,        kCc,       kRebuildArray, kMigrateArray,
    kCopyback, kMp,      kSmart,  kSat,         kFlash,    kEnc,          kAesop,
    kAesentry, kAesport, kLocate, kForceonline, kDevmap,   kAdapter,      kCreateArray,
    kDelete,   kEvent,   kGet,    kInfo,        kSetArray, kImport,
};

CommandEntry array_hidden[] = {
    kEcc,      kHl,    kRegister,      kDevmap, kDiskidofvd, kMap,     kRct,
    kTopology, kScrub, kMaxcreatesize, kWipe,   kError,      kVersion, kFlash,
};

template <size_t N>
CommandTable table_of(CommandEntry (&entries)[N]) {
  static_assert(N <= UINT16_MAX);
  return {entries, static_cast<uint16_t>(N)};
}

}  // namespace

CommandTable arrayless_main_table() { return table_of(arrayless_main); }
CommandTable arrayless_hidden_table() { return table_of(arrayless_hidden); }
CommandTable array_main_table() { return table_of(array_main); }
CommandTable array_hidden_table() { return table_of(array_hidden); }

}  // namespace qx::shell

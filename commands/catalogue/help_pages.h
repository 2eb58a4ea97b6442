// The detail help page of every command: the text that `help NAME` and a
// command's own -h print after "Description" and the brief. Pages are plain
// text, written to the output stream as they stand and never used as a
// format. Where a command has two variants, the page with the suffix Array
// serves array-capable adapters.
#ifndef QX_COMMANDS_CATALOGUE_HELP_PAGES_H
#define QX_COMMANDS_CATALOGUE_HELP_PAGES_H

namespace qx::commands {

extern const char kHelpHelp[];
extern const char kHelpAssign[];
extern const char kHelpInit[];
extern const char kHelpCc[];
extern const char kHelpRebuild[];
extern const char kHelpMigrate[];
extern const char kHelpCopyback[];
extern const char kHelpMp[];
extern const char kHelpSmart[];
extern const char kHelpSat[];
extern const char kHelpFlash[];
extern const char kHelpEnc[];
extern const char kHelpAesop[];
extern const char kHelpAesentry[];
extern const char kHelpAesport[];
extern const char kHelpLocate[];
extern const char kHelpForceonline[];
extern const char kHelpAdapter[];
extern const char kHelpCreate[];
extern const char kHelpDelete[];
extern const char kHelpEvent[];
extern const char kHelpGet[];
extern const char kHelpInfo[];
extern const char kHelpSet[];
extern const char kHelpImport[];
extern const char kHelpDevmap[];
extern const char kHelpEcc[];
extern const char kHelpHl[];
extern const char kHelpSegment[];
extern const char kHelpRegister[];
extern const char kHelpDiskidofvd[];
extern const char kHelpDiskidofhd[];
extern const char kHelpMap[];
extern const char kHelpRct[];
extern const char kHelpTopology[];
extern const char kHelpScrub[];
extern const char kHelpMaxcreatesize[];
extern const char kHelpWipe[];
extern const char kHelpError[];
extern const char kHelpVersion[];
extern const char kHelpTier[];
extern const char kHelpDpmsg[];
extern const char kHelpRebuildArray[];
extern const char kHelpMigrateArray[];
extern const char kHelpCreateArray[];
extern const char kHelpSetArray[];

}  // namespace qx::commands

#endif  // QX_COMMANDS_CATALOGUE_HELP_PAGES_H

# help and ?: the brief lists an adapter offers, the hidden list and the pages.
# The brief list of an array-capable adapter is in adapter.t, after a switch
# to one. After the first case, (only  :) compares a list's brief lines
# alone: each has a blank before its colon, and the legend has none.

=== the brief list of an arrays-less adapter
$ qxcli help
<<< stdout

Legend: 
  [options] - the options within [] are optional. 
  <x|y|z>   - choose one of the x, y or z. 
  [<x|y|z>] - choose none or one of the x, y or z. 

Abbreviation: 
    VD  - Virtual Disk,   Array  - Disk Array 
    PD  - Physical Disk,  BGA - BackGround Activity 

Type '-output [filename]' to output to a file. 
Type 'help' to display this page. 
Type 'help command' to display the help page of 'command'. 
Type 'command -h' to display help for 'command'. 

Command name is not case sensitive and may be abbreviated if the  
abbreviation is unique. Most commands support both short (-) and   
long (--) options.Long option names may be abbreviated if the abbreviation  
is unique. A long option may take a parameter of the form '--arg=param'  
or '--arg param'. Option name is case sensitive, option parameter is not.  

COMMAND   BRIEF DESCRIPTION 
-----------------------------------------------------------------
?            :Get brief help for all commands.
help         :Get brief help for all commands or detail help for one command.
assign       :Assign a disk as spare drive.
init         :Start, stop, pause or resume VD initialization.
cc           :Start, stop, pause or resume VD Consistency Check.
rebuild      :Start, stop rebuilding VD.
migrate      :Start,pause or resume VD migration.
smart        :Display the smart info of physical disk.
adapter      :Default adapter the following CLI commands refers to.
create       :Create virtual disk.
delete       :Delete virtual disk or spare drive.
event        :Get the current events.
get          :Get configuration information of VD, PD, Array, HBA or Driver.
info         :Display adapter(hba), virtual disk(vd) or physical disk(pd) information.
set          :Set configuration parameters of VD, PD or HBA.
import       :Import a virtual disk.
devmap       :Map device ID to device magic number in the OS.

<<< status 0

=== ? is help
$ qxcli ? nosuch
<<< stdout
No help available for 'nosuch'
<<< status 0

=== an adapter without the gated capabilities; a lower-case OEM name is no OEM name
# Its brief list is that of the all-zero record (startup.t): an OEM adapter
# would keep the rebuild page.
scenario ./bare.json
$ qxcli help assign init cc rebuild migrate smart
<<< stdout
No help available for 'assign'
No help available for 'init'
No help available for 'cc'
No help available for 'rebuild'
No help available for 'migrate'
No help available for 'smart'
<<< status 0

=== an adapter without ATA pass-through and without spares
scenario ./bare.json
$ qxcli 1 help
<<< stdout (only  :)
?            :Get brief help for all commands.
help         :Get brief help for all commands or detail help for one command.
init         :Start, stop, pause or resume VD initialization.
cc           :Start, stop, pause or resume VD Consistency Check.
rebuild      :Start, stop rebuilding VD.
migrate      :Start,pause or resume VD migration.
copyback     :Pause or resume copy back on an array.
smart        :Display the smart info of physical disk.
sat          :Send SCSI command.
enc          :Get enclosure, enclosure element or enclosure config information.
aesop        :AES operations
aesentry     :AES operations
aesport      :AES operations
locate       :Locate the specified PD.
forceonline  :Forceonline the physical disk
adapter      :Default adapter the following CLI commands refers to.
create       :Create virtual disk.
delete       :Delete virtual disk or spare drive.
event        :Get the current events.
get          :Get configuration information of VD, PD, Array, HBA or Driver.
info         :Display adapter(hba), virtual disk(vd) or physical disk(pd) information.
set          :Set configuration parameters of VD, PD or HBA.
import       :Import a virtual disk.
devmap       :Map device ID to device magic number in the OS.
<<< status 0

=== the brief list of an arrays-less OEM adapter
scenario ./oem.json
$ qxcli help
<<< stdout (only  :)
?            :Get brief help for all commands.
help         :Get brief help for all commands or detail help for one command.
init         :Start, stop, pause or resume VD initialization.
cc           :Start, stop, pause or resume VD Consistency Check.
migrate      :Start,pause or resume VD migration.
copyback     :Pause or resume copy back on an array.
smart        :Display the smart info of physical disk.
flash        :Update, backup or erase flash image and erase hba or pd page.
aesop        :AES operations
aesentry     :AES operations
aesport      :AES operations
forceonline  :Forceonline the physical disk
event        :Get the current events.
info         :Display adapter(hba), virtual disk(vd) or physical disk(pd) information.
<<< status 0

=== the brief list of an array-capable OEM adapter
scenario ./oem_arrays.json
$ qxcli help
<<< stdout (only  :)
?            :Get brief help for all commands.
help         :Get brief help for all commands or detail help for one command.
init         :Start, stop, pause or resume VD initialization.
cc           :Start, stop, pause or resume VD Consistency Check.
migrate      :Start,pause or resume VD migration.
copyback     :Pause or resume copy back on an array.
smart        :Display the smart info of physical disk.
flash        :Update, backup or erase flash image and erase hba or pd page.
aesop        :AES operations
aesentry     :AES operations
aesport      :AES operations
forceonline  :Forceonline the physical disk
delete       :Delete virtual disk or spare drive.
get          :Get configuration information of VD, PD, Array, HBA or Driver.
<<< status 0

=== hidden commands
$ qxcli help -i nosuch
<<< stdout
ecc          :Induce ECC error to a PD (SAS) at specified LBA.
hl           :Tier Link Test Command.
segment      :TwinTier segment test command.
mp           :Start or stop media patrol for a physical disk.
register     :operation the register on adapter.
diskidofvd   :Get Windows disk id by a given VD id.
diskidofhd   :Get Windows disk id by a given HD id.
map          :Maps LBA addr from physical LBA to/from logical LBA.
rct          :Get the RCT of a given HD.
topology     :Get the SAS topology of current adapter.
scrub        :Start, stop, pause or resume data scrubbing on a physical disk.
maxcreatesize :Get maxsize that vd can create with.
wipe         :Wipe out disk drive RMD data.
error        :Translate error code to error description.
version      :Get application version.
flash        :Update, backup or erase flash image and erase hba or pd page.
tier         :TwinTier Test Command.
dpmsg        :Dump Debug Message.

<<< status 0
$ qxcli help --internal -i
<<< stdout
Duplicated option specified.
<<< status 1
$ qxcli help -i -i
<<< stdout
Duplicated option specified.
<<< status 1

=== help takes no -h and no --help: it says so and prints its own page
$ qxcli help -h
<<< stdout
Description:Get brief help for all commands or detail help for one command.
help [<command list>]

Options:
    <command list>display specified commands' help page 
    If no option specified, brief description on each command is displayed.

<<< stderr
help: invalid option -- 'h'
<<< status 0
$ qxcli help --help
<<< stdout
Description:Get brief help for all commands or detail help for one command.
help [<command list>]

Options:
    <command list>display specified commands' help page 
    If no option specified, brief description on each command is displayed.

<<< stderr
help: unrecognized option '--help'
<<< status 0

=== names are exact and lower case
$ qxcli help HELP
<<< stdout
No help available for 'HELP'
<<< status 0
$ qxcli help inf
<<< stdout
No help available for 'inf'
<<< status 0

=== each name is answered in turn
$ qxcli help bogus version
<<< stdout
No help available for 'bogus'
Description:Get application version.
version 

Options: N/A

<<< status 0
$ qxcli help version bogus
<<< stdout
Description:Get application version.
version 

Options: N/A

No help available for 'bogus'
<<< status 0

=== a withdrawn command's page comes from the hidden table when it has one
$ qxcli help flash
<<< stdout
Description:Update, backup or erase flash image and erase hba or pd page.
flash -a <update|backup|erase|version> -f <file> 
    -t <bios|firmware|autoload|bin|raw> -p <pd|pdforce> [-h]. 

Options: 
    -a, --action <update|backup|erase|version> 
        Update or backup the flash image.Or get version information in the image file
    -f, --file <file name and path>
        The full path name of the file to be updated or backuped. 
    -t, --type <bios|firmware|autoload|bin|raw> 
        Image type:bios firmware autoload bin 
    -p, --page <pd|pdforce> 
        flash memory page, default is PD page. Used only when -a is 'erase'  
        pd: Erase PD page in flash memory but not in-uses PD id  
        pdforce: Force to erase the whole PD page even PD id is in-use. 
    -h, --help

Examples:
    flash -a update -f c:\bios.bin -t bios 
    Update bios image c:\bios.bin from current adapter 

<<< status 0
$ qxcli help mp
<<< stdout
No help available for 'mp'
<<< status 0

=== a page hidden from the list is still shown on OEM adapters
scenario ./oem.json
$ qxcli help mp
<<< stdout
Description:Start or stop media patrol for a physical disk.
mp [-a <start|stop>] -d <PDid> [-h]

Options:
    -a, --action <start|stop>
        (DEFAULT:start) - media patrol action to be performed on a PD.
    -d, --pdid <PDid>
        Disk drive id.
    -h, --help

Examples:
    mp -a start -d 0

    Start media patrol on PD 0.

<<< status 0

=== the page of a variant follows the adapter kind
$ qxcli help rebuild
<<< stdout
Description:Start, stop rebuilding VD.
rebuild [-a <start|stop>] -l <id> [-d <PDid>] [-h]

Description: start, stop rebuilding VD.

Options:
    -a, --action <start|stop>
        (DEFAULT:start) - Rebuild action to be performed on a virtual disk.
    -l,--id <id>
        VD id.
    -d, --pdid <PDid>
        Target PD id(s), used only when action is 'start'.
    -h, --help

Examples:
    rebuild -a start -l 0 -d 1

    Rebuild virtual disk 0 on target PD with id 1.

<<< status 0
$ qxcli 1 help rebuild
<<< stdout
Description:Start, pause or resume rebuilding array.
rebuild [-a <start|pause|resume>] -l <id> [-d <PDid>] [-h]

Options:
    -a, --action <start|pause|resume>
        (DEFAULT:start) - Rebuild action to be performed on an array.
    -l,--id <id>
        array id.
    -d, --pdid <PDid>
        Target PD id(s), used only when action is 'start'.
    -h, --help

Examples:
    rebuild -a start -l 0 -d 1

    Rebuild array 0 on target PD with id 1.

<<< status 0

=== pages are printed as text, never as formats
scenario ./oem.json
$ qxcli help forceonline
<<< stdout
Description:Forceonline the physical disk
forceOnline -i <PD id> -p <percentage> [-h]

Options:
    -i, --PD id
        forceOnline PD .
    -p, --percentage
        AES percentage.
    -h, --help

Examples:
    forceOnline -i 0 -p 90
    Forceonline the physical disk 0 with percentage 90%.

<<< status 0

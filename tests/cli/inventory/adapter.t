# adapter: the adapter total and the current adapter, and switching adapter.

=== without options the total and the current adapter are printed
$ qxcli adapter
<<< stdout
Total number of adapters: 2
Current default adapter ID for CLI commands: 0
<<< status 0

=== a leading adapter number is the current adapter
$ qxcli 1 adapter
<<< stdout
Total number of adapters: 2
Current default adapter ID for CLI commands: 1
<<< status 0

=== an adapter that does not exist is refused with the id as typed
$ qxcli adapter -i 007
<<< stdout
Adapter 007 does not exist.
<<< status 1

=== an id that is not a number is refused
$ qxcli adapter -i one
<<< stdout
-i : invalid adapter id 'one'
<<< status 1

=== the id given twice is a duplicated option
$ qxcli adapter -i 0 -i 1
<<< stdout
Duplicated option specified.
<<< status 1

=== switching to an array-capable adapter selects its tables, with every command enabled
$ qxcli
<<< stdin
adapter -i 1
adapter
help
info -o vd -i 0
exit
<<< stdout (no eol)
CLI Version: 4.1.13.56   RaidAPI Version: 1.0.4.2612 (simulated controller)
Welcome to RAID Command Line Interface.

> > Total number of adapters: 2
Current default adapter ID for CLI commands: 1
> 
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
rebuild      :Start, pause or resume rebuilding array.
migrate      :Start,pause or resume VD migration.
copyback     :Pause or resume copy back on an array.
mp           :Start or stop media patrol for a physical disk.
smart        :Display the smart info of physical disk.
sat          :Send SCSI command.
flash        :Update, backup or erase flash image and erase hba or pd page.
enc          :Get enclosure, enclosure element or enclosure config information.
aesop        :AES operations
aesentry     :AES operations
aesport      :AES operations
locate       :Locate the specified PD.
forceonline  :Forceonline the physical disk
devmap       :Map device ID to device magic number in the OS.
adapter      :Default adapter the following CLI commands refers to.
create       :Create virtual disk or array.
delete       :Delete virtual disk or spare drive.
event        :Get the current events.
get          :Get configuration information of VD, PD, Array, HBA or Driver.
info         :Display adapter(hba), virtual disk(vd) or physical disk(pd) information.
set          :Set configuration parameters of VD, PD, Array, HBA or BBU.
import       :Import a virtual disk.

> 
Virtual Disk Information
-------------------------
id:                  0
name:                db_data
array id:            0
status:              functional and initialized
Stripe size:         128
RAID mode:           RAID5
Cache mode:          On 
size:                1716592 M
BGA status:          not running
Block ids:           0 1 2 3 
# of PDs:            4
PD RAID setup:       0 1 2 3 
Running OS:          no

> 
<<< status 255

=== switching back selects the arrays-less tables again
$ qxcli 1
<<< stdin
adapter -i 0
info -o vd -i 0
exit
<<< stdout (no eol)
CLI Version: 4.1.13.56   RaidAPI Version: 1.0.4.2612 (simulated controller)
Welcome to RAID Command Line Interface.

> > 
Virtual Disk Information
-------------------------
id:                  0
name:                system
status:              functional and initialized
Stripe size:         64
RAID mode:           RAID1
Cache mode:          Off 
size:                457606 M
BGA status:          not running
Block ids:           0 1 
# of PDs:            2
PD RAID setup:       0 1 
Running OS:          yes

> 
<<< status 255

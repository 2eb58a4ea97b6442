# Start-up: the adapter number, the mode, the banner and the exit statuses.

=== without a command the shell starts, and exit ends it with -1
$ qxcli
<<< stdin
version
exit
<<< stdout (no eol)
CLI Version: 4.1.13.56   RaidAPI Version: 1.0.4.2612 (simulated controller)
Welcome to RAID Command Line Interface.

> CLI Version: 4.1.13.56
RaidAPI Version: 1.0.4.2612 (simulated controller)
> 
<<< status 255

=== the end of input ends the shell as exit does
$ qxcli
<<< stdin
error -c 1
<<< stdout (no eol)
CLI Version: 4.1.13.56   RaidAPI Version: 1.0.4.2612 (simulated controller)
Welcome to RAID Command Line Interface.

> 
Error code 1: Failed.
> 
<<< status 255

=== quit and EXIT end the shell too
$ qxcli
<<< stdin
QUIT
<<< stdout (no eol)
CLI Version: 4.1.13.56   RaidAPI Version: 1.0.4.2612 (simulated controller)
Welcome to RAID Command Line Interface.

> 
<<< status 255

=== an adapter number alone starts the shell on that adapter
$ qxcli 1
<<< stdin
help diskidofhd
EXIT
<<< stdout (no eol)
CLI Version: 4.1.13.56   RaidAPI Version: 1.0.4.2612 (simulated controller)
Welcome to RAID Command Line Interface.

> No help available for 'diskidofhd'
> 
<<< status 255

=== an adapter number before a command runs it on that adapter
$ qxcli 1 help -i
<<< stdout
ecc          :Induce ECC error to a PD (SAS) at specified LBA.
hl           :Tier Link Test Command.
register     :operation the register on adapter.
devmap       :Map device ID to device magic number in the OS.
diskidofvd   :Get Windows disk id by a given VD id.
map          :Maps LBA addr from physical LBA to/from logical LBA.
rct          :Get the RCT of a given HD.
topology     :Get the SAS topology of current adapter.
scrub        :Start, stop, pause or resume data scrubbing on a physical disk.
maxcreatesize :Get maxsize that vd can create with.
wipe         :Wipe out disk drive RMD data.
error        :Translate error code to error description.
version      :Get application version.
flash        :Update, backup or erase flash image and erase hba or pd page.

<<< status 0

=== an empty first word counts as adapter number 0
$ qxcli '' help diskidofhd
<<< stdout
Description:Get Windows disk id by a given HD id.
diskidofhd -i <hd id> [-h]

Options:
    -i, --id <hd id>
        HD id.
    -h, --help

<<< status 0

=== adapter numbers past the two adapters address an all-zero record
$ qxcli 15 help rebuild
<<< stdout
No help available for 'rebuild'
<<< status 0

=== adapter numbers of 16 and above are refused before anything runs
$ qxcli 16 version
<<< stdout
Invalid adapter number 16: adapters are numbered 0 to 15.
<<< status 1
$ qxcli 256 version
<<< stdout
Invalid adapter number 256: adapters are numbered 0 to 15.
<<< status 1
$ qxcli 99999999999999999999999 version
<<< stdout
Invalid adapter number 99999999999999999999999: adapters are numbered 0 to 15.
<<< status 1

=== a second number is the command word
$ qxcli 0 1
<<< stdout
Invalid command '1'!
<<< status 1

=== the one-shot result is the exit status
$ qxcli error -c 300
<<< stdout
Invalid error code
<<< status 1
$ qxcli nosuch
<<< stdout
Invalid command 'nosuch'!
<<< status 1

=== without adapters the program still starts and takes commands
scenario empty
$ qxcli help
<<< stdout
No adapter is found.

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
$ qxcli
<<< stdin
error -c 0
<<< stdout (no eol)
No adapter is found.
CLI Version: 4.1.13.56   RaidAPI Version: 1.0.4.2612 (simulated controller)
Welcome to RAID Command Line Interface.

> 
Error code 0: No error.
> 
<<< status 255

=== only the first eight adapters are used
scenario ./ten.json
$ qxcli 7 help diskidofhd
<<< stdout
CLI supports 8 adapters!
No help available for 'diskidofhd'
<<< status 0
$ qxcli 9 help rebuild
<<< stdout
CLI supports 8 adapters!
No help available for 'rebuild'
<<< status 0

=== an adapter that cannot be read keeps an all-zero record
$ qxsim fault add QX_Adapter_GetInfo --adapter 1 --status 13
$ qxcli 1 help rebuild
<<< stdout
No help available for 'rebuild'
<<< status 0

=== a failing library initialization ends the program with status 1
$ qxsim fault add QX_API_Initialize
$ qxcli version
<<< stdout
QX_API_Initialize() failed!
<<< status 1
$ qxcli
<<< stdout
QX_API_Initialize() failed!
<<< status 1
$ qxcli version -output out.txt
<<< file out.txt
QX_API_Initialize() failed!
<<< status 1

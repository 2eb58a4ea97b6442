# info: the option rules and their messages.

=== without -o the required-option message is printed
$ qxcli info -i 1
<<< stdout
info: option -o is required
<<< status 1

=== an id of 255 or more is refused before anything runs
$ qxcli info -o hba -i 255
<<< stdout
-i : invalid id 255
<<< status 1

=== the id keeps its low 16 bits before it is judged
$ qxcli info -o pd -i 65536
<<< stdout

Physical Disk Information
----------------------------
Adapter:             0
PD ID:               0
Type:                SATA PD
Linked at:           HBA port 0
Size:                468851544 K
Write cache:         not supported
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 Gb/s
Current speed:       6 Gb/s
model:               QXD-N480 SSD
Serial:              QN00048120
Firmware version:    NQ21
Locate LED status:   Not Support
Running OS:          yes
SSD Type:            SSD
PPID:                
block ids:           0  
associated VDs:      0  
PD valid size:       856 K


<<< status 0

=== an id that is not a number ends the options, and -o is then missing
$ qxcli info -i 1x -o hba
<<< stdout
-i : id should be a number
info: option -o is required
<<< status 1

=== an unknown object is refused
$ qxcli info -o array
<<< stdout
-o : invalid object 'array'
<<< status 1

=== the object given twice is a duplicated option
$ qxcli info -o hba -o pd
<<< stdout
Duplicated option specified.
<<< status 1

=== the id given twice is a duplicated option
$ qxcli info -o vd -i 0 -i 1
<<< stdout
Duplicated option specified.
<<< status 1

=== a parser error is reported on standard error and the command refused
$ qxcli info -x -o hba
<<< stdout
info: option -o is required
<<< stderr
info: invalid option -- 'x'
<<< status 1

=== -h prints the help page and succeeds, without reading the options after it
$ qxcli info -h -o bogus
<<< stdout
Description:Display adapter(hba), virtual disk(vd) or physical disk(pd) information.
info -o <hba|vd|pd> [-i <id>] [-h]

Options:
    -o, --object <hba|vd|pd>
        Object name of the object to retrieve information from.
        hba - HBA (Adapter)
        vd  - Virtual Disk
        pd  - Physical Disk
    -i, --id <id>
        Id of the object to retrieve info from. If not specified,
        info of all instances of the object will be retrieved.
    -h, --help

Examples:
    info -o hba

    Information of all HBAs are retrieved.

<<< status 0

=== the long forms and hd, ld, a word that is not an option
$ qxcli info stray --object=ld --id 1
<<< stdout

Virtual Disk Information
-------------------------
id:                  1
name:                VD_R5_2
status:              functional and initialized
Stripe size:         64
RAID mode:           RAID5
Cache mode:          Off 
size:                3814946 M
BGA status:          not running
Block ids:           2 3 4 
# of PDs:            3
PD RAID setup:       2 3 4 
Running OS:          no

<<< status 0

=== hd names the physical disks
$ qxcli info --object hd -i 13
<<< stdout

Physical Disk Information
----------------------------
Adapter:             0
PD ID:               13
Type:                SATA PD
Linked at:           HBA port 13
Size:                1953514584 K
Write cache:         supported (on)
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 Gb/s
Current speed:       6 Gb/s
model:               QXD-S2000 HDD
Serial:              QS00048601
Firmware version:    SQ04
Locate LED status:   Not Support
Running OS:          no
PPID:                
block ids:           
PD valid size:       1953252440 K


<<< status 0

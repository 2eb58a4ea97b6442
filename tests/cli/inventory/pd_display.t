# info -o pd: every kind of disk and link, blocks, free space, activities,
# and what the display does when a call fails. Adapter 0 of disks.json lists
# four disks a page, so its listing takes two requests.

=== every kind of disk, each with its link, blocks, free space and activity
scenario ./disks.json
$ qxcli info -o pd
<<< stdout

Physical Disk Information
----------------------------
Adapter:             0
PD ID:               0
Type:                SATA PD
Linked at:           HBA port 0
Size:                468851544 K
Write cache:         not supported
SMART:               supported (off)
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


Adapter:             0
PD ID:               1
Type:                SAS PD
Linked at:           Expander 2, port 5
SAS address:         5F0A3C210010403C
Size:                1172123568 K
Write cache:         supported (off)
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 12 Gb/s
Current speed:       12 Gb/s
model:               QXD-K1200 SAS
Serial:              QK00074005
Firmware version:    KQ13
Locate LED status:   on
Running OS:          yes
PPID:                QX-PPID-0001-K1200
block ids:           1  3  
associated VDs:      0  
PD valid size:       603272880 K

Media patrol:        running, 37% done

Adapter:             0
PD ID:               2
Type:                SATA PD
Linked at:           PM 1, port 3
Size:                1953514584 K
Write cache:         not supported
SMART:               not supported
NCQ:                 supported (on)
48 bits LBA:         not supported
supported speed:     1.5 3 Gb/s
Current speed:       unknown
model:               QXD-S2000 HDD
Serial:              QS00048194
Firmware version:    SQ04
Locate LED status:   Not Support
Running OS:          no
PPID:                
block ids:           2  
PD valid size:       953252440 K

Data scrub:          paused at 12%

Adapter:             0
PD ID:               3
Type:                PATA PD
Linked at:           HBA port 3
Size:                78150744 K
Write cache:         not supported
SMART:               not supported
NCQ:                 supported (on)
48 bits LBA:         supported
Supported PIO:       4
Supported MDMA:      2
Current PIO:         4
model:               QXD-P80 IDE
Serial:              QP0000713
Firmware version:    P1
Locate LED status:   Not Support
Running OS:          no
PPID:                
block ids:           
PD valid size:       77888600 K

Media patrol:        aborted

Adapter:             0
PD ID:               4
Type:                SATA ATAPI CD/DVD
Linked at:           HBA port 4
Size:                not available
Write cache:         not supported
SMART:               not supported
NCQ:                 not supported
48 bits LBA:         not supported
supported speed:     3 Gb/s
Current speed:       6 Gb/s
model:               QXO-DVD16
Serial:              QD1600042
Firmware version:    D3
Locate LED status:   Not Support
Running OS:          no
PPID:                
block ids:           

Adapter:             0
PD ID:               5
Type:                SAS TAPE
Linked at:           enclosure 1, HBA port 6
SAS address:         5F0A3C2100104050
Size:                not available
Write cache:         not supported
SMART:               not supported
NCQ:                 not supported
48 bits LBA:         not supported
supported speed:     3 Gb/s
Current speed:       6 Gb/s
model:               QXT-LTO
Serial:              QT7000009
Firmware version:    T9
Locate LED status:   off
Running OS:          no
PPID:                
block ids:           

Adapter:             0
PD ID:               6
Type:                SATA PD
Linked at:           unknown device, type 7, id 4, port 2
SAS address:         0000000000000000
Size:                1953514584 K
Write cache:         supported (on)
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 Gb/s
Current speed:       6 Gb/s
model:               QXD-S2000 HDD
Serial:              QS00048268
Firmware version:    SQ04
Locate LED status:   Not Support
Running OS:          no
PPID:                QX-PPID-0006
block ids:           
PD valid size:       0 K

Media patrol:        auto-paused

Adapter:             0
PD ID:               7
Type:                SAS PD
Linked at:           unknown device, type 11, id 3, port 1
SAS address:         5F0A3C2100104042
Size:                1172123568 K
Write cache:         not supported
SMART:               not supported
NCQ:                 not supported
48 bits LBA:         not supported
supported speed:     12 
Current speed:       6 Gb/s
model:               QXD-K1200 SAS
Serial:              QK00074042
Firmware version:    KQ13
Locate LED status:   off
Running OS:          no
PPID:                
block ids:           
PD valid size:       1171861424 K

Media patrol:        unknown BGA status 5

Total # of PD:       8

<<< status 0

=== an adapter with fixed disk caches, without expander support and without PD activities
scenario ./disks.json
$ qxcli 1 info -o pd
<<< stdout

Physical Disk Information
----------------------------
Adapter:             1
PD ID:               0
Type:                SAS PD
Linked at:           HBA port 0
Size:                1172123568 K
Write cache:         not supported
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 12 Gb/s
Current speed:       12 Gb/s
model:               QXD-K1200 SAS
Serial:              QK00075001
Firmware version:    KQ13
Locate LED status:   off
Running OS:          no
PPID:                
block ids:           
PD valid size:       1171861424 K


Total # of PD:       1

<<< status 0

=== a pulled disk is missing
scenario ./disks.json
$ qxcli info -o pd -i 8
<<< stdout

Unable to get info of PD 8 (error 55: Specified physical disk doesn't exist)
<<< status 55

=== an adapter without disks
scenario ./bare.json
$ qxcli info -o pd
<<< stdout
No hard disk is found.
<<< status 0

=== the plain form is read, one disk at a time, when the extended form fails
scenario ./disks.json
$ qxsim fault add QX_PD_GetHDInfo_Ext --status 19 --adapter 0 --always
$ qxcli info -o pd -i 3
<<< stdout

Physical Disk Information
----------------------------
Adapter:             0
PD ID:               3
Type:                PATA PD
Linked at:           HBA port 3
Size:                78150744 K
Write cache:         not supported
SMART:               not supported
NCQ:                 supported (on)
48 bits LBA:         supported
Supported PIO:       4
Supported MDMA:      2
Current PIO:         4
model:               QXD-P80 IDE
Serial:              QP0000713
Firmware version:    P1
Locate LED status:   Not Support
Running OS:          no
PPID:                
block ids:           
PD valid size:       77888600 K

Media patrol:        aborted

$ qxcli info -o pd -i 4
<<< stdout

Physical Disk Information
----------------------------
Adapter:             0
PD ID:               4
Type:                SATA ATAPI CD/DVD
Linked at:           HBA port 4
Size:                not available
Write cache:         not supported
SMART:               not supported
NCQ:                 not supported
48 bits LBA:         not supported
supported speed:     3 Gb/s
Current speed:       6 Gb/s
model:               QXO-DVD16
Serial:              QD1600042
Firmware version:    D3
Locate LED status:   Not Support
Running OS:          no
PPID:                
block ids:           

$ qxcli info -o pd -i 5
<<< stdout

Physical Disk Information
----------------------------
Adapter:             0
PD ID:               5
Type:                SAS TAPE
Linked at:           enclosure 1, HBA port 6
SAS address:         5F0A3C2100104050
Size:                0 K
Write cache:         not supported
SMART:               not supported
NCQ:                 not supported
48 bits LBA:         not supported
supported speed:     3 Gb/s
Current speed:       6 Gb/s
model:               QXT-LTO
Serial:              QT7000009
Firmware version:    T9
Locate LED status:   off
Running OS:          no
PPID:                
block ids:           

<<< status 0

=== a missing disk is not asked for in the plain form
scenario ./disks.json
$ qxsim fault add QX_PD_GetHDInfo --status 20 --adapter 0 --always
$ qxcli info -o pd -i 9
<<< stdout

Unable to get info of PD 9 (error 55: Specified physical disk doesn't exist)
<<< status 55

=== when both forms fail the listing fails
scenario ./disks.json
$ qxsim fault add QX_PD_GetHDInfo_Ext --status 19 --adapter 0 --always
$ qxsim fault add QX_PD_GetHDInfo --status 20 --adapter 0 --always
$ qxcli info -o pd
<<< stdout

Unable to get info of PD (error 20: Link time out)
<<< status 20

=== failing configuration, running-OS, block and activity queries change only their lines
scenario ./disks.json
$ qxsim fault add QX_PD_GetConfig --status 1 --adapter 0 --always
$ qxsim fault add QX_DiskHasOS --status 1 --adapter 0 --always
$ qxsim fault add QX_BLK_GetInfo --status 12 --adapter 0 --always
$ qxsim fault add QX_PD_GetBGAStatus --status 1 --adapter 0 --always
$ qxcli info -o pd -i 1
<<< stdout

Physical Disk Information
----------------------------
Adapter:             0
PD ID:               1
Type:                SAS PD
Linked at:           Expander 2, port 5
SAS address:         5F0A3C210010403C
Size:                1172123568 K
Write cache:         supported
SMART:               supported
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 12 Gb/s
Current speed:       unknown
model:               QXD-K1200 SAS
Serial:              QK00074005
Firmware version:    KQ13
Locate LED status:   on
Running OS:          unknown
PPID:                QX-PPID-0001-K1200
block ids:           1  3  
PD valid size:       603272880 K


<<< status 0

=== a disk whose blocks cannot be read shows no blocks, free space or activity
scenario ./disks.json
$ qxsim fault add QX_BLK_GetHDBlock --status 1 --adapter 0 --times 1
$ qxcli info -o pd -i 1
<<< stdout

Physical Disk Information
----------------------------
Adapter:             0
PD ID:               1
Type:                SAS PD
Linked at:           Expander 2, port 5
SAS address:         5F0A3C210010403C
Size:                1172123568 K
Write cache:         supported (off)
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 12 Gb/s
Current speed:       12 Gb/s
model:               QXD-K1200 SAS
Serial:              QK00074005
Firmware version:    KQ13
Locate LED status:   on
Running OS:          yes
PPID:                QX-PPID-0001-K1200


<<< status 0

=== a failing free-space query ends the listing after the total so far
scenario ./disks.json
$ qxsim fault add QX_PD_GetFreeSpaceInfo --status 4 --adapter 0 --always
$ qxcli info -o pd
<<< stdout

Physical Disk Information
----------------------------
Adapter:             0
PD ID:               0
Type:                SATA PD
Linked at:           HBA port 0
Size:                468851544 K
Write cache:         not supported
SMART:               supported (off)
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
Total # of PD:       4


Unable to get info of PD (error 4: Resource not available)
<<< status 4

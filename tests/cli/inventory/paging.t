# Lists read page by page: the adapter's 1 KB buffer holds four PD records.
# Whole listings that span pages are in pd_display.t and vd_display.t, whose
# adapters have small buffers too; here each page is seen to be a request of
# its own.

=== the pages are separate requests: the first alone falls back to the plain form
scenario ./paging.json
$ qxsim fault add QX_PD_GetHDInfo_Ext --status 6 --adapter 0 --times 1
$ qxcli info -o pd
<<< stdout

Physical Disk Information
----------------------------
Adapter:             0
PD ID:               0
Type:                SATA PD
Linked at:           HBA port 0
Size:                1953514584 K
Write cache:         supported (on)
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 Gb/s
Current speed:       6 Gb/s
model:               QXD-S2000 HDD
Serial:              QS00048100
Firmware version:    SQ04
Locate LED status:   Not Support
Running OS:          no
PPID:                
block ids:           
PD valid size:       1953252440 K


Adapter:             0
PD ID:               2
Type:                SATA PD
Linked at:           HBA port 1
Size:                1953514584 K
Write cache:         supported (on)
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 Gb/s
Current speed:       6 Gb/s
model:               QXD-S2000 HDD
Serial:              QS00048102
Firmware version:    SQ04
Locate LED status:   Not Support
Running OS:          no
PPID:                
block ids:           
PD valid size:       1953252440 K


Adapter:             0
PD ID:               3
Type:                SATA PD
Linked at:           HBA port 2
Size:                1953514584 K
Write cache:         supported (on)
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 Gb/s
Current speed:       6 Gb/s
model:               QXD-S2000 HDD
Serial:              QS00048103
Firmware version:    SQ04
Locate LED status:   Not Support
Running OS:          no
PPID:                
block ids:           
PD valid size:       1953252440 K


Adapter:             0
PD ID:               5
Type:                SATA PD
Linked at:           HBA port 3
Size:                1953514584 K
Write cache:         supported (on)
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 Gb/s
Current speed:       6 Gb/s
model:               QXD-S2000 HDD
Serial:              QS00048105
Firmware version:    SQ04
Locate LED status:   Not Support
Running OS:          no
PPID:                
block ids:           
PD valid size:       1953252440 K


Adapter:             0
PD ID:               8
Type:                SATA PD
Linked at:           HBA port 4
Size:                1953514584 K
Write cache:         supported (on)
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 Gb/s
Current speed:       6 Gb/s
model:               QXD-S2000 HDD
Serial:              QS00048108
Firmware version:    SQ04
Locate LED status:   off
Running OS:          no
PPID:                
block ids:           
PD valid size:       1953252440 K


Total # of PD:       5

<<< status 0

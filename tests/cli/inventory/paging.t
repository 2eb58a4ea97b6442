# Lists read page by page: the adapter's 1 KB buffer holds four PD records
# or three VD records, and the library refuses a larger request.

=== every PD across three pages
scenario ./paging.json
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
Locate LED status:   off
Running OS:          no
PPID:                
block ids:           0  
associated VDs:      0  
PD valid size:       1853252440 K


Adapter:             0
PD ID:               1
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
Serial:              QS00048101
Firmware version:    SQ04
Locate LED status:   off
Running OS:          no
PPID:                
block ids:           1  
associated VDs:      1  
PD valid size:       1853252440 K


Adapter:             0
PD ID:               2
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
Serial:              QS00048102
Firmware version:    SQ04
Locate LED status:   off
Running OS:          no
PPID:                
block ids:           2  
associated VDs:      2  
PD valid size:       1853252440 K


Adapter:             0
PD ID:               3
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
Serial:              QS00048103
Firmware version:    SQ04
Locate LED status:   off
Running OS:          no
PPID:                
block ids:           3  
associated VDs:      4  
PD valid size:       1853252440 K


Adapter:             0
PD ID:               5
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
Serial:              QS00048105
Firmware version:    SQ04
Locate LED status:   off
Running OS:          no
PPID:                
block ids:           4  
associated VDs:      5  
PD valid size:       1853252440 K


Adapter:             0
PD ID:               8
Type:                SATA PD
Linked at:           HBA port 5
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
block ids:           5  
associated VDs:      6  
PD valid size:       1853252440 K


Adapter:             0
PD ID:               9
Type:                SATA PD
Linked at:           HBA port 6
Size:                1953514584 K
Write cache:         supported (on)
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 Gb/s
Current speed:       6 Gb/s
model:               QXD-S2000 HDD
Serial:              QS00048109
Firmware version:    SQ04
Locate LED status:   off
Running OS:          no
PPID:                
block ids:           6  
associated VDs:      9  
PD valid size:       1853252440 K


Adapter:             0
PD ID:               12
Type:                SATA PD
Linked at:           HBA port 7
Size:                1953514584 K
Write cache:         supported (on)
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 Gb/s
Current speed:       6 Gb/s
model:               QXD-S2000 HDD
Serial:              QS00048112
Firmware version:    SQ04
Locate LED status:   off
Running OS:          no
PPID:                
block ids:           
PD valid size:       1953252440 K


Adapter:             0
PD ID:               13
Type:                SATA PD
Linked at:           HBA port 8
Size:                1953514584 K
Write cache:         supported (on)
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 Gb/s
Current speed:       6 Gb/s
model:               QXD-S2000 HDD
Serial:              QS00048113
Firmware version:    SQ04
Locate LED status:   off
Running OS:          no
PPID:                
block ids:           
PD valid size:       1953252440 K


Adapter:             0
PD ID:               20
Type:                SATA PD
Linked at:           HBA port 9
Size:                1953514584 K
Write cache:         supported (on)
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 Gb/s
Current speed:       6 Gb/s
model:               QXD-S2000 HDD
Serial:              QS00048120
Firmware version:    SQ04
Locate LED status:   off
Running OS:          no
PPID:                
block ids:           
PD valid size:       1953252440 K


Total # of PD:       10

<<< status 0

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
block ids:           0  
associated VDs:      0  
PD valid size:       1853252440 K


Adapter:             0
PD ID:               1
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
Serial:              QS00048101
Firmware version:    SQ04
Locate LED status:   Not Support
Running OS:          no
PPID:                
block ids:           1  
associated VDs:      1  
PD valid size:       1853252440 K


Adapter:             0
PD ID:               2
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
Serial:              QS00048102
Firmware version:    SQ04
Locate LED status:   Not Support
Running OS:          no
PPID:                
block ids:           2  
associated VDs:      2  
PD valid size:       1853252440 K


Adapter:             0
PD ID:               3
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
Serial:              QS00048103
Firmware version:    SQ04
Locate LED status:   Not Support
Running OS:          no
PPID:                
block ids:           3  
associated VDs:      4  
PD valid size:       1853252440 K


Adapter:             0
PD ID:               5
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
Serial:              QS00048105
Firmware version:    SQ04
Locate LED status:   off
Running OS:          no
PPID:                
block ids:           4  
associated VDs:      5  
PD valid size:       1853252440 K


Adapter:             0
PD ID:               8
Type:                SATA PD
Linked at:           HBA port 5
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
block ids:           5  
associated VDs:      6  
PD valid size:       1853252440 K


Adapter:             0
PD ID:               9
Type:                SATA PD
Linked at:           HBA port 6
Size:                1953514584 K
Write cache:         supported (on)
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 Gb/s
Current speed:       6 Gb/s
model:               QXD-S2000 HDD
Serial:              QS00048109
Firmware version:    SQ04
Locate LED status:   off
Running OS:          no
PPID:                
block ids:           6  
associated VDs:      9  
PD valid size:       1853252440 K


Adapter:             0
PD ID:               12
Type:                SATA PD
Linked at:           HBA port 7
Size:                1953514584 K
Write cache:         supported (on)
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 Gb/s
Current speed:       6 Gb/s
model:               QXD-S2000 HDD
Serial:              QS00048112
Firmware version:    SQ04
Locate LED status:   off
Running OS:          no
PPID:                
block ids:           
PD valid size:       1953252440 K


Adapter:             0
PD ID:               13
Type:                SATA PD
Linked at:           HBA port 8
Size:                1953514584 K
Write cache:         supported (on)
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 Gb/s
Current speed:       6 Gb/s
model:               QXD-S2000 HDD
Serial:              QS00048113
Firmware version:    SQ04
Locate LED status:   off
Running OS:          no
PPID:                
block ids:           
PD valid size:       1953252440 K


Adapter:             0
PD ID:               20
Type:                SATA PD
Linked at:           HBA port 9
Size:                1953514584 K
Write cache:         supported (on)
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 Gb/s
Current speed:       6 Gb/s
model:               QXD-S2000 HDD
Serial:              QS00048120
Firmware version:    SQ04
Locate LED status:   off
Running OS:          no
PPID:                
block ids:           
PD valid size:       1953252440 K


Total # of PD:       10

<<< status 0

=== every VD across three pages
scenario ./paging.json
$ qxcli info -o vd
<<< stdout

Virtual Disk Information
-------------------------
id:                  0
name:                single0
status:              functional and initialized
Stripe size:         64
RAID mode:           JBOD
Cache mode:          On 
size:                97656 M
BGA status:          not running
Block ids:           0 
# of PDs:            1
PD RAID setup:       0 
Running OS:          no

id:                  1
name:                single1
status:              functional and initialized
Stripe size:         64
RAID mode:           JBOD
Cache mode:          On 
size:                97656 M
BGA status:          not running
Block ids:           1 
# of PDs:            1
PD RAID setup:       1 
Running OS:          no

id:                  2
name:                single2
status:              functional and initialized
Stripe size:         64
RAID mode:           JBOD
Cache mode:          On 
size:                97656 M
BGA status:          not running
Block ids:           2 
# of PDs:            1
PD RAID setup:       2 
Running OS:          no

id:                  4
name:                single4
status:              functional and initialized
Stripe size:         64
RAID mode:           JBOD
Cache mode:          On 
size:                97656 M
BGA status:          not running
Block ids:           3 
# of PDs:            1
PD RAID setup:       3 
Running OS:          no

id:                  5
name:                single5
status:              functional and initialized
Stripe size:         64
RAID mode:           JBOD
Cache mode:          On 
size:                97656 M
BGA status:          not running
Block ids:           4 
# of PDs:            1
PD RAID setup:       5 
Running OS:          no

id:                  6
name:                single6
status:              functional and initialized
Stripe size:         64
RAID mode:           JBOD
Cache mode:          On 
size:                97656 M
BGA status:          not running
Block ids:           5 
# of PDs:            1
PD RAID setup:       8 
Running OS:          no

id:                  9
name:                single9
status:              functional and initialized
Stripe size:         64
RAID mode:           JBOD
Cache mode:          On 
size:                97656 M
BGA status:          not running
Block ids:           6 
# of PDs:            1
PD RAID setup:       9 
Running OS:          no

Total # of VD:       7

<<< status 0

=== a PD on a later page by id
scenario ./paging.json
$ qxcli info -o pd -i 20
<<< stdout

Physical Disk Information
----------------------------
Adapter:             0
PD ID:               20
Type:                SATA PD
Linked at:           HBA port 9
Size:                1953514584 K
Write cache:         supported (on)
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 Gb/s
Current speed:       6 Gb/s
model:               QXD-S2000 HDD
Serial:              QS00048120
Firmware version:    SQ04
Locate LED status:   off
Running OS:          no
PPID:                
block ids:           
PD valid size:       1953252440 K


<<< status 0

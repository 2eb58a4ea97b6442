# qxsim steers the simulated controller; qxcli sees the consequences.

=== simulated time moves an initialization on and completes it
scenario init_running.json
$ qxcli info -o vd
<<< stdout

Virtual Disk Information
-------------------------
id:                  0
name:                mirror
status:              functional
Stripe size:         64
RAID mode:           RAID1
Cache mode:          On 
size:                9984 M
BGA status:          running
Block ids:           0 1 
# of PDs:            2
PD RAID setup:       0 1 
Running OS:          no
BGA progress:    initializing is 50% done


Total # of VD:       1

$ qxsim clock advance 50
$ qxcli info -o vd
<<< stdout

Virtual Disk Information
-------------------------
id:                  0
name:                mirror
status:              functional
Stripe size:         64
RAID mode:           RAID1
Cache mode:          On 
size:                9984 M
BGA status:          running
Block ids:           0 1 
# of PDs:            2
PD RAID setup:       0 1 
Running OS:          no
BGA progress:    initializing is 75% done


Total # of VD:       1

$ qxsim clock advance 50
$ qxcli info -o vd
<<< stdout

Virtual Disk Information
-------------------------
id:                  0
name:                mirror
status:              functional and initialized
Stripe size:         64
RAID mode:           RAID1
Cache mode:          On 
size:                9984 M
BGA status:          not running
Block ids:           0 1 
# of PDs:            2
PD RAID setup:       0 1 
Running OS:          no

Total # of VD:       1

$ qxsim events
<<< stdout
1  2026-01-01 00:01:40 UTC  class 1 code 55 device 0 severity 2 params 0 0 0 0
<<< status 0

=== a pulled disk leaves its VD degraded; a second loss takes it offline
scenario init_running.json
$ qxsim clock advance 100
$ qxsim pd pull 1
$ qxcli info -o vd
<<< stdout

Virtual Disk Information
-------------------------
id:                  0
name:                mirror
status:              degraded
Stripe size:         64
RAID mode:           RAID1
Cache mode:          On 
size:                9984 M
BGA status:          not running
Block ids:           0 
# of PDs:            2
PD RAID setup:       0 * 
Running OS:          no

Total # of VD:       1

$ qxcli info -o pd -i 1
<<< stdout

Unable to get info of PD 1 (error 55: Specified physical disk doesn't exist)
<<< status 55
$ qxsim pd fail 0
$ qxcli info -o vd
<<< stdout

Virtual Disk Information
-------------------------
id:                  0
name:                mirror
status:              offline
Stripe size:         64
RAID mode:           RAID1
Cache mode:          On 
size:                9984 M
BGA status:          not running
Block ids:           
# of PDs:            2
PD RAID setup:       * * 
Running OS:          no

Total # of VD:       1

$ qxsim pd insert 1
$ qxcli info -o pd -i 1
<<< stdout

Physical Disk Information
----------------------------
Adapter:             0
PD ID:               1
Type:                SATA PD
Linked at:           HBA port 1
Size:                10485760 K
Write cache:         supported (on)
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 Gb/s
Current speed:       6 Gb/s
model:               QXD HD2000
Serial:              QS0002
Firmware version:    QF01
Locate LED status:   Not Support
Running OS:          no
PPID:                
block ids:           
PD valid size:       10223616 K


$ qxsim events
<<< stdout
1  2026-01-01 00:01:40 UTC  class 1 code 55 device 0 severity 2 params 0 0 0 0
2  2026-01-01 00:01:40 UTC  class 2 code 8 device 1 severity 3 params 0 0 0 0
3  2026-01-01 00:01:40 UTC  class 1 code 4 device 0 severity 5 params 0 0 0 0
4  2026-01-01 00:01:40 UTC  class 2 code 2 device 0 severity 5 params 0 0 0 0
5  2026-01-01 00:01:40 UTC  class 1 code 0 device 0 severity 6 params 0 0 0 0
6  2026-01-01 00:01:40 UTC  class 2 code 7 device 1 severity 2 params 0 0 0 0
<<< status 0

=== a fault fails a call the given number of times, then the call works again
scenario init_running.json
$ qxsim fault add QX_LD_GetInfo --status 6 --adapter 0 --times 1
$ qxsim fault list
<<< stdout
1: QX_LD_GetInfo on adapter 0 answers 6, 1 more time(s)
$ qxcli info -o vd -i 0
<<< stdout

Unable to get info of vd 0 (error 6: Invalid request)
<<< status 6
$ qxcli error -c 6
<<< stdout

Error code 6: Invalid request.
$ qxsim fault list
<<< stdout
no faults
<<< status 0

=== a fault on another adapter does not apply
scenario init_running.json
$ qxsim fault add QX_Adapter_GetInfo --status 9 --adapter 1 --always
$ qxcli info -o hba
<<< stdout

Adapter ID:                          0
Product:                             1d7a-3120
Sub Product:                         1d7a-0100
Chip revision:                       A1
Max PCIe speed:                      8Gb/s
Current PCIe speed:                  8Gb/s
Max PCIe link:                       8
Current PCIe link:                   8
Driver version:                      2.4.0.1012
BIOS version:                        1.6.0.1005
Firmware version:                    3.2.1.1044
Boot loader version:                 1.1.0.1002
# of ports:                          8
Serial number:                       QXA0000000001
Model:                               QXR-3120 SATA HBA
Buzzer:                              Supported
Supported port type:                 SATA 
Supported RAID mode:                 RAID0 RAID1 RAID5 RAID10 RAID50 JBOD 
Maximum disk in one VD:              16
PM:                                  Not supported
Expander:                            Not supported
Maximum supported disk:              32
Maximum supported VD:                32
Max total blocks:                    256
Features:                            rebuild,background init,synchronize
Advanced features:                   event sense code,bbu,multi VD,image health,vd wcache,vd rcache,smart poll,rounding,hd set free,hd cache,enc,bga rate,spare
Max buffer size:                     64
Stripe size supported:               16K 32K 64K 128K 256K 
Image health:                        Healthy
Autoload image health:               Healthy
Boot loader image health:            Healthy
Firmware image health:               Healthy
Boot ROM image health:               Healthy
HBA info image health:               Healthy

<<< status 0

=== bad input is refused with a message and a non-zero status, and changes nothing
scenario init_running.json
$ qxsim init --scenario default
<<< status 1
$ qxsim init --scenario nosuch --force
<<< stderr
qxsim: no built-in scenario is named 'nosuch' (see 'qxsim scenarios')
<<< status 1
$ qxsim pd pull 7
<<< stderr
qxsim: adapter 0 has no disk 7
<<< status 1
$ qxsim pd insert 0
<<< stderr
qxsim: disk 0 is not pulled
<<< status 1
$ qxsim fault add GetInfo
<<< stderr
qxsim: 'GetInfo' is not the name of a library function
<<< status 1
$ qxsim fault clear 3
<<< stderr
qxsim: no fault 3
<<< status 1
$ qxsim clock advance soon
<<< status 2
$ qxsim pd pull 0 --adapter 4
<<< stderr
qxsim: no adapter 4
<<< status 1
$ qxcli info -o pd -i 0
<<< stdout

Physical Disk Information
----------------------------
Adapter:             0
PD ID:               0
Type:                SATA PD
Linked at:           HBA port 0
Size:                10485760 K
Write cache:         supported (on)
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 Gb/s
Current speed:       6 Gb/s
model:               QXD HD2000
Serial:              QS0001
Firmware version:    QF01
Locate LED status:   Not Support
Running OS:          no
PPID:                
block ids:           0  
associated VDs:      0  
PD valid size:       0 K


<<< status 0

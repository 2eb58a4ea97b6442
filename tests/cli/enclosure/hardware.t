# What qxsim does to the enclosure hardware and how the adapter reports it.

=== heating a sensor makes it Non-Critical, then Critical, and the enclosure Unstable
$ qxsim clock freeze
$ qxsim clock set 1767225600
$ qxsim enc element 0 tpr 1 --celsius 55 --adapter 1
$ qxcli 1 enc -o ele -t tpr -e 1
<<< stdout
EnclosureID:0
Temperature Sensor 1
status : Non-Critical
  over temperature warning: yes
  under temperature warning: no
  value: 55 Celsius

$ qxsim enc element 0 tpr 1 --celsius 60 --adapter 1
$ qxcli 1 enc -o ele -t tpr -e 1
<<< stdout
EnclosureID:0
Temperature Sensor 1
status : Critical
  over temperature failure: yes
  under temperature warning: no
  value: 60 Celsius

$ qxcli 1 enc -o enc
<<< stdout
Enclosure ID: 0
Adapter ID: 1
Status: Unstable
Logical ID: 0x5F0A3C2100103F00
Vendor ID: QXENCL
Product ID: QXE-J16 JBOD
Revision Level: 0100

$ qxsim enc element 0 tpr 1 --celsius 31 --adapter 1
$ qxcli 1 enc -o enc
<<< stdout
Enclosure ID: 0
Adapter ID: 1
Status: OK
Logical ID: 0x5F0A3C2100103F00
Vendor ID: QXENCL
Product ID: QXE-J16 JBOD
Revision Level: 0100

$ qxsim events --adapter 1
<<< stdout
1  2025-12-01 10:00:00 UTC  class 0 code 17 device 1 severity 2 params 0 0 0 0
2  2025-12-01 10:10:00 UTC  class 13 code 0 device 0 severity 2 params 0 0 0 0
3  2025-12-01 10:11:00 UTC  class 1 code 2 device 0 severity 2 params 0 0 0 0
4  2025-12-01 10:12:00 UTC  class 1 code 2 device 1 severity 2 params 0 0 0 0
5  2025-12-01 10:13:00 UTC  class 2 code 9 device 15 severity 2 params 0 0 0 0
6  2026-01-01 00:00:00 UTC  class 8 code 3 device 0 severity 3 params 4 1 1 0
7  2026-01-01 00:00:00 UTC  class 8 code 2 device 0 severity 6 params 4 1 3 0
8  2026-01-01 00:00:00 UTC  class 8 code 1 device 0 severity 2 params 4 1 2 0
=== a fan that stops, a negative voltage, a failing power supply and a status set by hand
$ qxsim enc element 0 fan 2 --rpm 0 --adapter 1
$ qxsim enc element 0 vlt 1 --millivolts -1000 --adapter 1
$ qxsim enc element 0 pow 0 --flag 9 --adapter 1
$ qxsim enc element 0 dpl 0 --status 5 --adapter 1
$ qxcli 1 enc -o ele -t fan -e 2
<<< stdout
EnclosureID:0
Cooling Device 2
status : Critical
  fan: stopped
  current speed: 0 rpm

$ qxcli 1 enc -o ele -t vlt -e 1
<<< stdout
EnclosureID:0
Voltage Sensor 1
status : Critical
  voltage: -1000 mini-volts
  over voltage warning: no
  critical under voltage: yes

$ qxcli 1 enc -o ele -t pow -e 0
<<< stdout
EnclosureID:0
Power Supply 0
status : Critical
  hot swappable: yes
  over temperature warning: no
  DC over current: no
  DC over voltage: yes
  DC under voltage: no

$ qxcli 1 enc -o ele -t dpl
<<< stdout
EnclosureID:0
Display 0
status : Not installed

$ qxcli 1 enc -o elecfg -t dpl
<<< stdout
EnclosureID:0
Display 0
status : Not installed
=== a pulled disk leaves its slot Not installed; a failed one makes it Critical
$ qxsim pd pull 3 --adapter 1
$ qxsim pd fail 4 --adapter 1
$ qxcli 1 enc -o ele -t dev -e 3
<<< stdout
EnclosureID:0
Device 3
status : Not installed

$ qxcli 1 enc -o ele -t dev -e 4
<<< stdout
EnclosureID:0
Device 4
status : Critical
  slot address: 4
  locate: no

$ qxsim pd insert 3 --adapter 1
$ qxcli 1 enc -o ele -t dev -e 3
<<< stdout
EnclosureID:0
Device 3
status : OK
  slot address: 3
  locate: no

=== pulling the expander empties its slots; putting it back returns its disks
$ qxsim enc expander pull 0 --adapter 1
$ qxcli 1 enc -o ele -t dev -e 0
<<< stdout
EnclosureID:0
Device 0
status : Not installed

$ qxsim enc expander insert 0 --adapter 1
$ qxcli 1 info -o pd -i 0
<<< stdout

Physical Disk Information
----------------------------
Adapter:             1
PD ID:               0
Type:                SAS PD
Linked at:           Expander 0, port 0
SAS address:         5F0A3C2100104000
Size:                1172123568 K
Write cache:         supported (on)
SMART:               supported (on)
NCQ:                 supported (on)
48 bits LBA:         supported
supported speed:     3 6 12 Gb/s
Current speed:       12 Gb/s
model:               QXD-K1200 SAS
Serial:              QK00073210
Firmware version:    KQ13
Locate LED status:   off
Running OS:          no
PPID:                
block ids:           
PD valid size:       1171861424 K


=== a pulled expander of a cascade leaves the topology with its disks, and both are logged
scenario ../inventory/topology.json
$ qxsim enc expander pull 1
$ qxcli topology
<<< stdout

HBA links:

    HBA port [0, 1, 2, 3], addr [5F0A3C2300001000]
        => Enclosure 0 (EXP 0), port [16, 17, 18, 19], addr [5F0A3C2300003000]
    HBA port [4], addr [5F0A3C2300001004]
        => PM 0, port [15]
    HBA port [5], addr [5F0A3C2300001005]
        => PD 4 (SATA PD)
    HBA port [6], addr [5F0A3C2300001006]
        => PD 5 (SAS PD), addr [5F0A3C2300004505]

Enclosure links:




Expander links:

    EXP 0, port [0], addr [5F0A3C2300003000]
        => PD 0 (SAS PD), addr [5F0A3C2300004000]


PM links:

    PM 0, port [1]
        => PM 1, port [15]
HD to PM connection
HD pType 3, HD pId 0, PM sId 0
HD pType 2, HD pId 0, PM sId 0
    PM 0, port [0]
        => PD 2 (SATA PD)
HD pType 2, HD pId 1, PM sId 0
HD pType 255, HD pId 0, PM sId 0
HD pType 255, HD pId 0, PM sId 0

HD to PM connection
HD pType 3, HD pId 0, PM sId 1
HD pType 2, HD pId 0, PM sId 1
HD pType 2, HD pId 1, PM sId 1
    PM 1, port [1]
        => PD 3 (SATA PD)
HD pType 255, HD pId 0, PM sId 1
HD pType 255, HD pId 0, PM sId 1

$ qxsim enc expander insert 1
$ qxsim events
<<< stdout
1  2026-01-01 00:00:00 UTC  class 4 code 1 device 1 severity 3 params 0 0 0 0
2  2026-01-01 00:00:00 UTC  class 2 code 8 device 1 severity 3 params 0 0 0 0
3  2026-01-01 00:00:00 UTC  class 4 code 0 device 1 severity 2 params 0 0 0 0
4  2026-01-01 00:00:00 UTC  class 2 code 7 device 1 severity 2 params 0 0 0 0
=== a disk set offline in the shell shows at once in its slot
$ qxcli
<<< stdin
adapter -i 1
enc -o ele -t dev -e 3
set -o pd -i 3 --forcesetoffline
enc -o ele -t dev -e 3
exit
<<< stdout (no eol)
CLI Version: 4.1.13.56   RaidAPI Version: 1.0.4.2612 (simulated controller)
Welcome to RAID Command Line Interface.

> > EnclosureID:0
Device 3
status : OK
  slot address: 3
  locate: no

> Set configuration parameter(s) of PD 3 successful.
> EnclosureID:0
Device 3
status : Critical
  slot address: 3
  locate: no

> 
<<< status 255

=== refusals of the control tool
$ qxsim enc element 0 tpr 7 --celsius 40 --adapter 1
<<< stderr
qxsim: enclosure 0 of adapter 1 has no element tpr 7
<<< status 1
$ qxsim enc element 0 tpr 0 --celsius 300 --adapter 1
<<< stderr
qxsim: --celsius 300 is out of range (-19 to 235)
<<< status 1
$ qxsim enc element 0 tpr 0 --status 9 --adapter 1
<<< stderr
qxsim: --status is 0 to 8, or 255 to follow the readings
<<< status 1
$ qxsim enc expander insert 0 --adapter 1
<<< stderr
qxsim: expander 0 is not pulled
<<< status 1
$ qxsim enc expander pull 5 --adapter 1
<<< stderr
qxsim: adapter 1 has no expander 5
<<< status 1

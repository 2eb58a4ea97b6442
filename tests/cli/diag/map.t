# map: sector addresses between PDs and VDs on the default adapter 0: VD 0 a
# RAID1 on PDs 0 and 1, VD 1 a RAID5 of 64 KB strips (128 sectors) on PDs 2,
# 3 and 4; every block starts at sector 0x80000.

=== RAID5 round trips: data, parity, the next row's rotation, the upper half
$ qxcli map -a vd2pd -p 2 -v 1 -l 0
<<< stdout

VD 1 lba 0x000000000 maps to PD 2 lba 0x000080000

$ qxcli map -a pd2vd -p 4 -l 0x80000
<<< stdout

PD 4 lba 0x000080000 maps to VD 1 lba 0x000000000
PD 4 is a parity disk 

$ qxcli map -a VD2PD -p 2 -v 1 -l 0x80
<<< stdout

VD 1 lba 0x000000080 can not mapped to LBA on PD 2

$ qxcli map -a pd2vd -p 2 -l 524416
<<< stdout

PD 2 lba 0x000080080 maps to VD 1 lba 0x000000180

$ qxcli map -a vd2pd -p 2 -v 1 -l 0x180
<<< stdout

VD 1 lba 0x000000180 maps to PD 2 lba 0x000080080

$ qxcli map -a vd2pd -p 4 -v 1 -u 1
<<< stdout

VD 1 lba 0x100000000 maps to PD 4 lba 0x080080000

$ qxcli map -a pd2vd -p 4 -l 0x80080000
<<< stdout

PD 4 lba 0x080080000 maps to VD 1 lba 0x100000000

<<< status 0

=== both mirror halves, the reserved area and a free disk
$ qxcli map -a pd2vd -p 1 -l 0x80010
<<< stdout

PD 1 lba 0x000080010 maps to VD 0 lba 0x000000010

$ qxcli map -a vd2pd -p 0 -v 0 -l 16
<<< stdout

VD 0 lba 0x000000010 maps to PD 0 lba 0x000080010

$ qxcli map -a pd2vd -p 2 -l 0x7FFFF
<<< stdout

PD 2 lba 0x00007ffff does not belong to any VD

$ qxcli map -a vd2pd -p 5 -v 1
<<< stdout

VD 1 lba 0x000000000 can not mapped to LBA on PD 5

<<< status 0

=== refusals of the library: past the VD, past the disk, no VD, no PD
$ qxcli map -a vd2pd -p 2 -v 1 -u 2
<<< stdout

Failed to map LBA address (error 5: Data out of range).
<<< status 5
$ qxcli map -a pd2vd -p 2 -u 1
<<< stdout

Failed to map LBA address (error 5: Data out of range).
<<< status 5
$ qxcli map -a vd2pd -p 2 -v 9
<<< stdout

Failed to map LBA address (error 59: Specified virtual disk doesn't exist).
<<< status 59
$ qxcli map -a pd2vd -p 40
<<< stdout

Failed to map LBA address (error 55: Specified physical disk doesn't exist).
<<< status 55

=== options: the checks and their messages
$ qxcli map -a vd2pd -p 1
<<< stdout
map: option -v is required
<<< status 1
$ qxcli map -l 2
<<< stdout
map: option -a is required
map: option -p is required
<<< status 1
$ qxcli map -a pd2vd -p 2 -l 0x
<<< stdout
-l : invalid lower (least sinificant) half of LBA '0x'
<<< status 1
$ qxcli map -a both -p 2
<<< stdout
-a : invalid action 'both'
<<< status 1
$ qxcli map -a pd2vd -p 2 -p 3
<<< stdout
Duplicated option specified.
<<< status 1

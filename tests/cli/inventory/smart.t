# SMART status and attributes of one disk.

=== a healthy HDD, with an attribute of unknown name left out
$ qxcli smart -p 13
<<< stdout
SMART STATUS RETURN: OK.

Smart Info
ID	Attribute Name					Current	Worst	Threshhold	RawValue
01	Raw Read Error Rate                     	100	100	16      	000000000000
03	Spin Up Time                            	97	97	24      	00000000019C
04	Start/Stop Count                        	100	100	0       	00000000003A
05	Reallocated Sector Count                	100	100	36      	000000000000
07	Seek Error Rate                         	100	100	30      	000000000000
09	Power On Hours                          	98	98	0       	0000000005F0
0C	Power Cycle Count                       	100	100	20      	000000000039
C2	Temperature                             	130	130	0       	000000000021
C5	Current Pending Sector                  	100	100	0       	000000000000
C7	UltraDMA CRC Error Count                	200	200	0       	000000000000

=== a healthy SSD; power-on hours count simulated hours on
$ qxcli smart -p 0
<<< stdout
SMART STATUS RETURN: OK.

Smart Info
ID	Attribute Name					Current	Worst	Threshhold	RawValue
05	Reallocated Sector Count                	100	100	36      	000000000000
09	Power On Hours                          	100	100	0       	0000000005F0
0C	Power Cycle Count                       	100	100	20      	000000000039
AD	Wear Leveling Count                     	99	99	5       	00000000000C
B1	Wear Range Delta                        	100	100	0       	000000000001
C2	Temperature                             	67	67	0       	000000000021
F1	Total LBAs Written                      	100	100	0       	000036BBBE6D

$ qxsim clock advance 7200
$ qxcli smart -p 0
<<< stdout
SMART STATUS RETURN: OK.

Smart Info
ID	Attribute Name					Current	Worst	Threshhold	RawValue
05	Reallocated Sector Count                	100	100	36      	000000000000
09	Power On Hours                          	100	100	0       	0000000005F2
0C	Power Cycle Count                       	100	100	20      	000000000039
AD	Wear Leveling Count                     	99	99	5       	00000000000C
B1	Wear Range Delta                        	100	100	0       	000000000001
C2	Temperature                             	67	67	0       	000000000021
F1	Total LBAs Written                      	100	100	0       	000036BBBE6D

=== a SAS disk has no SMART information
$ qxcli 1 smart -p 3
<<< stdout
SAS PD 3 has not SMART information

<<< status 1
=== a missing disk
$ qxcli smart -p 30
<<< stdout
Unable to get info of PD 30 (error 55 : Specified physical disk doesn't exist)

<<< status 55
=== a disk with SMART switched off
scenario ./disks.json
$ qxcli smart -p 0
<<< stdout
Invalid command 'smart'!
<<< status 1
=== options are checked in order
$ qxcli smart
<<< stdout
smart: option -p is required
<<< status 1
$ qxcli smart -p x
<<< stdout
-p : invalid phyiscal disk id 'x'
<<< status 1
$ qxcli smart -p 1 -p 2
<<< stdout
Duplicated option specified.
<<< status 1
$ qxcli smart -h
<<< stdout
Description:
:Display the smart info of physical disk.

smart [-p <physical disk id>]

Options:
    -p, --id <disk id>
        ID of the disk to be selected. 
    -h, --help

Examples:
    smart -p 0

    Display the smart information of physical disk 0 .

=== an attribute that reaches its threshold trips the disk, and a VD cannot be made of it
$ qxsim clock freeze
$ qxsim clock set 1767225600
$ qxsim pd smart 5 --attribute 5 --current 40
$ qxcli smart -p 5
<<< stdout
SMART STATUS RETURN: OK.

Smart Info
ID	Attribute Name					Current	Worst	Threshhold	RawValue
01	Raw Read Error Rate                     	100	100	16      	000000000000
03	Spin Up Time                            	97	97	24      	00000000019C
04	Start/Stop Count                        	100	100	0       	00000000003A
05	Reallocated Sector Count                	40	40	36      	000000000000
07	Seek Error Rate                         	100	100	30      	000000000000
09	Power On Hours                          	98	98	0       	0000000005F0
0C	Power Cycle Count                       	100	100	20      	000000000039
C2	Temperature                             	130	130	0       	000000000021
C5	Current Pending Sector                  	100	100	0       	000000000000
C7	UltraDMA CRC Error Count                	200	200	0       	000000000000

$ qxsim pd smart 5 --attribute 5 --current 36 --raw 1234
$ qxcli smart -p 5
<<< stdout
SMART STATUS RETURN: NotOK.

Smart Info
ID	Attribute Name					Current	Worst	Threshhold	RawValue
01	Raw Read Error Rate                     	100	100	16      	000000000000
03	Spin Up Time                            	97	97	24      	00000000019C
04	Start/Stop Count                        	100	100	0       	00000000003A
05	Reallocated Sector Count                	36	36	36      	0000000004D2
07	Seek Error Rate                         	100	100	30      	000000000000
09	Power On Hours                          	98	98	0       	0000000005F0
0C	Power Cycle Count                       	100	100	20      	000000000039
C2	Temperature                             	130	130	0       	000000000021
C5	Current Pending Sector                  	100	100	0       	000000000000
C7	UltraDMA CRC Error Count                	200	200	0       	000000000000

$ qxcli create -r 1 -d 5,6 -n bad --waiveconfirmation
<<< stdout

Failed to create virtual disk (error 90: Physical disk SMART has over threshold).
<<< status 90
$ qxsim events
<<< stdout
1  2025-12-01 10:00:00 UTC  class 0 code 17 device 0 severity 2 params 0 0 0 0
2  2025-12-01 11:00:00 UTC  class 1 code 2 device 0 severity 2 params 0 0 0 0
3  2025-12-01 11:00:05 UTC  class 1 code 45 device 0 severity 2 params 0 0 0 0
4  2025-12-01 12:00:00 UTC  class 1 code 2 device 1 severity 2 params 0 0 0 0
5  2025-12-01 15:40:00 UTC  class 1 code 55 device 1 severity 2 params 0 0 0 0
6  2026-01-01 00:00:00 UTC  class 2 code 11 device 5 severity 5 params 0 0 0 0
$ qxsim pd smart 5 --attribute 77 --current 1
<<< stderr
qxsim: disk 5 of adapter 0 has no SMART attribute 77
<<< status 1

# Wiping a disk's configuration data, and registers.

=== a second wipe waits for the first; the disk is free after it
scenario ./sata.json
$ qxcli wipe -d 0
<<< stdout

Wipe PD 0 is returned successfully.
$ qxcli wipe -d 0
<<< stdout

Wipe RMD on PD 0 failed (error 63: BGA is running).
<<< status 63
$ qxcli sat -i 0
<<< stdout

Fail to send command (error 31: Passthrough is busy.)

<<< status 31
$ qxsim clock advance 64
$ qxcli wipe -d 0
<<< stdout

Wipe PD 0 is returned successfully.
$ qxsim events
<<< stdout (only code 54)
1  2026-01-01 00:01:04 UTC  class 2 code 54 device 0 severity 2 params 0 0 0 0
=== a member is wiped only when forced, and its VD is degraded
$ qxcli wipe -d 3
<<< stdout

Wipe RMD on PD 3 failed (error 56: Specified physical disk is assigned to a virtual disk).
<<< status 56
$ qxcli wipe -d 3 -f
<<< stdout

Wipe PD 3 is returned successfully.
$ qxcli info -o vd -i 1
<<< stdout (only status:)
status:              degraded
BGA status:          not running
$ qxcli wipe -d 0 -f
<<< stdout

Wipe RMD on PD 0 failed (error 159: Disk has running OS in it).
<<< status 159
$ qxcli wipe -d 300
<<< stdout
-i : invalid id 300
<<< status 1
=== registers: identity, mailbox writes a second apart, refusals
scenario ./registers.json
$ qxcli register -d 0
<<< stdout
0x0 address register value is 0x31201d4a.
$ qxcli register -t internal -a write -d 0x4 -v 1
<<< stdout
Write 0x4 address register failed (error 19: Not supported).
<<< status 19
$ qxcli register -t internal -d 0x22
<<< stdout
Read 0x22 address register failed (error 5: Data out of range).
<<< status 5
$ qxcli register -a write -d 0x10
<<< stdout
-v is must in the write register command.
<<< status 1
$ qxcli register -t mailbox -a write -d 3 -v 0x55
<<< stdout
Write 0x3 address register successfully.
$ qxcli register -t mailbox -a write -d 4 -v 1
<<< stdout
Write 0x4 address register failed (error 30: The referred register is writing).
<<< status 30
$ qxcli register -t mailbox -d 3
<<< stdout
0x3 address register value is 0x55.
$ qxsim clock advance 1
$ qxcli register -t mailbox -a write -d 4 -v 1
<<< stdout
Write 0x4 address register successfully.
=== an adapter without register access
$ qxcli register -d 0
<<< stdout
Read 0x0 address register failed (error 19: Not supported).
<<< status 19

# The event command: the adapter's newest events, newest first, decoded.

=== every class decodes with its own words, unknown classes and codes with theirs
scenario ./log.json
$ qxcli event
<<< stdout (only Level:, only Description:, only Sense Code)
Level:        [MAJOR]
Description:  Adapter 0 Defective fan 2 found
Level:        [UNKNOWN]
Description: WARNING: Unknown event class 14, code 3
Level:        [INFO]
Description: 
Level:        [INFO]
Description:  Synchronization rate has been changed to 80%
Level:        [INFO]
Description:  Update image succeeded
Level:        [UNKNOWN]
Description: Unknown battery event code 40
Level:        [WARNING]
Description:  Expander 1 is plugged out
Level:        [OTHER]
Description:  Unknown PM event class: code = 7
Level:        [MAJOR]
Description:  Failed to Correct Media Error detected on virtual disk 4 at LBA 0x000002000, count=16.
Level:        [WARNING]
Description:  Command [0x28] on physical disk 4 failed. Sense key=0x3, ASC=0x11, ASCQ=0x0
Sense Code : 70 00 03 00 00 00 00 0A 00 00 00 00 11 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 AA BB 
Level:        [INFO]
Description:  Consistency fix on Virtual Disk 1 is 42% done
Level:        [INFO]
Description:  Initialization data on TwinTier 2 started
Level:        [INFO]
Description:  TwinTier back-ups is deleted
Level:        [WARNING]
Description:  Event(s) lost. Current seqNum 2, last seqNum 40
Level:        [INFO]
Description:  Adapter 0 with serial number QXA24110042 is detected
<<< status 0

=== -s shows only the events above it and stops at the first one that is not
scenario ./log.json
$ qxcli event -s 13
<<< stdout
Current AdapterID:0

Sequence:     15
Time:         Wed Dec 31 23:50:13 2025
Level:        [MAJOR]
Class:        15
Code:         4
Description:  Adapter 0 Defective fan 2 found

Sequence:     14
Time:         Wed Dec 31 23:50:12 2025
Level:        [UNKNOWN]
Class:        14
Code:         3
Description: WARNING: Unknown event class 14, code 3

<<< status 0
$ qxcli event --sequence 15
<<< stdout
Current AdapterID:0

<<< status 0

=== a start sequence that is not a number of 32 bits is refused
scenario ./log.json
$ qxcli event -s 12a
<<< stdout
-s : start sequence should be a number
<<< status 1
$ qxcli event -s 4294967296
<<< stdout
-s : start sequence should be a number
<<< status 1
$ qxcli event -s -1
<<< stdout
-s : start sequence should be a number
<<< status 1
$ qxcli event -s 4294967295
<<< stdout
Current AdapterID:0

<<< status 0

=== an adapter without events prints nothing; once mode saves the start sequence unchanged
scenario ../inventory/bare.json
$ qxcli event
<<< status 0
$ qxcli event --once
<<< stdout
save last event sequence (0) into seq.txt.
<<< file seq.txt (no eol, escaped)
\x00\x00\x00\x00
<<< status 0
$ qxcli event --once -s 7
<<< stdout
save last event sequence (7) into seq.txt.
<<< file seq.txt (no eol, escaped)
\x07\x00\x00\x00
<<< status 0

=== once mode shows each event once, across runs and state changes
scenario ./chain.json
$ qxcli event --once
<<< stdout
save last event sequence (0) into seq.txt.
<<< file seq.txt (no eol, escaped)
\x00\x00\x00\x00
<<< status 0
$ qxcli create -r 1 -d 0,1 -n web --waiveconfirmation
<<< status 0
$ qxcli event --once
<<< stdout (only Sequence:, only Description:, only save)
Sequence:     2
Description:  Fast initialization on Virtual Disk 0 started
Sequence:     1
Description:  Virtual Disk 0 is created
save last event sequence (2) into seq.txt.
<<< file seq.txt (no eol, escaped)
\x02\x00\x00\x00
<<< status 0
$ qxsim pd pull 1
$ qxcli event --once
<<< stdout (only Sequence:, only Description:, only save)
Sequence:     5
Description:  Fast initialization on Virtual Disk 0 failed
Sequence:     4
Description:  Virtual Disk 0 is degraded
Sequence:     3
Description:  Physical Disk 1 is Removed
save last event sequence (5) into seq.txt.
<<< file seq.txt (no eol, escaped)
\x05\x00\x00\x00
<<< status 0
$ qxcli event --once
<<< stdout
Current AdapterID:0

save last event sequence (5) into seq.txt.
<<< file seq.txt (no eol, escaped)
\x05\x00\x00\x00
<<< status 0

=== a saved sequence above the newest shows nothing and brings the file back to the newest
scenario ./log.json
copy seq_above.bin seq.txt
$ qxcli event --once
<<< stdout
Current AdapterID:0

save last event sequence (15) into seq.txt.
<<< file seq.txt (no eol, escaped)
\x0F\x00\x00\x00
<<< status 0

=== a short seq.txt is ignored: every event shows
scenario ./log.json
copy seq_short.bin seq.txt
$ qxcli event --once
<<< stdout (only Sequence:     1, only save)
Sequence:     15
Sequence:     14
Sequence:     13
Sequence:     12
Sequence:     11
Sequence:     10
Sequence:     1
save last event sequence (15) into seq.txt.
<<< file seq.txt (no eol, escaped)
\x0F\x00\x00\x00
<<< status 0

=== a longer seq.txt is read by its first 4 bytes and saved as exactly 4; -s wins over it
scenario ./log.json
copy seq_long.bin seq.txt
$ qxcli event --once
<<< stdout (only Sequence:, only save)
Sequence:     15
Sequence:     14
save last event sequence (15) into seq.txt.
<<< file seq.txt (no eol, escaped)
\x0F\x00\x00\x00
<<< status 0
$ qxcli event --once -s 14
<<< stdout (only Sequence:, only save)
Sequence:     15
save last event sequence (15) into seq.txt.
<<< file seq.txt (no eol, escaped)
\x0F\x00\x00\x00
<<< status 0

=== a failing call reports after the save, and the command still succeeds
scenario ./log.json
copy seq_short.bin seq.txt
$ qxsim fault add QX_EVT_GetEvent --status 9 --times 2
$ qxcli event
<<< stdout

Unable to get event from adapter 0 (error 9: Invalid physical disk id)
<<< status 0
$ qxcli event --once -s 5
<<< stdout
save last event sequence (5) into seq.txt.

Unable to get event from adapter 0 (error 9: Invalid physical disk id)
<<< file seq.txt (no eol, escaped)
\x05\x00\x00\x00
<<< status 0

=== a chain of changes leaves the events a controller logs, oldest last
scenario ./chain.json
$ qxcli create -r 1 -d 0,1 -n web --waiveconfirmation
$ qxcli create -r 0 -d 2,3 -n scratch --waiveconfirmation
$ qxcli delete -o vd -i 1 --waiveconfirmation
<<< stdout
Delete VD 1 successfully.
$ qxsim pd pull 1
$ qxsim clock advance 100000
$ qxsim pd insert 1
$ qxcli event
<<< stdout (only Sequence:, only Level:, only Description:)
Sequence:     10
Level:        [INFO]
Description:  Physical Disk 1 Inserted
Sequence:     9
Level:        [MAJOR]
Description:  Fast initialization on Virtual Disk 0 failed
Sequence:     8
Level:        [MAJOR]
Description:  Virtual Disk 0 is degraded
Sequence:     7
Level:        [WARNING]
Description:  Physical Disk 1 is Removed
Sequence:     6
Level:        [INFO]
Description:  Virtual Disk scratch is deleted
Sequence:     5
Level:        [WARNING]
Description:  Fast initialization on Virtual Disk 1 aborted
Sequence:     4
Level:        [INFO]
Description:  Fast initialization on Virtual Disk 1 started
Sequence:     3
Level:        [INFO]
Description:  Virtual Disk 1 is created
Sequence:     2
Level:        [INFO]
Description:  Fast initialization on Virtual Disk 0 started
Sequence:     1
Level:        [INFO]
Description:  Virtual Disk 0 is created
<<< status 0

=== of a longer log the 64 newest show
scenario ./seventy.json
$ qxcli event
<<< stdout (only Sequence:     6, only Sequence:     7)
Sequence:     70
Sequence:     69
Sequence:     68
Sequence:     67
Sequence:     66
Sequence:     65
Sequence:     64
Sequence:     63
Sequence:     62
Sequence:     61
Sequence:     60
Sequence:     7
<<< status 0

=== a RAID6 losing one disk loses a redundancy disk, a second degrades it; a VD going offline fails its activity; tier VD events carry the mark; an unsynced clock counts from boot
scenario ./health.json
$ qxsim pd pull 0
$ qxsim pd pull 1
$ qxsim clock advance 10
$ qxsim pd fail 7
$ qxcli event
<<< stdout (only Sequence:, only Time:, only Level:, only Description:)
Sequence:     8
Time:         610 second(s) from the boot time.
Level:        [MAJOR]
Description:  Fast initialization on TwinTier 2 failed
Sequence:     7
Time:         610 second(s) from the boot time.
Level:        [CRITICAL]
Description:  TwinTier 2 is offline
Sequence:     6
Time:         610 second(s) from the boot time.
Level:        [MAJOR]
Description:  Physical disk 7 is offline
Sequence:     5
Time:         610 second(s) from the boot time.
Level:        [INFO]
Description:  Fast initialization on TwinTier 1 completed
Sequence:     4
Time:         600 second(s) from the boot time.
Level:        [MAJOR]
Description:  Virtual Disk 0 is degraded
Sequence:     3
Time:         600 second(s) from the boot time.
Level:        [WARNING]
Description:  Physical Disk 1 is Removed
Sequence:     2
Time:         600 second(s) from the boot time.
Level:        [MAJOR]
Description:  Virtual Disk 0 lost a redundancy disk
Sequence:     1
Time:         600 second(s) from the boot time.
Level:        [WARNING]
Description:  Physical Disk 0 is Removed
<<< status 0

=== qxsim event add logs what nothing models yet, with the catalogue's severity unless given
scenario ../inventory/bare.json
$ qxsim clock set 1767225600
$ qxsim clock freeze
$ qxsim event add --class 12 --code 5 --params 3,48879,2 --time 100
$ qxsim event add --class 2 --code 36 --device 4 --params 40,3,17,0 --sense 7000030000000A --severity 4
$ qxsim event add --class 15 --code 3 --device 1
$ qxcli event
<<< stdout
Current AdapterID:0

Sequence:     3
Time:         Thu Jan 01 00:00:00 2026
Level:        [INFO]
Class:        15
Code:         3
Description:  Adapter 0 Fan 1 check pass

Sequence:     2
Time:         Thu Jan 01 00:00:00 2026
Level:        [MINOR]
Class:        2
Code:         36
Description:  Command [0x28] on physical disk 4 failed. Sense key=0x3, ASC=0x11, ASCQ=0x0
Sense Code : 70 00 03 00 00 00 0A 

Sequence:     1
Time:         100 second(s) from the boot time.
Level:        [CRITICAL]
Class:        12
Code:         5
Description:  Multi-bit ECC error: count = 3, address = 0xBEEF, module ID = 2

<<< status 0
$ qxsim event add --class 1 --code 2 --params 1,2,3,4,5
<<< status 1
$ qxsim event add --class 1 --code 2 --sense 123
<<< status 1

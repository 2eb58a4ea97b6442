# migrate on both kinds of adapter (the default scenario: adapter 0 keeps no
# arrays, VD 1 is a RAID5 on disks 2-4; adapter 1 has array 0, a RAID5 on
# disks 0-3 carrying VDs 0 and 1, and a global spare 15).
=== a size query, and the checks a VD start makes before and after asking the adapter
$ qxcli migrate -l 1
<<< stdout
migrate: one of -r or -d option must be specified
<<< status 1
$ qxcli migrate -l 1 -a SIZE -d 2,3,4,5
<<< stdout
Migrate VD size = 7629892 M
$ qxcli migrate -l 1 -a size -r 1E -d 2,3,4
<<< stdout

Unable to get migrate size of VD 1 (error 52: Target size should no less than source).
<<< status 52
$ qxcli migrate -l 1 -a stop
<<< stdout

VD 1 is not migrating (error 0: No error).
<<< status 1
$ qxcli migrate -l 1 -r 6 -d 2,3,4,5
<<< stdout

Unable to get migrate size of VD 1 (error 19: Not supported).
Specified RAID mode is not supported.
<<< status 1
$ qxcli migrate -l 1 -r 0 -d 2,3,4,5
<<< stdout

 Abort migration!!! Redundancy level is degraded from RAID5 to RAID0
<<< status 1
$ qxcli migrate -l 1 -r 1 -d 2,3
<<< stdout

Unable to get migrate size of VD 1 (error 7: Invalid request parameter).

 Abort migration!!! Redundancy level is degraded from RAID5 to RAID1
<<< status 1
$ qxcli migrate -l 1 -r 10 -d 2,3,4
<<< stdout

Unable to get migrate size of VD 1 (error 57: Number of physical disks doesn't fit the specified RAID level).

 Abort migration!!! Redundancy level is degraded from RAID5 to RAID10
<<< status 1
$ qxcli migrate -l 1 -d 2,3,4,40
<<< stdout

Unable to get migrate size of VD 1 (error 55: Specified physical disk doesn't exist).
Wrong disk 40 input.
<<< status 1
$ qxcli migrate -l 1 -d 2,3,0
<<< stdout
Not free disk 0 can not be used to migration VD.
<<< status 1
$ qxcli migrate -l 1 -d 2,3,5,5
<<< stdout

Unable to get migrate size of VD 1 (error 7: Invalid request parameter).
Target PDs need to include ALL member disks [2 3 4 ].
<<< status 1
$ qxcli migrate -l 1 -r 5 -d x,2,3,4
<<< stdout
Not free disk 0 can not be used to migration VD.
<<< status 1
$ qxsim pd fail 6
$ qxcli migrate -l 1 -d 2,3,4,6
<<< stdout

Unable to get migrate size of VD 1 (error 9: Invalid physical disk id).
Offline disk 6 can not be used as target of a migration.
<<< status 1
$ qxcli migrate -l 1 -r 5 -d 2,3,4
<<< stdout

Unable to start migration on VD 1 (error 68: Migration is not necessary).
<<< status 68
$ qxcli migrate -l 1 -d 2,3,4,10
<<< stdout

Unable to get migrate size of VD 1 (error 4: Resource not available).

Unable to start migration on VD 1 (error 4: Resource not available).
<<< status 4
$ qxcli migrate -l 1 -l 1 -d 2
<<< stdout
Duplicated option specified.
<<< status 1
=== a migration shows its target, pauses, resumes, stops, fails with a new disk and completes
$ qxsim clock freeze
$ qxsim clock set 1767225600
$ qxcli migrate -l 1 -d 4,2,3,5
<<< stdout
Start migration successfully
$ qxcli info -o vd -i 1
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
BGA status:          running
Block ids:           2 3 4 
# of PDs:            3
PD RAID setup:       2 3 4 
Running OS:          no
BGA progress:    migration is 0% done

target virtual: 
id:                  2
name:                VD_R5_2
status:              functional
Stripe size:         64
RAID mode:           RAID5
Cache mode:          Off 
size:                5722419 M
BGA status:          not running
Block ids:           4 2 3 5 
# of PDs:            4
PD RAID setup:       4 2 3 5 
Running OS:          no

$ qxcli migrate -l 1 -a resume
<<< stdout

Migration on VD 1 is in progress.
<<< status 1
$ qxcli migrate -l 1 -a pause
<<< stdout
Pause successfully
$ qxcli migrate -l 1 -a pause
<<< stdout

Migration on VD 1 is currently paused.
<<< status 1
$ qxcli migrate -l 1 -a resume
<<< stdout
Resume successfully
$ qxcli migrate -l 1 -a stop
<<< stdout
Abort successfully
$ qxcli info -o pd -i 5
<<< stdout (only block ids:)
block ids:           
$ qxcli migrate -l 1 -r 5 -d 2,3,4,5,6
<<< stdout
Start migration successfully
$ qxsim pd pull 6
$ qxcli migrate -l 1 -a pause
<<< stdout

VD 1 is not migrating (error 0: No error).
<<< status 1
$ qxsim pd insert 6
$ qxcli migrate -l 1 -r 5 -d 2,3,4,5,6
<<< stdout
Start migration successfully
$ qxsim clock advance 100000
$ qxcli info -o vd -i 1
<<< stdout (only RAID, only size, only PD RAID setup:, only BGA)
Stripe size:         64
RAID mode:           RAID5
size:                7629892 M
BGA status:          not running
PD RAID setup:       2 3 4 5 6 
$ qxsim events
<<< stdout (only class 1 code 8)
6  2026-01-01 00:00:00 UTC  class 1 code 80 device 1 severity 2 params 0 0 0 0
7  2026-01-01 00:00:00 UTC  class 1 code 82 device 1 severity 2 params 0 0 0 0
8  2026-01-01 00:00:00 UTC  class 1 code 83 device 1 severity 2 params 0 0 0 0
9  2026-01-01 00:00:00 UTC  class 1 code 84 device 1 severity 3 params 0 0 0 0
10  2026-01-01 00:00:00 UTC  class 1 code 80 device 1 severity 2 params 0 0 0 0
12  2026-01-01 00:00:00 UTC  class 1 code 87 device 1 severity 5 params 0 0 0 0
14  2026-01-01 00:00:00 UTC  class 1 code 80 device 1 severity 2 params 0 0 0 0
15  2026-01-01 05:17:55 UTC  class 1 code 85 device 1 severity 2 params 0 0 0 0
=== an array migrates with its VDs and takes the new level with the last of them
$ qxsim clock freeze
$ qxcli 1 migrate -l 0 -a stop
<<< stdout
-a : invalid action 'stop'
<<< status 1
$ qxcli 1 migrate -l 0 -a size
<<< stdout
No target disk is specified.
<<< status 1
$ qxcli 1 migrate -l 0 -a size -r 6 -d 0,1,2,3,4
<<< stdout
Migrated size will be 3433185 M
$ qxcli 1 migrate -l 0 -r 6 -d 0,1,2
<<< stdout
RAID6 needs least 4 PDs.
<<< status 1
$ qxcli 1 migrate -l 0 -r 6 -q 3 -d 0,1,2,3,4
<<< stdout
Number of parity disks should be at between 2 and 4.
<<< status 1
$ qxcli 1 migrate -l 0 -d 0,1,2,3,15
<<< stdout
Target PD 15 is not free.
<<< status 1
$ qxcli 1 migrate -l 0 -r 6 -d 0,1,2,3,4
<<< stdout
Start migrate successfully
$ qxcli 1 migrate -l 0 -a resume
<<< stdout

Migration on array 0 is in progress.
<<< status 1
$ qxcli 1 info -o vd -i 1
<<< stdout (only RAID, only size)
Stripe size:         64
RAID mode:           RAID5
size:                1716592 M
PD RAID setup:       0 1 2 3 
Stripe size:         64
RAID mode:           RAID6
size:                1716592 M
RAID6 redundancy:    2
PD RAID setup:       0 1 2 3 4 
$ qxsim clock advance 100000
$ qxsim show
<<< stdout (only "raid_level")
          "raid_level": 1,
          "raid_level": 5,
          "raid_level": 6,
          "raid_level": 6,
          "raid_level": 6,
$ qxcli 1 info -o vd -i 1
<<< stdout (only RAID, only size)
Stripe size:         64
RAID mode:           RAID6
size:                1716592 M
RAID6 redundancy:    2
PD RAID setup:       0 1 2 3 4 

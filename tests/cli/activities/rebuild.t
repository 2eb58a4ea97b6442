# rebuild on an adapter without arrays, and the automatic rebuild onto spares.
=== a pulled member is rebuilt onto a free disk, which takes the pulled slot
scenario activities.json
$ qxsim pd pull 1
$ qxcli info -o vd -i 0
<<< stdout (only status:, only PD RAID setup:)
status:              degraded
BGA status:          not running
PD RAID setup:       0 * 2 
$ qxcli rebuild -l 0 -d 11
<<< stdout
Start rebuild successfully
$ qxsim clock advance 50
$ qxcli info -o vd -i 0
<<< stdout (only status:, only BGA, only PD RAID setup:)
status:              degraded
BGA status:          running
PD RAID setup:       0 11 2 
BGA progress:    rebuilding is 50% done
$ qxcli rebuild -l 0 -a pause
<<< stdout
Pause successfully
$ qxcli rebuild -l 0 -a pause
<<< stdout

VD 0 rebuilding is currently paused
$ qxcli rebuild -l 0 -a resume
<<< stdout
Resume successfully
$ qxsim clock advance 100
$ qxcli info -o vd -i 0
<<< stdout (only status:, only BGA, only PD RAID setup:)
status:              functional
BGA status:          not running
PD RAID setup:       0 11 2 
$ qxcli rebuild -l 0 -a resume
<<< stdout

VD 0 is not at rebuilding state.
$ qxsim events
<<< stdout
1  2026-01-01 00:00:00 UTC  class 2 code 8 device 1 severity 3 params 0 0 0 0
2  2026-01-01 00:00:00 UTC  class 1 code 4 device 0 severity 5 params 0 0 0 0
3  2026-01-01 00:00:00 UTC  class 1 code 70 device 0 severity 2 params 0 0 0 0
4  2026-01-01 00:00:50 UTC  class 1 code 72 device 0 severity 2 params 0 0 0 0
5  2026-01-01 00:00:50 UTC  class 1 code 73 device 0 severity 2 params 0 0 0 0
6  2026-01-01 00:01:40 UTC  class 1 code 75 device 0 severity 2 params 0 0 0 0
=== a stopped rebuild leaves the VD degraded and its target free
scenario activities.json
$ qxsim pd fail 4
$ qxcli rebuild -l 1 -d 12
<<< stdout
Start rebuild successfully
$ qxcli rebuild -l 1 -a resume
<<< stdout

VD 1 is currently rebuilding.
$ qxcli rebuild -l 1 -a stop
<<< stdout
Abort successfully
$ qxcli info -o vd -i 1
<<< stdout (only status:, only BGA, only PD RAID setup:)
status:              degraded
BGA status:          not running
PD RAID setup:       3 * 
$ qxcli info -o pd -i 12
<<< stdout (only block ids:, only PD valid size:)
block ids:           
PD valid size:       10223616 K
$ qxcli rebuild -l 1 -d 4
<<< stdout

Unable to rebuild VD 1 (error 9: Invalid physical disk id).
<<< status 9
$ qxcli rebuild -l 1 -d 3
<<< stdout
PD 3 is not a free disk and can not be used to rebuild VD.
<<< status 1
$ qxcli rebuild -l 0 -d 12
<<< stdout

Unable to rebuild VD 0 (error 60: Specified virtual disk is functional).
<<< status 60

=== the target list: repeats are skipped, one free disk is needed, bad ids are refused
scenario activities.json
$ qxsim pd pull 1
$ qxcli rebuild -l 0 -d 11,11,12
<<< stdout
-d: Only One PD is needed for rebuilding!
<<< status 1
$ qxcli rebuild -l 0 -d 12,2
<<< stdout
PD 2 is not a free disk and can not be used to rebuild VD.
<<< status 1
$ qxcli rebuild -l 0 -d 1,
<<< stdout
-d:invalid PD IDs 1,
<<< status 1
$ qxcli rebuild -l 0 -d ,1
<<< stdout
-d:invalid PD IDs ,1
<<< status 1
$ qxcli rebuild -l 0 -d a
<<< stdout
-d:invalid PD IDs a
<<< status 1
$ qxcli rebuild -l 0 -d 12x
<<< stdout
Start rebuild successfully
$ qxcli rebuild -l 0
<<< stdout
rebuild: option -d is required
<<< status 1
$ qxcli rebuild -l 0 -a stop
<<< stdout
Abort successfully
$ qxcli rebuild -l 0 -d 11 -d 12
<<< stdout
Duplicated option specified.
<<< status 1
$ qxcli rebuild -d 11
<<< stdout
rebuild: option -l is required
<<< status 1
$ qxcli rebuild -l 0 -a halt -d 11
<<< stdout
-a : invalid action 'halt'
<<< status 1

=== a spare set by hand is taken by a degraded VD at once; a disk with blocks cannot be a spare
scenario activities.json
$ qxsim pd pull 3
$ qxsim pd spare 0 --global
<<< status 1
$ qxsim pd spare 11 --global
$ qxcli info -o vd -i 1
<<< stdout (only status:, only BGA, only PD RAID setup:)
status:              degraded
BGA status:          running
PD RAID setup:       11 4 
BGA progress:    rebuilding is 0% done
$ qxsim clock advance 120
$ qxcli info -o vd -i 1
<<< stdout (only status:, only BGA, only PD RAID setup:)
status:              functional
BGA status:          not running
PD RAID setup:       11 4 
$ qxsim events
<<< stdout
1  2026-01-01 00:00:00 UTC  class 2 code 8 device 3 severity 3 params 0 0 0 0
2  2026-01-01 00:00:00 UTC  class 1 code 4 device 1 severity 5 params 0 0 0 0
3  2026-01-01 00:00:00 UTC  class 2 code 9 device 11 severity 2 params 0 0 0 0
4  2026-01-01 00:00:00 UTC  class 2 code 59 device 11 severity 2 params 0 0 0 0
5  2026-01-01 00:00:00 UTC  class 1 code 70 device 1 severity 2 params 0 0 0 0
6  2026-01-01 00:01:40 UTC  class 1 code 75 device 1 severity 2 params 0 0 0 0
=== on adapter 1 a pulled member is rebuilt onto the global spare by itself, for both VDs of its array
$ qxsim clock freeze
$ qxsim clock set 1767225600
$ qxsim pd pull 0 --adapter 1
$ qxcli 1 info -o vd -i 0
<<< stdout (only status:, only BGA, only PD RAID setup:)
status:              degraded
BGA status:          running
PD RAID setup:       15 1 2 3 
BGA progress:    rebuilding is 0% done
$ qxcli 1 info -o vd -i 1
<<< stdout (only status:, only BGA, only PD RAID setup:)
status:              degraded
BGA status:          running
PD RAID setup:       15 1 2 3 
BGA progress:    rebuilding is 0% done
$ qxsim events --adapter 1
<<< stdout
1  2025-12-01 10:00:00 UTC  class 0 code 17 device 1 severity 2 params 0 0 0 0
2  2025-12-01 10:10:00 UTC  class 13 code 0 device 0 severity 2 params 0 0 0 0
3  2025-12-01 10:11:00 UTC  class 1 code 2 device 0 severity 2 params 0 0 0 0
4  2025-12-01 10:12:00 UTC  class 1 code 2 device 1 severity 2 params 0 0 0 0
5  2025-12-01 10:13:00 UTC  class 2 code 9 device 15 severity 2 params 0 0 0 0
6  2026-01-01 00:00:00 UTC  class 2 code 8 device 0 severity 3 params 0 0 0 0
7  2026-01-01 00:00:00 UTC  class 8 code 5 device 0 severity 3 params 1 0 1 0
8  2026-01-01 00:00:00 UTC  class 1 code 4 device 0 severity 5 params 0 0 0 0
9  2026-01-01 00:00:00 UTC  class 1 code 4 device 1 severity 5 params 0 0 0 0
10  2026-01-01 00:00:00 UTC  class 2 code 59 device 15 severity 2 params 0 0 0 0
11  2026-01-01 00:00:00 UTC  class 1 code 70 device 0 severity 2 params 0 0 0 0
12  2026-01-01 00:00:00 UTC  class 1 code 70 device 1 severity 2 params 0 0 0 0
=== on adapter 1 an array is rebuilt as a whole onto the disks named, and steered with pause and resume only
$ qxsim clock freeze
$ qxsim clock set 1767225600
$ qxsim pd spare 15 --none --adapter 1
$ qxsim pd pull 2 --adapter 1
$ qxcli 1 rebuild -l 0 -a stop
<<< stdout
-a : invalid action 'stop'
<<< status 1
$ qxcli 1 rebuild -l 0 -a pause
<<< stdout

Array 0 is not at rebuilding state.
$ qxcli 1 rebuild -l 0 -d 1
<<< stdout
PD 1 is not a free disk.
<<< status 1
$ qxcli 1 rebuild -l 0 -d 4,5
<<< stdout
Unable to rebuild array 0 (error 152: Invalid physical disk count).
<<< status 152
$ qxcli 1 rebuild -l x -d 4
<<< stdout
-l : Array id should be a number
<<< status 1
$ qxcli 1 rebuild -l 0 -d 4
<<< stdout
Start rebuild successfully
$ qxcli 1 rebuild -l 0 -d 5
<<< stdout

Array 0 is having background activity.
$ qxcli 1 rebuild -l 0 -a pause
<<< stdout
Pause successfully
$ qxcli 1 rebuild -l 0 -a pause
<<< stdout

array 0 rebuilding is currently paused
$ qxcli 1 rebuild -l 0 -a resume
<<< stdout
Resume successfully
$ qxcli 1 info -o vd -i 1
<<< stdout (only status:, only BGA, only PD RAID setup:)
status:              degraded
BGA status:          running
PD RAID setup:       0 1 4 3 
BGA progress:    rebuilding is 0% done
$ qxsim clock advance 2000
$ qxcli 1 info -o vd -i 1
<<< stdout (only status:, only BGA, only PD RAID setup:)
status:              functional
BGA status:          not running
PD RAID setup:       0 1 4 3 
$ qxcli 1 rebuild -l 0 -a resume
<<< stdout

Array 0 is not at rebuilding state.
=== a rebuild that stops a media patrol on a member asks first
scenario activities.json
$ qxsim pd pull 14
$ qxcli rebuild -l 5 -d 11
<<< stdin
n
<<< stdout
Rebuild VD will stop Media patrol on PD. Do you want to continue?(y or n)
$ qxcli rebuild -l 5 -d 11
<<< stdin
y
<<< stdout
Rebuild VD will stop Media patrol on PD. Do you want to continue?(y or n)
Start rebuild successfully
$ qxsim events
<<< stdout
1  2026-01-01 00:00:00 UTC  class 2 code 8 device 14 severity 3 params 0 0 0 0
2  2026-01-01 00:00:00 UTC  class 1 code 4 device 5 severity 5 params 0 0 0 0
3  2026-01-01 00:00:00 UTC  class 2 code 21 device 13 severity 3 params 0 0 0 0
4  2026-01-01 00:00:00 UTC  class 1 code 70 device 5 severity 2 params 0 0 0 0

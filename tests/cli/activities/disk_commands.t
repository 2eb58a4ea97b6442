# mp, scrub, locate and forceonline: activities and switches of one disk.
=== mp: options first, then one patrolling disk per VD; a VD start asks before it ends the patrol
$ qxsim clock freeze
$ qxsim clock set 1767225600
$ qxcli mp
<<< stdout
mp: option -a is required
mp: option -d is required
<<< status 1
$ qxcli mp -a pause -d 0
<<< stdout
-a : invalid action 'pause'
<<< status 1
$ qxcli mp -a start -d 2x
<<< stdout
-d : invalid pd id
<<< status 1
$ qxcli mp -a start -d 5
<<< stdout

PD 5 is not a spare or assigned disk.
<<< status 53
$ qxcli mp -a stop -d 99
<<< stdout

Failed to stop media patrol on PD 99 (error 55: Specified physical disk doesn't exist)
<<< status 55
$ qxcli mp -a start -d 2
$ qxcli mp -a start -d 2
<<< stdout

PD 2 is currently having background activity.
$ qxcli mp -a start -d 3
<<< stdout

Failed to start media patrol on PD 3 (error 88: Raid allows one media patrol only)
<<< status 88
$ qxcli init -l 1
<<< stdin
n
<<< stdout
Init VD will stop Media patrol on PD. Do you want to continue?(y or n)
$ qxcli cc -l 1
<<< stdin
y
<<< stdout
Fix VD will stop Media patrol on PD. Do you want to continue?(y or n)
Start consistency
$ qxcli mp -a stop -d 2
<<< stdout

PD 2 is not in media patrol state.bga 0, status 0
$ qxcli mp -a start -d 0
$ qxcli mp -a stop -d 0
<<< stdout
Abort successfully
$ qxsim events
<<< stdout (only class 2)
6  2026-01-01 00:00:00 UTC  class 2 code 17 device 2 severity 2 params 0 0 0 0
7  2026-01-01 00:00:00 UTC  class 2 code 21 device 2 severity 3 params 0 0 0 0
9  2026-01-01 00:00:00 UTC  class 2 code 17 device 0 severity 2 params 0 0 0 0
10  2026-01-01 00:00:00 UTC  class 2 code 18 device 0 severity 3 params 0 0 0 0
=== scrub: only an idle spare, through every state
$ qxcli 1 scrub -a start -d 300
<<< stdout
-i : invalid id 300
<<< status 1
$ qxcli 1 scrub -a start -d 0
<<< stdout

PD 0 has already been assigned.
<<< status 56
$ qxcli 1 scrub -a start -d 14
<<< stdout

PD 14 is not a spare disk.
<<< status 53
$ qxcli 1 scrub -a pause -d 15
<<< stdout

PD 15 is not in data scrubbing state.
$ qxcli 1 scrub -a start -d 15
$ qxcli 1 info -o pd -i 15
<<< stdout (only Data scrub:)
Data scrub:          running, 0% done
$ qxcli 1 scrub -a start -d 15
<<< stdout

PD 15 is currently having background activity.
$ qxcli 1 scrub -a resume -d 15
<<< stdout

Data scrubning is in progress on PD 15.
$ qxcli 1 scrub -a pause -d 15
<<< stdout
Pause successfully
$ qxcli 1 scrub -a stop -d 15
<<< stdout

Data scrubbing on PD 15 is currently paused
$ qxcli 1 scrub -a resume -d 15
$ qxcli 1 scrub -a stop -d 15
<<< stdout
Abort successfully
$ qxcli 1 scrub -a stop -d 15
<<< stdout

PD 15 is not in data scrubbing state.
=== locate: on by default, off in any case, a hex id, shown by info -o pd
$ qxcli 1 locate -i 2
<<< stdout
Success to set PD 2 LED status 
$ qxcli 1 info -o pd -i 2
<<< stdout (only Locate LED)
Locate LED status:   on
$ qxcli 1 locate -o pd -i 0x2 -a OFF
<<< stdout
Success to set PD 2 LED status 
$ qxcli 1 info -o pd -i 2
<<< stdout (only Locate LED)
Locate LED status:   off
$ qxcli 1 locate -a on
<<< stdout
missing PD id
<<< status 1
$ qxcli 1 locate -i 2z
<<< stdout
-i: id should be a number
<<< status 1
$ qxcli 1 locate -i 2 -a blink
<<< stdout
-a: invalid action 'blink'
<<< status 1
$ qxcli 1 locate -i 99
<<< stdout
Failed to set LED status (error 55: Specified physical disk doesn't exist)
<<< status 55
=== forceonline: a failed member comes back and its array's VDs with it
$ qxsim clock freeze
$ qxsim clock set 1767225600
$ qxsim pd spare 15 --none --adapter 1
$ qxsim pd fail 1 --adapter 1
$ qxsim pd fail 2 --adapter 1
$ qxcli 1 forceonline -i 2 -p 95
<<< stdout
-p : invalid percentage '95', available percentage include 10 20 30 40 50 60 70 80 90 100
<<< status 1
$ qxcli 1 forceonline -i 2 -p 90
<<< stdout

Force online PD 2 is returned successfully.
$ qxcli 1 info -o vd -i 0
<<< stdout (only status:, only PD RAID setup:)
status:              degraded
BGA status:          not running
PD RAID setup:       0 1 2 3 
$ qxcli 1 forceonline -i 1
<<< stdout

Force online PD 1 is returned successfully.
$ qxcli 1 info -o vd -i 1
<<< stdout (only status:)
status:              functional
BGA status:          not running
$ qxcli 1 forceonline -i 1
<<< stdout

Force online PD 1 failed (error 246: not offline disk).
<<< status 246
$ qxcli 1 forceonline -i 300
<<< stdout

Force online PD 255 failed (error 55: Specified physical disk doesn't exist).
<<< status 55
$ qxsim events --adapter 1
<<< stdout (only code 1 device)
15  2026-01-01 00:00:00 UTC  class 2 code 1 device 2 severity 2 params 9 0 0 0
16  2026-01-01 00:00:00 UTC  class 1 code 1 device 0 severity 2 params 0 0 0 0
17  2026-01-01 00:00:00 UTC  class 1 code 1 device 1 severity 2 params 0 0 0 0
18  2026-01-01 00:00:00 UTC  class 2 code 1 device 1 severity 2 params 100 0 0 0

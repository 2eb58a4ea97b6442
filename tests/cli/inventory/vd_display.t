# info -o vd: every level and state, activity progress, a migrating VD with
# its target, hybrid-tier VDs, and what the display does when a call fails.
# Adapter 0 of vds.json lists three VDs a page, so its listing takes several
# requests.

=== every VD with its setup groups, activity progress, migration target and tier lines
scenario ./vds.json
$ qxcli info -o vd
<<< stdout

Virtual Disk Information
-------------------------
id:                  0
name:                plain0
status:              functional and initialized
Stripe size:         64
RAID mode:           RAID0
Cache mode:          On 
size:                195312 M
BGA status:          not running
Block ids:           0 1 
# of PDs:            2
PD RAID setup:       0 1 
Running OS:          no

id:                  1
name:                mirror
status:              degraded
Stripe size:         64
RAID mode:           RAID1
Cache mode:          Off 
size:                97656 M
BGA status:          running
Block ids:           2 
# of PDs:            2
PD RAID setup:       2 * 
Running OS:          no
BGA progress:    rebuilding is 25% done


id:                  2
name:                r10
status:              functional and initialized
Stripe size:         64
RAID mode:           RAID10
Cache mode:          On 
size:                195312 M
BGA status:          running
Block ids:           3 4 5 6 
# of PDs:            4
PD RAID setup:       3 4 | 5 6 
Running OS:          no
BGA progress:    initializing is 42% done


id:                  3
name:                r50
status:              functional and initialized
Stripe size:         64
RAID mode:           RAID50
Sub VD count:        2
Cache mode:          On 
size:                390625 M
BGA status:          paused
Block ids:           7 8 9 10 11 12 
# of PDs:            6
PD RAID setup:       7 8 9 | 10 11 12 
Running OS:          no
BGA progress:    synchronizing is paused at 60%


id:                  4
name:                r60
status:              functional and initialized
Stripe size:         64
RAID mode:           RAID60
Sub VD count:        2
# of parity disks:   4
Cache mode:          On 
size:                390625 M
BGA status:          auto paused
Block ids:           13 14 15 16 17 18 19 20 
# of PDs:            8
PD RAID setup:       0 1 2 3 | 4 5 6 7 
Running OS:          no
BGA progress:    synchronizing is auto paused at 33%


id:                  5
name:                r6
status:              partially optimal
Stripe size:         64
RAID mode:           RAID6
Cache mode:          On 
size:                195312 M
RAID6 redundancy:    2
BGA status:          interrupted
Block ids:           21 22 23 24 
# of PDs:            4
PD RAID setup:       12 13 14 15 
Running OS:          no
BGA progress:    copy back is interrupted


id:                  6
name:                jbod
status:              functional and initialized
Stripe size:         64
RAID mode:           JBOD
Cache mode:          
size:                97656 M
BGA status:          aborted
Block ids:           25 
# of PDs:            1
PD RAID setup:       13 
Running OS:          no
BGA progress:    initializing is aborted


id:                  7
name:                conflict
status:              conflicted
Last write time:     Wed Dec 31 23:50:00 2025

Stripe size:         64
RAID mode:           RAID1
Cache mode:          On 
size:                97656 M
BGA status:          not running
Block ids:           26 27 
# of PDs:            2
PD RAID setup:       14 15 
Running OS:          no

id:                  8
name:                gone
status:              offline
Stripe size:         64
RAID mode:           RAID5
Cache mode:          On 
size:                195312 M
BGA status:          aborted
Block ids:           28 
# of PDs:            3
PD RAID setup:       0 * * 
Running OS:          no

id:                  9
name:                moving
status:              functional and initialized
Stripe size:         64
RAID mode:           RAID5
Cache mode:          On 
size:                195312 M
BGA status:          running
Block ids:           29 30 31 
# of PDs:            3
PD RAID setup:       1 2 3 
Running OS:          no
BGA progress:    migration is 12% done

target virtual: 
id:                  10
name:                moving
status:              functional
Stripe size:         64
RAID mode:           RAID6
Cache mode:          On 
size:                195312 M
RAID6 redundancy:    2
BGA status:          not running
Block ids:           32 33 34 35 
# of PDs:            4
PD RAID setup:       4 5 6 7 
Running OS:          no

id:                  11
name:                tier_cap
status:              functional and initialized
Stripe size:         64
RAID mode:           twinTier capacity
Cache mode:          On 
size:                195312 M
BGA status:          not running
Block ids:           36 37 
# of PDs:            2
PD RAID setup:       8 9 
Running OS:          no

id:                  12
name:                tier_hyb
Status:              functional and initialized
BGA progress:        restore is 55% done
Tier mode:           twinTier hybrid
initializing status: running
Block ids:           38 39 
# of PDs:            2
PD RAID setup:       10 11 
Running OS:          no

id:                  13
name:                tier_safe
Status:              initializing
BGA progress:        initializing is 20% done
Tier mode:           twinTier safe
initializing status: paused
Block ids:           40 41 
# of PDs:            2
PD RAID setup:       12 13 
Running OS:          no

id:                  14
name:                tier_sync
Status:              functional
Tier mode:           twinTier capacity
Block ids:           42 43 
# of PDs:            2
PD RAID setup:       14 15 
Running OS:          no

id:                  15
name:                boot1e
status:              functional and initialized
Stripe size:         64
RAID mode:           RAID1e
Cache mode:          On 
size:                146484 M
BGA status:          not running
Block ids:           44 45 46 
# of PDs:            3
PD RAID setup:       0 1 2 
Running OS:          yes

Total # of VD:       15

<<< status 0

=== an array-capable adapter shows the array id; an adapter without VD caches says so
scenario ./vds.json
$ qxcli 1 info -o vd
<<< stdout

Virtual Disk Information
-------------------------
id:                  0
name:                db
array id:            2
status:              functional and initialized
Stripe size:         64
RAID mode:           RAID60
Sub VD count:        2
Cache mode:          Not Support
size:                195312 M
BGA status:          not running
Block ids:           0 1 2 3 
# of PDs:            4
PD RAID setup:       0 1 | 2 3 
Running OS:          no

Total # of VD:       1

<<< status 0

=== a migration target is not listed on its own
scenario ./vds.json
$ qxcli info -o vd -i 10
<<< stdout

Unable to get info of vd 10 (error 59: Specified virtual disk doesn't exist)
<<< status 59

=== an adapter without VDs
scenario ./bare.json
$ qxcli info -o vd
<<< stdout
No virtual disk is found.
<<< status 0

=== a failing status query ends the listing after the total so far
scenario ./vds.json
$ qxsim fault add QX_LD_GetStatus --status 58 --adapter 0 --always
$ qxcli info -o vd
<<< stdout

Virtual Disk Information
-------------------------
id:                  0
name:                plain0
status:              functional and initialized
Stripe size:         64
RAID mode:           RAID0
Cache mode:          On 
size:                195312 M
BGA status:          not running
Block ids:           0 1 
# of PDs:            2
PD RAID setup:       0 1 
Running OS:          no

id:                  1
name:                mirror
status:              degraded
Stripe size:         64
RAID mode:           RAID1
Cache mode:          Off 
size:                97656 M
BGA status:          running
Block ids:           2 
# of PDs:            2
PD RAID setup:       2 * 
Running OS:          no
Failed to get status for LD 1 (error 58: Virtual disk is not ready to receive command).
Total # of VD:       3


Unable to get info of vd (error 58: Virtual disk is not ready to receive command)
<<< status 58

=== a failing target query leaves out the target; a failing block query shows ? for the PD
scenario ./vds.json
$ qxsim fault add QX_LD_GetTargetLDInfo --status 1 --adapter 0 --always
$ qxsim fault add QX_BLK_GetInfo --status 12 --adapter 0 --times 2
$ qxcli info -o vd -i 9
<<< stdout

Virtual Disk Information
-------------------------
id:                  9
name:                moving
status:              functional and initialized
Stripe size:         64
RAID mode:           RAID5
Cache mode:          On 
size:                195312 M
BGA status:          running
Block ids:           29 30 31 
# of PDs:            3
PD RAID setup:       ? ? 3 
Running OS:          no
BGA progress:    migration is 12% done


<<< status 0

=== a failing VD query fails the listing
scenario ./vds.json
$ qxsim fault add QX_LD_GetInfo --status 1 --adapter 0 --always
$ qxcli info -o vd -i 3
<<< stdout

Unable to get info of vd 3 (error 1: Failed)
<<< status 1

# qxsim steers the simulated controller; qxcli sees the consequences.

=== simulated time moves an initialization on and completes it
# The mirror starts half initialized, with 200 seconds to go in all.
scenario init_running.json
$ qxsim clock advance 50
$ qxcli info -o vd -i 0
<<< stdout (only status:, only done)
status:              functional
BGA status:          running
BGA progress:    initializing is 75% done
$ qxsim clock advance 50
$ qxcli info -o vd -i 0
<<< stdout (only status:)
status:              functional and initialized
BGA status:          not running
$ qxsim events
<<< stdout
1  2026-01-01 00:01:40 UTC  class 1 code 55 device 0 severity 2 params 0 0 0 0
<<< status 0

=== a pulled disk leaves its VD degraded; a second loss takes it offline
scenario init_running.json
$ qxsim clock advance 100
$ qxsim pd pull 1
$ qxcli info -o vd -i 0
<<< stdout (only status:, only PD RAID setup:)
status:              degraded
BGA status:          not running
PD RAID setup:       0 * 
$ qxcli info -o pd -i 1
<<< stdout

Unable to get info of PD 1 (error 55: Specified physical disk doesn't exist)
<<< status 55
$ qxsim pd fail 0
$ qxcli info -o vd -i 0
<<< stdout (only status:, only Block ids:, only PD RAID setup:)
status:              offline
BGA status:          not running
Block ids:           0 
PD RAID setup:       0 * 
$ qxsim pd insert 1
$ qxcli info -o pd -i 1
<<< stdout (only PD ID:, only PD valid size:)
PD ID:               1
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

=== a fault fails a call the given number of times, then the call works again; a fault on another adapter does not apply
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
$ qxsim fault add QX_LD_GetInfo --status 6 --adapter 1 --always
$ qxcli info -o vd -i 0
<<< stdout (only name:, only done)
name:                mirror
BGA progress:    initializing is 50% done
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
$ qxsim fault add QX_API_Version
<<< stderr
qxsim: 'QX_API_Version' answers without the state, so a fault on it would never fire
<<< status 1
$ qxsim fault clear 3
<<< stderr
qxsim: no fault 3
<<< status 1
$ qxsim clock advance soon
<<< status 2
$ qxsim clock advance nan
<<< stderr
qxsim: clock advance: 'nan' is not a number of seconds
<<< status 1
$ qxsim pd pull 0 --adapter 4
<<< stderr
qxsim: no adapter 4
<<< status 1
$ qxcli info -o vd -i 0
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


<<< status 0

=== the clock never leaves the range that a scenario can give back
scenario init_running.json
$ qxsim clock advance 1000000000000
$ qxsim clock advance 1000000000000
<<< stderr
qxsim: clock: the simulated time would leave the range the state keeps (about 35,000 years either side of 1970)
<<< status 1
$ qxsim clock show
<<< stdout
33714-09-28 01:46:40 UTC (frozen)
<<< status 0
